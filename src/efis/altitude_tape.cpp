#include "efis/altitude_tape.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/digit_drum.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/unit.h"
#include "records/working_state.h"

void drawAltitudeBug(int16_t a, int16_t y, uint8_t colour) {
    int16_t right = (int16_t)(a + 107);
    for (int32_t r = y - 14; r <= y - 6; r++) drawHSpan((int16_t)(a + 100), right, (int16_t)r, colour);
    for (int32_t r = y + 7; r <= y + 14; r++) drawHSpan((int16_t)(a + 100), right, (int16_t)r, colour);
    for (int16_t i = 0; i <= 5; i++) {
        drawHSpan((int16_t)(a + 101 + i), right, (int16_t)(y - 5 + i), colour);
        drawHSpan((int16_t)(a + 105 - i), right, (int16_t)(y + 1 + i), colour);
    }
}

static void drawReadoutFrame(int16_t a, bool wide) {
    fillBox((int16_t)(a + 63), 101, (int16_t)(a + 97), 171, colourBlack);
    int16_t left = wide ? a : (int16_t)(a + 12);
    int16_t top = wide ? 119 : 122, bottom = wide ? 153 : 150;
    int16_t c = (int16_t)(a + 62);
    fillBox(left, top, c, bottom, colourBlack);
    drawVSpan(top, bottom, left, colourWhite);
    drawHSpan(left, c, (int16_t)(top - 1), colourWhite);
    drawHSpan(left, c, (int16_t)(bottom + 1), colourWhite);
    drawVSpan(101, (int16_t)(top - 1), c, colourWhite);
    drawVSpan((int16_t)(bottom + 1), 171, c, colourWhite);

    int16_t e = (int16_t)(a + 98);
    drawHSpan(c, e, 100, colourWhite);
    drawHSpan(c, e, 172, colourWhite);
    drawVSpan(101, 129, e, colourWhite);
    drawVSpan(143, 171, e, colourWhite);
    // The pointer at the tape: a black wedge under two white edges.
    static const int16_t reach[9] = {99, 100, 101, 102, 103, 102, 101, 100, 99};
    for (int16_t i = 0; i < 9; i++) drawHSpan(e, (int16_t)(a + reach[i]), (int16_t)(132 + i), colourBlack);
    drawLine(e, 130, (int16_t)(a + 104), 136, colourWhite);
    drawLine(e, 142, (int16_t)(a + 104), 136, colourWhite);
    putPixel(e, 131, colourGreen);
    putPixel(e, 141, colourGreen);
}

void drawAltitudeTape(int16_t a) {
    bool wide = displayPage == 0;
    int32_t A = altitude;
    if (A < drumLowest) A = drumLowest;
    if (A > drumHighest) A = drumHighest;

    fillCheckered((int16_t)(a + (wide ? 39 : 59)), 35, (int16_t)(a + 107), 245, colourBlack);

    // Scale: two altitude units per pixel, the present altitude at row 136.
    int32_t bug = altitudeBug;
    bool bugShown = altitudeBugShown == 1;
    char label[16];
    for (int32_t f = A - 350; f <= A + 349; f++) {
        int32_t h = f / 2 - A / 2 + 114;
        if (h <= 0 || h >= 220) continue;
        int32_t row = 250 - h;
        bool tick = h > 5 && h < 215;
        if (f % 100 == 0) {
            if (wide) {
                std::snprintf(label, sizeof label, "%5d", (int)f);
                drawScaleLabelClipped((int16_t)(a + 42), (int16_t)(242 - h), label, colourWhite, 36, 244);
            } else {
                std::snprintf(label, sizeof label, "%3d", (int)(f / 100));
                drawScaleLabelClipped((int16_t)(a + 62), (int16_t)(242 - h), label, colourWhite, 36, 244);
            }
            if (tick) drawHSpan((int16_t)(a + 93), (int16_t)(a + 106), (int16_t)row, colourWhite);
        }
        if (f % 50 == 0 && tick) drawHSpan((int16_t)(a + 100), (int16_t)(a + 106), (int16_t)row, colourWhite);
        if (bugShown && f == bug && row > 49 && row < 231) drawAltitudeBug(a, (int16_t)row, colourYellow);
    }
    // A bug off the tape waits at its end, in cyan.
    if (bugShown) {
        if (bug > A + 170) drawAltitudeBug(a, 50, colourCyan);
        else if (bug < A - 187) drawAltitudeBug(a, 230, colourCyan);
    }

    drawReadoutFrame(a, wide);
    drawAltitudeDrum(a, A);
    drawText((int16_t)(a + (wide ? 22 : 37)), 155, altitudeUnitLabel(), 8, 0, colourWhite);

    if (altSensorStatus == 0) {
        if (wide) crossOut((int16_t)(a + 1), 119, (int16_t)(a + 98), 153);
        else crossOut((int16_t)(a + 13), 122, (int16_t)(a + 98), 150);
    }
}
