#include "efis/value_box.h"

#include <cstdint>

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/tick.h"

uint8_t limitState(int32_t value, int32_t lowAlarm, int32_t highAlarm, int32_t lowCaution, int32_t highCaution) {
    if (value < lowAlarm || value > highAlarm) return valueAlarm;
    if (value < lowCaution || value > highCaution) return valueCaution;
    return valueNormal;
}

void drawBoxedField(int16_t x, int16_t y, const char* text, size_t fieldSize, uint8_t font, uint8_t align,
                    uint8_t state, const ValueBox& box) {
    drawTextField(x, y, text, fieldSize, font, align, colourWhite);
    uint8_t fill, ink;
    if (state == valueCaution) {
        fill = colourYellow;
        ink = colourBlack;
    } else if (state == valueAlarm && fastBlink == 1) {
        fill = colourRed;
        ink = colourWhite;
    } else {
        return;
    }
    fillBox((int16_t)(textStartX - box.left), box.top, (int16_t)(textEndX - box.right), box.bottom, fill);
    drawTextField(x, y, text, fieldSize, font, align, ink);
}

void drawBoxedValue(int16_t x, int16_t y, const char* text, uint8_t font, uint8_t align, uint8_t state,
                    const ValueBox& box) {
    drawBoxedField(x, y, text, SIZE_MAX, font, align, state, box);
}
