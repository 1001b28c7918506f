// TEMPORARY, until the GPS state (nav/gps_state.h) is merged: the GPS values the flight
// instruments read, under the names that header gives them. At that merge delete this file and
// pending_gps_state.cpp and include nav/gps_state.h where this header is included.
#pragma once
#include <cstdint>

extern uint16_t groundSpeed;       // ground speed in the unit of speedUnit
extern int16_t gpsTrackTrue;       // true track over ground, degrees 0..359
extern int16_t gpsTrackMagnetic;   // magnetic track, degrees 0..359
extern uint8_t gpsPositionValid;   // 1 when the fix is 2D or 3D
