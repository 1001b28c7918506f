// How far and how long the fuel lasts, and what is left at the active waypoint: the fuel
// computations fill these each frame, the flight and engine screens show them.
#pragma once
#include <cstdint>

constexpr uint16_t fuelUnknown = 0xFFFF;  // fuelRange and fuelEnduranceMinutes while the flow is 0

extern uint16_t fuelEnduranceMinutes;  // minutes the fuel for range lasts, or fuelUnknown
extern uint16_t fuelRange;             // distance it lasts, in the distance unit of fuelUnit, or fuelUnknown
extern int32_t fuelAtWaypoint;         // fuel left on arrival at the active waypoint, level units
