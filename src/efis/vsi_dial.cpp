#include "efis/vsi_dial.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/dial_parts.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/unit.h"

namespace {

// Full scale by unit and scale: ft/min, or cm/s for m/s.
constexpr int32_t fullScale[2][3] = {{1000, 2000, 4000}, {500, 1000, 2000}};

// Label places: entry 0 is "0" at 9 o'clock, then clockwise over the top to 3 o'clock, then
// the descent side from 9 o'clock along the bottom.
constexpr int16_t feetX[2][8] = {{-49, -40, 1, 40, 51, -38, 1, 40}, {-60, -48, 1, 46, 61, -46, 1, 48}};
constexpr int16_t feetY[2][8] = {{-8, -37, -52, -37, -8, 22, 38, 22}, {-8, -46, -63, -46, -8, 30, 48, 30}};
constexpr int16_t metreX[2][10] = {{-49, -40, -16, 10, 33, 52, -40, -16, 10, 33},
                                   {-60, -49, -20, 15, 42, 63, -49, -20, 15, 42}};
constexpr int16_t metreY[2][10] = {{-8, -35, -50, -50, -35, -8, 20, 35, 35, 20},
                                   {-8, -41, -60, -60, -41, -8, 26, 44, 44, 26}};

struct Label {
    const char* text;
    uint8_t align;  // 0 centred, 1 left, 2 right
    int8_t dx, dy;  // nudge from the place
};
constexpr uint8_t L = 1, C = 0, R = 2;

// Texts of the entries after "0", by unit and scale; the m/s scale 2 stands on the ft/min places.
constexpr Label feetTexts[3][7] = {
    {{".25", L, 0, 0}, {".5", C, 0, 0}, {".75", R, 0, 0}, {"1", R, 0, 0}, {".25", L, 0, 0}, {".5", C, 0, 0}, {".75", R, 0, 0}},
    {{".5", L, 0, 0}, {"1", C, 0, 0}, {"1.5", R, 0, 0}, {"2", R, 0, 0}, {".5", L, 0, 0}, {"1", C, 0, 0}, {"1.5", R, 0, 0}},
    {{"1", L, 4, -1}, {"2", C, 0, 0}, {"3", R, -3, -1}, {"4", R, 0, 0}, {"1", L, 2, 2}, {"2", C, 0, 0}, {"3", R, -3, 2}},
};
constexpr Label metreTexts[2][9] = {
    {{"1", L, 0, 0}, {"2", L, 0, 0}, {"3", L, 0, 0}, {"4", L, 0, 0}, {"5", R, 0, 0},
     {"1", L, 0, 0}, {"2", L, 0, 0}, {"3", L, 0, 0}, {"4", L, 0, 0}},
    {{"2", L, 0, 0}, {"4", L, 0, 0}, {"6", L, 0, 0}, {"8", L, 0, 0}, {"10", R, 0, 0},
     {"2", L, 0, 0}, {"4", L, 0, 0}, {"6", L, 0, 0}, {"8", L, 0, 0}},
};
constexpr Label metreTextsWide[7] = {{"5", L, 5, 0},  {"10", C, 0, 0}, {"15", R, 0, 0}, {"20", R, 0, 0},
                                     {"5", L, 5, 0},  {"10", C, 0, 0}, {"15", R, 0, 0}};

void drawLabels(int16_t cx, int16_t cy, const int16_t* xs, const int16_t* ys, const Label* texts, int32_t count) {
    drawText((int16_t)(cx + xs[0]), (int16_t)(cy + ys[0]), "0", 8, 1, colourLightGrey);
    for (int32_t i = 0; i < count; i++) {
        const Label& l = texts[i];
        drawText((int16_t)(cx + xs[i + 1] + l.dx), (int16_t)(cy + ys[i + 1] + l.dy), l.text, 8, l.align, colourLightGrey);
    }
}

}  // namespace

void drawVsiDial(uint8_t large, int16_t cx, int16_t cy) {
    uint8_t unit = vsiUnitIndex(), scale = vsiScaleIndex();
    int32_t size = large ? 1 : 0;
    drawDialFace(cx, cy, large ? 65 : 53, "VSI");

    // The dotted arc on the left with an arrowhead at each end: up for climb, down for descent.
    int16_t p = (int16_t)(large ? cx - 10 : cx);
    drawArcDots(p, cy, 30, 140, 219, colourLightGrey);
    int16_t tx = radialX(p, 218, 30), ty = radialY(cy, 218, 30);
    drawLine((int16_t)(tx - 2), (int16_t)(ty + 2), tx, ty, colourLightGrey);
    drawLine(tx, ty, (int16_t)(tx + 2), (int16_t)(ty + 2), colourLightGrey);
    int16_t bx = radialX(p, 140, 30), by = radialY(cy, 140, 30);
    drawLine((int16_t)(bx - 2), (int16_t)(by - 2), bx, by, colourLightGrey);
    drawLine(bx, by, (int16_t)(bx + 2), (int16_t)(by - 2), colourLightGrey);

    if (unit == 0) drawLabels(cx, cy, feetX[size], feetY[size], feetTexts[scale], 7);
    else if (scale == 2) drawLabels(cx, cy, feetX[size], feetY[size], metreTextsWide, 7);
    else drawLabels(cx, cy, metreX[size], metreY[size], metreTexts[scale], 9);
    if (unit == 0) {
        if (large) {
            drawText((int16_t)(cx + 60), (int16_t)(cy + 58), "X1000", 8, 0, colourLightGrey);
        } else {
            drawText((int16_t)(cx + 56), (int16_t)(cy + 30), "X", 8, 0, colourLightGrey);
            drawText((int16_t)(cx + 56), (int16_t)(cy + 41), "1000", 8, 0, colourLightGrey);
        }
    }

    // Hand: 9 o'clock at zero, clockwise over the top to 3 o'clock at full climb.
    int32_t f = fullScale[unit][scale];
    int32_t vs = verticalSpeed;
    int32_t v = vs < -f ? -f : vs > f ? f : vs;
    int32_t m = (int32_t)(180.0f / (float)f * (float)v);
    drawRadialThickLine(cx, cy, m - 180, 16, large ? 60 : 50, colourWhite);

    // The readout gives the vertical speed itself, also beyond the end of the scale.
    char text[24];
    if (unit == 1) std::snprintf(text, sizeof text, "%+.1f", vs * 0.01);
    else std::snprintf(text, sizeof text, "%+d", (int)vs);
    if (large) drawText(cx, (int16_t)(cy + 64), text, 16, 0, colourWhite);
    else drawText((int16_t)(cx - 37), (int16_t)(cy + 36), text, 12, 2, colourWhite);
    const char* unitText = unit == 1 ? "m/s" : "fpm";
    if (large) drawText((int16_t)(cx + 46), (int16_t)(cy + 72), unitText, 8, 1, colourLightGrey);
    else if (unit == 0) drawText((int16_t)(cx + 42), (int16_t)(cy - 48), unitText, 8, 1, colourLightGrey);
    else drawText((int16_t)(cx + 40), (int16_t)(cy + 41), unitText, 8, 1, colourLightGrey);

    if (altSensorStatus == 0) {
        if (large) crossOut((int16_t)(cx - 60), 20, (int16_t)(cx + 60), 140);
        else crossOut((int16_t)(cx - 60), 165, (int16_t)(cx + 60), 265);
    }
}
