// The density altitude beside the altitude tape.
#pragma once
#include <cstdint>

// a: right edge of the value (382 full width, 264 narrow).
void drawDensityAltitude(int16_t a);
