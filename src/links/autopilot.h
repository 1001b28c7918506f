// The autopilot's engaged state, which the flight screens annunciate.
#pragma once
#include <cstdint>

extern uint8_t apEngaged;  // 1 while the autopilot is engaged; 0 from program start
