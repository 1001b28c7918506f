// The altitude tape of the EFIS layouts with its rolling readout, unit label and altitude bug.
#pragma once
#include <cstdint>

// a: left edge (347 on the full-width layout, 210 on the narrow ones).
void drawAltitudeTape(int16_t a);
// The bug marker at row y: a bracket on the tape's right edge with a notch pointing left.
void drawAltitudeBug(int16_t a, int16_t y, uint8_t colour);
