#include "efis/g_meter.h"

#include <cmath>
#include <cstdio>

#include "airdata/airdata.h"
#include "efis/dial_parts.h"
#include "efis/instrument_common.h"
#include "efis/value_box.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "records/records.h"
#include "records/working_state.h"

namespace {

constexpr int16_t sweep = 288;       // degrees from the lower right over the bottom, left and top
constexpr int16_t startAngle = 36;   // screen angle of the dial's start
constexpr int16_t tickEnd = 327;     // ticks stand at screen angles below this

struct Label {
    const char* text;
    int8_t dx, dy;  // from the centre
};

struct ScaleFace {
    GScale scale;
    Label labels[10];
    uint8_t labelCount;
};

const ScaleFace faces[4] = {
    {{-30, 50, 36},
     {{"1", -40, -8}, {"2", -33, -31}, {"3", -15, -42}, {"4", 8, -42}, {"5", 26, -31},
      {"0", -33, 15}, {"-1", -17, 25}, {"-2", 4, 25}, {"-3", 22, 15}},
     9},
    {{-60, 100, 36},
     {{"2", -40, -8}, {"4", -33, -31}, {"6", -15, -42}, {"8", 8, -42}, {"10", 19, -31},
      {"0", -33, 15}, {"-2", -17, 25}, {"-4", 4, 25}, {"-6", 22, 15}},
     9},
    {{-60, 90, 58},
     {{"3", -37, -24}, {"6", -6, -43}, {"9", 24, -31}, {"0", -34, 12}, {"-3", -10, 27}, {"-6", 19, 15}},
     6},
    {{-80, 100, 32},
     {{"2", -40, -19}, {"4", -30, -35}, {"6", -11, -43}, {"8", 8, -42}, {"10", 19, -31},
      {"0", -37, 3}, {"-2", -30, 18}, {"-4", -15, 28}, {"-6", 5, 25}, {"-8", 22, 15}},
     10},
};

// A scale beyond the table reads as +5/-3 G, the default.
const ScaleFace& face() { return faces[unitSettings.gForceScale < 4 ? unitSettings.gForceScale : 0]; }

// valueAlarm outside the high limits as set, valueCaution outside the caution limits.
uint8_t gState(double g) {
    double tenths = g * 10.0;
    double nh = unitSettings.gNegativeHigh, nc = unitSettings.gNegativeCaution;
    double pc = unitSettings.gPositiveCaution, ph = unitSettings.gPositiveHigh;
    if (tenths < nh || tenths > ph) return valueAlarm;
    if (tenths < nc || tenths > pc) return valueCaution;
    return valueNormal;
}

void gText(int16_t x, int16_t y, double g, uint8_t font, int16_t top, int16_t bottom) {
    char text[24];
    std::snprintf(text, sizeof text, "%.1f", g);
    drawBoxedValue(x, y, text, font, alignRight, gState(g), ValueBox{top, bottom, 1, 1});
}

void band(int16_t cx, int16_t cy, int16_t from, int16_t to, uint8_t colour) {
    // An inverted pair of limits leaves its band out.
    if (from < to) drawDialBand(cx, cy, 54, 2, from, to, startAngle, colour);
}

}  // namespace

const GScale& gMeterScale() { return face().scale; }

int16_t gMeterAngle(int32_t tenths) {
    const GScale& s = gMeterScale();
    float perDegree = (float)(s.maximum - s.minimum) / (float)sweep;
    float a = std::trunc((float)(tenths - s.minimum) / perDegree);
    if (!(a > 0.0f)) return 0;
    if (a > (float)sweep) return sweep;
    return (int16_t)a;
}

GLimits gMeterLimits() {
    bool narrow = unitSettings.gForceScale == 0 || unitSettings.gForceScale >= 4;
    int16_t nh = unitSettings.gNegativeHigh, nc = unitSettings.gNegativeCaution;
    int16_t pc = unitSettings.gPositiveCaution, ph = unitSettings.gPositiveHigh;
    if (narrow) {
        if (nh < -30) nh = -15;
        if (nc < nh) nc = -5;
        if (ph > 50) ph = 35;
        if (pc > ph) pc = 25;
    } else {
        if (nh < -60) nh = -30;
        if (nc < nh) nc = -10;
        if (ph > 100) ph = 70;
        if (pc > ph) pc = 50;
    }
    return GLimits{nh, nc, pc, ph};
}

void drawGMeter(int16_t cx, int16_t cy) {
    const ScaleFace& f = face();
    const GScale& s = f.scale;
    for (uint8_t i = 0; i < f.labelCount; i++)
        drawText((int16_t)(cx + f.labels[i].dx), (int16_t)(cy + f.labels[i].dy), f.labels[i].text, 8, alignLeft,
                 colourLightGrey);

    // Positions on the dial, each kept within it: a limit beyond the scale's end stops there.
    GLimits l = gMeterLimits();
    int16_t nh = gMeterAngle(l.negativeHigh), nc = gMeterAngle(l.negativeCaution);
    int16_t pc = gMeterAngle(l.positiveCaution), ph = gMeterAngle(l.positiveHigh);

    drawRadialThickLine(cx, cy, ph + startAngle, 45, 53, colourRed);
    drawRadialThickLine(cx, cy, pc + startAngle, 45, 53, colourYellow);
    drawRadialThickLine(cx, cy, nh + startAngle, 45, 53, colourRed);
    drawRadialThickLine(cx, cy, nc + startAngle, 45, 53, colourYellow);

    band(cx, cy, ph, sweep, colourRed);
    band(cx, cy, pc, ph, colourYellow);
    band(cx, cy, nc, pc, colourGreen);
    band(cx, cy, nh, nc, colourYellow);
    band(cx, cy, 0, nh, colourRed);

    for (int16_t a = startAngle; a < tickEnd; a = (int16_t)(a + s.tickStep))
        drawRadialThickLine(cx, cy, a, 45, 53, colourLightGrey);

    // The needle stops at the ends of the scale; the digits show the G as it is.
    double g = gForce;
    double hundredths = std::isfinite(g) ? std::trunc(g * 100.0) : 0.0;
    if (hundredths > 1e9) hundredths = 1e9;
    if (hundredths < -1e9) hundredths = -1e9;
    int32_t needle = roundTenth((int32_t)hundredths);
    if (needle < s.minimum) needle = s.minimum;
    if (needle > s.maximum) needle = s.maximum;
    drawRadialThickLine(cx, cy, gMeterAngle(needle) + startAngle, 16, 53, colourWhite);

    int16_t right = (int16_t)(cx + 105);
    gText(right, (int16_t)(cy - 18), g, 20, (int16_t)(cy - 13), (int16_t)(cy + 15));
    gText(right, (int16_t)(cy - 36), minMax.maxG, 12, (int16_t)(cy - 34), (int16_t)(cy - 16));
    gText(right, (int16_t)(cy + 16), minMax.minG, 12, (int16_t)(cy + 18), (int16_t)(cy + 36));

    char text[12];
    std::snprintf(text, sizeof text, "%d", (int)minMax.positiveGCycles);
    drawText(right, (int16_t)(cy - 54), text, 9, alignRight, colourWhite);
    std::snprintf(text, sizeof text, "%d", (int)minMax.negativeGCycles);
    if (displayPage == 3) drawText(right, (int16_t)(cy + 38), text, 9, alignRight, colourWhite);
    else drawText((int16_t)(cx + 65), (int16_t)(cy + 38), text, 9, alignLeft, colourWhite);

    drawCircle(cx, cy, 15, colourLightGrey);
    drawText(cx, (int16_t)(cy - 8), "G", 8, alignCentre, colourLightGrey);
}
