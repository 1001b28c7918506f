// Navigation state of the active leg (a direct go-to or a route leg): what the flight screens
// show of the way to the waypoint. The leg pages start a leg; the per-frame update fills the
// bearings, the distance and the cross-track error while it is active.
#pragma once
#include <cstdint>

extern uint8_t navActive;              // 1 while a go-to or route leg is active
extern int16_t bearingToWaypoint;      // true bearing to the waypoint, degrees 0..359
extern int16_t magBearingToWaypoint;   // magnetic bearing to the waypoint, degrees 0..359
extern int32_t crossTrackError;        // tenths of a nautical mile, positive left of the course
