#include "efis/efis_page.h"

#include "airdata/airdata.h"
#include "efis/airspeed_tape.h"
#include "efis/altitude_tape.h"
#include "efis/attitude_indicator.h"
#include "efis/baro_box.h"
#include "efis/cdi_bar.h"
#include "efis/data_fields.h"
#include "efis/density_altitude.h"
#include "efis/heading_tape.h"
#include "efis/timers_block.h"
#include "efis/transponder_box.h"
#include "efis/vsi.h"
#include "efis/wind.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "links/autopilot.h"
#include "nav/navigation.h"
#include "records/records.h"

namespace {

// Where the two EFIS layouts put their instruments.
struct EfisGeometry {
    int16_t cx;                 // centre of the attitude picture
    int16_t right;              // last column of the picture
    int16_t headingLeft, headingRight, headingDegrees, headingToCentre;
    int16_t altitudeTape;       // left edge
    int16_t baroBox;            // left edge
    int16_t densityAltitude;    // right edge of the value
    int16_t vsiTape;            // reference x
    int16_t gReadout;           // right edge of the value
    int16_t windX, windY;       // wind speed
    int16_t arrowY;             // wind arrow, below the speed
    uint8_t largeArrow;
    uint8_t blankStrip;         // 1: the right strip x 340..479 is cleared for what the layout adds
};

constexpr EfisGeometry wide{240, 479, 60, 418, 70, 36, 347, 409, 382, 385, 369, 359, 40, 85, 1, 0};
constexpr EfisGeometry narrow{170, 352, 60, 278, 40, 22, 210, 269, 264, 245, 251, 250, 35, 70, 0, 1};

void drawEfis(const EfisGeometry& g) {
    clipRight = (int16_t)(g.right + 1);
    // With no attitude source the picture is plain grey; the rest of the layout lies over it alike.
    drawAttitudeIndicator(g.cx, g.right);
    if (unitSettings.compassDisplay != 0)
        drawHeadingTape(g.cx, g.headingLeft, g.headingRight, g.headingDegrees, g.headingToCentre);
    drawAltitudeTape(g.altitudeTape);
    drawBaroBox(g.baroBox);
    if (unitSettings.densityAltitudeDisplay != 0) drawDensityAltitude(g.densityAltitude);
    drawVsiTape(g.vsiTape);
    drawAirspeedTape();
    drawTasBox();
    if (unitSettings.gForceDisplay != 0 && unitSettings.attitudeSource == 0) drawGReadout(g.gReadout);
    drawGroundSpeedBox();
    drawTimersBlock();
    if (unitSettings.voltsDisplay != 0) drawVoltsField(56, 82);
    if (unitSettings.oatDisplay != 0) drawOatField(56, 62);
    drawGpsFixStatus(56, 44);
    if (unitSettings.windDisplay != 0) {
        drawWindSpeed(g.windX, g.windY);
        drawWindArrow(g.windX, g.arrowY, g.largeArrow);
    }
    if (g.blankStrip) fillBox(340, 0, 479, 271, colourBlack);
    if (navActive == 1) drawCdiBar(g.cx);
    if (unitSettings.transponderType != 0) drawTransponderBox();
    if ((unitSettings.apBankServoInstalled != 0 || unitSettings.apPitchServoInstalled != 0) && apEngaged == 1)
        drawApAnnunciator();
    drawAttitudeFailures(g.cx);
}

}  // namespace

void drawEfisPage() { drawEfis(wide); }

void drawEfisNarrowPage() { drawEfis(narrow); }
