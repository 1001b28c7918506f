// The compact HSI: a compass card turning with the heading, lubber line, the course or bearing
// arrow with its deviation bar and dots, the heading bug and the GPS track marks.
#pragma once
#include <cstdint>

void drawHsi(int16_t cx, int16_t cy);
