#include "efis/vsi.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"

namespace {

struct ScaleText {
    int16_t y;
    const char* text;
};

// One character per line, so that the scale values read downward beside the tape.
constexpr ScaleText feetLabels0[] = {{26, "1"},   {66, "0"},  {74, "."},  {91, "5"}, {167, "0"},
                                     {174, "."}, {191, "5"}, {226, "1"}, {0, nullptr}};
constexpr ScaleText feetLabels1[] = {{26, "2"}, {76, "1"}, {176, "1"}, {226, "2"}, {0, nullptr}};
constexpr ScaleText feetLabels2[] = {{26, "4"}, {76, "2"}, {176, "2"}, {226, "4"}, {0, nullptr}};
constexpr ScaleText metreLabels0[] = {{27, "5"},   {66, "2"},  {74, "."},  {91, "5"}, {167, "2"},
                                      {174, "."}, {191, "5"}, {227, "5"}, {0, nullptr}};
constexpr ScaleText metreLabels1[] = {{20, "1"},  {35, "0"},  {77, "5"}, {177, "5"},
                                      {220, "1"}, {235, "0"}, {0, nullptr}};
constexpr ScaleText metreLabels2[] = {{20, "2"},  {35, "0"},  {69, "1"},  {86, "0"}, {170, "1"},
                                      {185, "0"}, {220, "2"}, {235, "0"}, {0, nullptr}};
constexpr const ScaleText* scaleLabels[2][3] = {{feetLabels0, feetLabels1, feetLabels2},
                                                {metreLabels0, metreLabels1, metreLabels2}};

constexpr int32_t barDivisor[3] = {10, 20, 40};  // ft/min per pixel by scale
constexpr int32_t barLength = 100;               // pixels either way from the zero row

}  // namespace

void drawVsiTape(int16_t a) {
    uint8_t unit = vsiUnitIndex(), scale = vsiScaleIndex();

    drawFrame((int16_t)(a + 8), 251, (int16_t)(a + 94), 271, colourWhite);
    fillBox((int16_t)(a + 9), 252, (int16_t)(a + 93), 270, colourBlack);
    char text[24];
    if (unit == 1) std::snprintf(text, sizeof text, "%+5.1f", verticalSpeed * 0.01);
    else std::snprintf(text, sizeof text, "%+5d", (int)verticalSpeed);
    drawText((int16_t)(a + 63), 252, text, 9, 2, colourWhite);
    drawText((int16_t)(a + 93), 254, unit == 1 ? "m/s" : "fpm", 8, 2, colourWhite);

    int16_t column = (int16_t)(a + 75);
    drawVSpan(36, 236, column, colourWhite);
    int16_t lx = (int16_t)(a + 87);
    drawText(lx, 127, "0", 9, 1, colourWhite);
    for (const ScaleText* l = scaleLabels[unit][scale]; l->text; l++) drawText(lx, l->y, l->text, 9, 1, colourWhite);

    int32_t n = (int32_t)verticalSpeedFpm;
    bool climb = n > 0;
    n = (n < 0 ? -n : n) / barDivisor[scale];
    if (n > barLength) n = barLength;
    for (int32_t i = 0; i < n; i++)
        drawHSpan((int16_t)(a + 76), (int16_t)(a + 85), (int16_t)(climb ? 136 - i : 136 + i), colourMagenta);

    for (int16_t y = 36; y <= 236; y += 50) drawHSpan(column, (int16_t)(a + 85), y, colourWhite);
    for (int16_t y = 61; y <= 211; y += 50) drawHSpan(column, (int16_t)(a + 81), y, colourWhite);
}
