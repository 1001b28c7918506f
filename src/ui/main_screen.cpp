// The main screen. Until its layouts exist it shows a pattern of every primitive and the
// sixteen base colours, so that the presenter and the key path can be seen working.
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "ui/page.h"

void mainScreenPage() {
    clearScreen();
    for (int16_t i = 0; i < 16; i++) fillBox(8 + i * 29, 4, 8 + i * 29 + 25, 24, (uint8_t)i);
    fillBox(4, 30, 150, 130, colourBlue);
    fillCheckered(10, 36, 144, 124, colourYellow);
    drawFrame(160, 30, 310, 130, colourWhite);
    for (int16_t k = 0; k < 8; k++) drawLine(165, 125, (int16_t)(165 + k * 20), 35, (uint8_t)(246 + k));
    drawThickLine(320, 40, 470, 120, colourRed);
    drawThickLine(320, 120, 470, 40, colourGreen);
    drawCircle(80, 200, 60, colourWhite);
    drawArcDots(80, 200, 54, -180, 0, colourCyan);
    drawRadialTicks(80, 200, 8, 60, 0, 180, colourDarkGrey);
    for (int16_t a = 0; a < 180; a += 30) drawRadialTicks(80, 200, 12, 60, a, (int16_t)(a + 1), colourWhite);
    drawCircle(240, 200, 60, colourWhite);
    drawArcDotsMirrored(240, 200, 50, -90, 90, colourMagenta);
    drawRadialTicksMirrored(240, 200, 10, 60, -90, 90, colourGreen);
    drawCircle(400, 200, 60, colourLightGrey);
    for (int16_t a = -360; a < 0; a += 45) drawThickLine(400, 200, (int16_t)(400 + lookupCos(a) * 55), (int16_t)(200 + lookupSin(a) * 55), colourBrown);
    // The last key seen, as a row of marks under the pattern.
    static uint8_t lastKey = 0;
    if (keyCode) lastKey = keyCode;
    for (int16_t k = 0; k < lastKey; k++) fillBox((int16_t)(170 + k * 18), 262, (int16_t)(182 + k * 18), 270, colourYellow);
    keyCode = 0;
}
