// The round vertical-speed indicator of the VFR layouts, in a large and a small size.
#pragma once
#include <cstdint>

// large: 1 for the large dial (ring 65), 0 for the small one (ring 53).
void drawVsiDial(uint8_t large, int16_t cx, int16_t cy);
