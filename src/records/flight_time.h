// The flight time the EFIS flight-timer field and the VFR times panel show.
#pragma once
#include <cstdint>

extern uint32_t flightTimeSeconds;  // flight time, seconds; 0 from program start, cleared with the flight log
