// Engine channel values read by the displays and the engine clocks.
#pragma once
#include <cstdint>

extern int32_t rpm1;  // engine speed 1, RPM, rounded to its increment
extern int32_t rpm2;  // engine speed 2, RPM
