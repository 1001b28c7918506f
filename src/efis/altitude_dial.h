// The three-hand altimeter of the VFR layouts.
#pragma once
#include <cstdint>

void drawAltimeterDial(int16_t cx, int16_t cy);
