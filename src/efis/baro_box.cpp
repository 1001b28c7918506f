#include "efis/baro_box.h"

#include <cstdio>

#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "records/working_state.h"

constexpr double inHgPerThousandthMb = 2.9530756282668398e-05;

uint8_t formatBaroSetting(char* text, size_t size) {
    int32_t setting = baroSetting;  // 0.001 mb
    uint8_t unit = pressureUnitIndex();
    if (unit == 1) std::snprintf(text, size, "%4.2f", setting * inHgPerThousandthMb);
    else std::snprintf(text, size, "%4ld", (long)(setting / 1000));
    return unit;
}

void drawBaroBox(int16_t a) {
    drawFrame(a, 0, (int16_t)(a + 70), 20, colourWhite);
    fillBox((int16_t)(a + 1), 1, (int16_t)(a + 69), 19, colourBlack);
    char text[24];
    uint8_t unit = formatBaroSetting(text, sizeof text);
    drawText((int16_t)(a + 25), 2, text, 9, 0, colourWhite);
    if (unit == 1) drawText((int16_t)(a + 51), 4, "IN", 8, 1, colourWhite);
    else drawText((int16_t)(a + 46), 4, "mB", 8, 1, colourWhite);
}
