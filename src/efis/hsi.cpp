#include "efis/hsi.h"

#include <cmath>

#include "efis/heading_tape.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "nav/gps_state.h"
#include "nav/navigation.h"
#include "records/working_state.h"

namespace {

// Deviation bar pixels per cross-track unit by CDI scale (full scale 1, 2, 5, 10); the bar
// moves toward the side of the course the aircraft must turn to.
constexpr float deviationFactor[4] = {-1.0f, -0.5f, -0.2f, -0.1f};
constexpr int32_t deviationLimit = 35;  // pixels

void letter(int16_t cx, int16_t cy, int32_t a, const char* text) {
    drawText((int16_t)(radialX(cx, a, 40) + 1), (int16_t)(radialY(cy, a, 40) - 7), text, 8, 0, colourWhite);
}

}  // namespace

void drawHsi(int16_t cx, int16_t cy) {
    int16_t h = displayedHeading();
    int32_t q = 360 - h;

    // Card: a tick every 10 degrees, longer every 30.
    for (int32_t c = 0; c < 360; c += 10)
        drawRadialLine(cx, cy, 360 - c - h, c % 30 == 0 ? 45 : 50, 54, colourLightGrey);

    for (int16_t x = (int16_t)(cx - 1); x <= cx + 1; x++) drawVSpan((int16_t)(cy - 58), (int16_t)(cy - 46), x, colourYellow);

    letter(cx, cy, q - 90, "N");
    letter(cx, cy, q, "E");
    letter(cx, cy, q + 90, "S");
    letter(cx, cy, q + 180, "W");

    // Arrow: to the waypoint when a leg is active, else to the heading bug, relative to the
    // track when there is a GPS position and to the heading otherwise.
    int32_t r;
    if (navActive == 1) r = bearingToWaypoint - gpsTrackTrue;
    else if (gpsPositionValid == 1) r = headingBug - gpsTrackTrue;
    else r = headingBug - h;
    int32_t a = compassDegrees(compassDegrees(r) - 90);
    uint8_t arrow = gpsPositionValid == 1 ? colourMagenta : colourYellow;

    for (int32_t d = 10; d <= 30; d += 10) {
        drawCircle(radialX(cx, a + 90, d), radialY(cy, a + 90, d), 2, colourLightGrey);
        drawCircle(radialX(cx, a - 90, d), radialY(cy, a - 90, d), 2, colourLightGrey);
    }

    drawRadialThickLine(cx, cy, a, 13, 33, arrow);
    int16_t tipX = radialX(cx, a, 33), tipY = radialY(cy, a, 33);
    drawThickLine(radialX(cx, a + 15, 22), radialY(cy, a + 15, 22), tipX, tipY, arrow);
    drawThickLine(radialX(cx, a - 15, 22), radialY(cy, a - 15, 22), tipX, tipY, arrow);
    drawRadialThickLine(cx, cy, a + 180, 13, 33, arrow);

    // Deviation bar, parallel to the arrow, moved sideways by the cross-track error.
    double dev = std::trunc((double)crossTrackError * deviationFactor[cdiScaleIndex()]);
    if (dev > deviationLimit) dev = deviationLimit;
    if (dev < -deviationLimit) dev = -deviationLimit;
    int32_t shift = (int32_t)dev;
    int16_t sx = (int16_t)(radialX(0, a - 90, shift)), sy = (int16_t)(radialY(0, a - 90, shift));
    drawThickLine((int16_t)(radialX(cx, a, 13) + sx), (int16_t)(radialY(cy, a, 13) + sy),
                  (int16_t)(radialX(cx, a + 180, 13) + sx), (int16_t)(radialY(cy, a + 180, 13) + sy), arrow);

    if (headingBugShown == 1) {
        for (int32_t k = -6; k <= 6; k++)
            if (k < -2 || k > 2) drawRadialLine(cx, cy, headingBug - h - 90 + k, 47, 54, colourYellow);
    }
    if (gpsPositionValid == 1) {
        int16_t t = displayedTrack();
        for (int32_t k = -2; k <= 2; k++) drawRadialLine(cx, cy, t - h - 90 + k, 47, 54, arrow);
    }
}
