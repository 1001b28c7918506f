#include "efis/heading_tape.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/unit.h"
#include "nav/gps_state.h"
#include "nav/navigation.h"
#include "records/working_state.h"

namespace {

constexpr uint8_t compassDisplayGpsTrack = 2;
constexpr int16_t tapeVisibleLeft = 70;  // ticks and labels start here; the strip ends 20 before right

uint8_t sourceColour() { return unitSettings.compassDisplay == compassDisplayGpsTrack ? colourMagenta : colourWhite; }

// The bar with a V notch opening upward that marks the heading bug.
void drawBugMark(int16_t x, uint8_t colour) {
    drawHSpan((int16_t)(x - 15), (int16_t)(x + 15), 32, colour);
    for (int16_t i = 0; i <= 6; i++) {
        drawHSpan((int16_t)(x - 15), (int16_t)(x - i - 1), (int16_t)(31 - i), colour);
        drawHSpan((int16_t)(x + i + 1), (int16_t)(x + 15), (int16_t)(31 - i), colour);
    }
}

// A small downward triangle: the GPS track.
void drawTrackMark(int16_t x) {
    for (int16_t i = 0; i <= 5; i++) drawHSpan((int16_t)(x - 6 + i), (int16_t)(x + 6 - i), (int16_t)(24 + i), colourMagenta);
    putPixel(x, 30, colourMagenta);
}

// A V: the bearing to the active waypoint.
void drawBearingMark(int16_t x) {
    drawThickLine((int16_t)(x - 7), 25, (int16_t)(x - 1), 31, colourMagenta);
    drawThickLine((int16_t)(x + 1), 31, (int16_t)(x + 7), 25, colourMagenta);
}

const char* cardinalLabel(int16_t d) {
    static const char* const cardinal[12] = {"N", "NNE", "ENE", "E", "ESE", "SSE",
                                             "S", "SSW", "WSW", "W", "WNW", "NNW"};
    static const char* const mixed[12] = {"N", nullptr, nullptr, "E", nullptr, nullptr,
                                          "S", nullptr, nullptr, "W", nullptr, nullptr};
    if (d % 30 != 0) return nullptr;
    uint8_t style = compassTapeIndex();
    if (style == 2) return cardinal[d / 30];
    if (style == 1) return mixed[d / 30];
    return nullptr;
}

}  // namespace

int16_t displayedHeading() {
    return compassDegrees(unitSettings.headingMode == 1 ? trueHeading : magneticHeading);
}

uint8_t headingSourceValid() {
    if (unitSettings.compassDisplay == compassDisplayGpsTrack) return gpsPositionValid == 1 ? 1 : 0;
    return compassPresent == 1 ? 1 : 0;
}

int16_t displayedTrack() {
    return compassDegrees(unitSettings.headingMode == 1 ? gpsTrackTrue : gpsTrackMagnetic);
}

void drawHeadingTape(int16_t cx, int16_t left, int16_t right, int16_t degreesAcross, int16_t degreesToCentre) {
    if (degreesAcross <= 0 || right <= left) return;
    int32_t p = (right - left) / degreesAcross;  // pixels per degree
    if (p <= 0) return;
    int16_t h = displayedHeading();
    int16_t d = compassDegrees(h - degreesToCentre);
    int16_t bug = compassDegrees(headingBug);
    int16_t track = displayedTrack();
    int16_t bearing = compassDegrees(magBearingToWaypoint);
    bool bugShown = headingBugShown == 1;
    bool bugOnTape = false;
    int32_t visibleRight = right - 20;
    char label[8];

    for (int32_t x = left; x < right && x < 416; x += p) {
        int16_t xs = (int16_t)x;
        bool visible = x >= tapeVisibleLeft && x <= visibleRight;
        if (d % 10 == 0) {
            if (visible) drawVSpan(22, 32, xs, colourWhite);
            const char* text = cardinalLabel(d);
            if (!text) {
                std::snprintf(label, sizeof label, "%03d", (int)d);
                text = label;
            }
            drawTapeLabel(xs, 3, text, right);
        } else if (d % 5 == 0) {
            if (visible) drawVSpan(26, 32, xs, colourWhite);
        }
        if (bugShown && d == bug && left < x - 14 && x + 14 < right) {
            drawBugMark(xs, colourYellow);
            bugOnTape = true;
        }
        if (gpsPositionValid == 1 && d == track && left < x - 5 && x + 5 < right) drawTrackMark(xs);
        if (navActive == 1 && d == bearing && left < x - 6 && x + 6 < right) drawBearingMark(xs);
        d = (int16_t)(d == 359 ? 0 : d + 1);
    }

    // A bug off the tape waits at the end it is nearer to, the shorter way round, in cyan.
    if (bugShown && !bugOnTape) {
        bool rightEnd;
        if (h >= 180 && bug < 180) rightEnd = bug < h - 180;
        else if (h < 180 && bug >= 180) rightEnd = bug - 180 < h;
        else rightEnd = h < bug;
        drawBugMark((int16_t)(rightEnd ? right - 18 : left + 15), colourCyan);
    }

    drawHeadingBox(cx, h);
}

void drawHeadingBox(int16_t cx, int16_t heading) {
    drawHSpan((int16_t)(cx - 26), (int16_t)(cx + 26), 0, colourWhite);
    drawVSpan(0, 23, (int16_t)(cx - 27), colourWhite);
    drawVSpan(0, 23, (int16_t)(cx + 27), colourWhite);
    drawHSpan((int16_t)(cx - 26), (int16_t)(cx - 9), 23, colourWhite);
    drawHSpan((int16_t)(cx + 9), (int16_t)(cx + 26), 23, colourWhite);
    fillBox((int16_t)(cx - 26), 1, (int16_t)(cx + 26), 22, colourBlack);
    char text[8];
    std::snprintf(text, sizeof text, "%03d", (int)compassDegrees(heading));
    drawColumnText((int16_t)(cx - 23), 2, text, 20, sourceColour());
    if (!headingSourceValid()) crossOut((int16_t)(cx - 26), 0, (int16_t)(cx + 26), 23);
    drawLine((int16_t)(cx - 8), 23, cx, 31, colourWhite);
    drawLine((int16_t)(cx + 8), 23, cx, 31, colourWhite);
}

void drawHeadingReadout(int16_t x, int16_t y) {
    drawFrame(x, y, (int16_t)(x + 53), (int16_t)(y + 24), colourLightGrey);
    char text[8];
    std::snprintf(text, sizeof text, "%03d", (int)displayedHeading());
    drawColumnText((int16_t)(x + 4), (int16_t)(y + 2), text, 20, sourceColour());
    if (!headingSourceValid()) crossOut(x, y, (int16_t)(x + 53), (int16_t)(y + 24));
}
