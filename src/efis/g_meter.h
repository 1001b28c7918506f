// The G meter of the VFR layouts: a dial of 288 degrees with coloured limit bands, a needle, the
// present, highest and lowest G with their limit boxes, and the counts of G cycles.
#pragma once
#include <cstdint>

// The scale in use, from the setting: 0 +5/-3 G, 1 +10/-6 G, 2 +9/-6 G, 3 +10/-8 G.
struct GScale {
    int16_t minimum;   // tenths of g at the start of the dial
    int16_t maximum;   // tenths of g at its end
    int16_t tickStep;  // degrees between ticks
};
const GScale& gMeterScale();

// Degrees from the start of the dial of a value in tenths of g, 0..288.
int16_t gMeterAngle(int32_t tenths);

// The G limits the bands are drawn with, in tenths of g, each brought onto the dial.
struct GLimits {
    int16_t negativeHigh;
    int16_t negativeCaution;
    int16_t positiveCaution;
    int16_t positiveHigh;
};
GLimits gMeterLimits();

void drawGMeter(int16_t cx, int16_t cy);
