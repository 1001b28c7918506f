// Engine speeds.
#pragma once
#include <cstdint>

extern int32_t rpm1;         // engine speed 1, RPM, rounded to its increment
extern int32_t rpm2;         // engine speed 2, RPM, set directly by the panel's Rotor control
extern int32_t rpm2Percent;  // rpm2 as a percentage of rpm2FullScale
