// The round airspeed indicator of the VFR layouts.
#pragma once
#include <cstdint>

void drawAsiDial(int16_t cx, int16_t cy);
