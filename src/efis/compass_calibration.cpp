#include "efis/compass_calibration.h"

#include <cstdio>

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"

uint8_t compassCalActive;  // no calibration runs from program start
uint16_t compassCalCount;
uint16_t compassCalFit;

void drawCompassCalBox() {
    fillBox(135, 70, 345, 195, colourBlack);
    drawFrame(135, 70, 345, 195, colourWhite);
    drawText(240, 75, "COMPASS", 12, 0, colourRed);
    drawText(240, 100, "CALIBRATION", 12, 0, colourRed);
    char text[32];
    std::snprintf(text, sizeof text, "COUNT: %d", (int)compassCalCount);
    drawText(240, 135, text, 10, 0, colourWhite);
    std::snprintf(text, sizeof text, "FIT: %.1f%%", compassCalFit * 0.1);
    drawText(240, 160, text, 10, 0, colourWhite);
}
