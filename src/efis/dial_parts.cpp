#include "efis/dial_parts.h"

#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"

void drawDialFace(int16_t cx, int16_t cy, int16_t ring, const char* title) {
    drawCircle(cx, cy, ring, colourLightGrey);
    drawCircle(cx, cy, (int16_t)(ring + 1), colourLightGrey);
    drawCircle(cx, cy, 15, colourLightGrey);
    drawText(cx, (int16_t)(cy - 8), title, 8, 0, colourLightGrey);
}

void drawDialHand(int16_t cx, int16_t cy, int32_t g, int16_t r0, int16_t r1, uint8_t colour) {
    drawRadialThickLine(cx, cy, compassDegrees(g) - 90, r0, r1, colour);
}

void drawDialBand(int16_t cx, int16_t cy, int16_t outer, int16_t depth, int32_t a0, int32_t a1,
                  int32_t offset, uint8_t colour) {
    if (a0 < 0) a0 = 0;
    if (a1 > 360) a1 = 360;
    for (int32_t a = a0; a < a1; a++) drawRadialThickLine(cx, cy, a + offset, outer, outer - depth, colour);
}
