#include "efis/altitude_dial.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/baro_box.h"
#include "efis/dial_parts.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/unit.h"

namespace {

// Where each digit of the face stands, from the centre, clockwise from "0" at the top.
constexpr int16_t digitOffset[10][2] = {{-3, -63}, {28, -52}, {49, -25}, {49, 9},   {28, 36},
                                        {-3, 46},  {-35, 36}, {-55, 9},  {-55, -25}, {-35, -52}};

// Dial angle of a hand: the product may be any size, so it is reduced before truncation.
int32_t handAngle(double g) {
    double turns = g - 360.0 * (double)(int64_t)(g / 360.0);
    return (int32_t)turns;
}

}  // namespace

void drawAltimeterDial(int16_t cx, int16_t cy) {
    drawDialFace(cx, cy, 65, "ALT");

    drawFrame((int16_t)(cx - 23), (int16_t)(cy + 19), (int16_t)(cx + 22), (int16_t)(cy + 36), colourLightGrey);
    char text[24];
    formatBaroSetting(text, sizeof text);
    drawText(cx, (int16_t)(cy + 20), text, 8, 0, colourWhite);

    for (int32_t d = 0; d < 10; d++) {
        char c[2] = {(char)('0' + d), 0};
        drawText((int16_t)(cx + digitOffset[d][0]), (int16_t)(cy + digitOffset[d][1]), c, 8, 1, colourLightGrey);
    }

    int32_t A = altitude;
    std::snprintf(text, sizeof text, "%ld", (long)A);
    drawText(cx, (int16_t)(cy + 64), text, 16, 0, colourWhite);
    drawText((int16_t)(cx + 46), (int16_t)(cy + 72), altitudeUnitLabel(), 8, 1, colourLightGrey);

    // Ten-thousands, thousands and hundreds hands.
    int32_t thousands = A < 0 ? 0 : A;
    if (thousands > 10000) thousands = (thousands - 1) % 10000 + 1;  // reduced by 10000 while above it
    int32_t hundreds = A - 1000 * (A / 1000);
    if (hundreds < 0) hundreds = 0;
    drawDialHand(cx, cy, handAngle(A * 0.0036), 16, 30, colourWhite);
    drawDialHand(cx, cy, handAngle(thousands * 0.036), 16, 45, colourWhite);
    drawDialHand(cx, cy, handAngle(hundreds * 0.36), 16, 60, colourWhite);

    if (altSensorStatus == 0) crossOut((int16_t)(cx - 60), 20, (int16_t)(cx + 60), 140);
}
