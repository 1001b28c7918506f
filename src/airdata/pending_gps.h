// TEMPORARY, until the GPS state exists: the two GPS values the heading reads. Delete this file
// and pending_gps.cpp when the GPS state is merged, and include its header in heading.cpp.
#pragma once
#include <cstdint>

extern uint8_t gpsFixMode;  // 1 no fix, 2 2D fix, 3 3D fix (0 from the simulated panel)
extern float autoMagVar;    // automatic magnetic variation, degrees, east positive
