// The vertical-speed tape at the right edge of the EFIS layouts.
#pragma once
#include <cstdint>

// a: reference x (385 full width, 245 narrow); the scale stands at a + 75.
void drawVsiTape(int16_t a);
