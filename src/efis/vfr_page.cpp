#include "efis/vfr_page.h"

#include "efis/airspeed_dial.h"
#include "efis/altitude_dial.h"
#include "efis/data_fields.h"
#include "efis/fuel_fields.h"
#include "efis/g_meter.h"
#include "efis/heading_tape.h"
#include "efis/hsi.h"
#include "efis/info_panels.h"
#include "efis/nav_info.h"
#include "efis/vfr_fields.h"
#include "efis/vsi_dial.h"
#include "efis/wind.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "records/working_state.h"

void drawVfrPage() {
    clearScreen();
    drawAsiDial(87, 67);
    drawTasField(18, 120);
    drawGsField(15, 0);
    drawAltimeterDial(393, 67);
    if (unitSettings.compassDisplay != 0) drawHeadingReadout(197, 170);
    drawDaField(165, 0);
    drawVsiDial(1, 240, 67);
    if (vfrSubView != 0) drawAirPanel();
    else drawTimesPanel();
    drawGpsFixStatus(450, 5);
    if (unitSettings.windDisplay != 0) {
        drawWindSpeed(224, 205);
        drawWindArrow(224, 240, 0);
    }
    if (vfrSubView == 2) {
        drawGMeter(350, 216);
    } else {
        drawHsi(320, 216);
        drawNavInfo(420, 165);
    }
}

void drawVfrEmsPage() {
    clearScreen();
    drawAsiDial(87, 67);
    drawTasField(18, 120);
    drawGsField(15, 0);
    drawAltimeterDial(267, 67);
    if (unitSettings.compassDisplay != 0) drawHeadingReadout(151, 0);
    drawDaField(178, 35);
    drawVsiDial(0, 267, 217);
    switch (vfrEmsSubView) {
    case 0: drawTimesPanel(); break;
    case 1: drawAirPanel(); break;
    case 2:
        drawFuelBlock();
        if (unitSettings.slipBallDisplay != 0) drawSlipBallBox();
        break;
    case 3:
        drawHsi(55, 216);
        drawNavInfo(155, 165);
        break;
    case 4: drawGMeter(75, 216); break;
    default: break;
    }
    drawGpsFixStatus(317, 5);
    if (unitSettings.windDisplay != 0) {
        drawWindSpeed(178, 85);
        drawWindArrow(178, 120, 0);
    }
    drawVSpan(0, 271, 340, colourLightGrey);
}
