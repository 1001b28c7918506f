// The fuel readouts of the flight layouts: endurance, range and the fuel left at the active
// waypoint.
#pragma once
#include <cstdint>

// "sm", "nm" or "km" by the fuel unit; "L" or "G".
const char* fuelDistanceUnitLabel();
const char* fuelVolumeUnitLabel();

// The fuel at the waypoint: "WPT: " and the value on the engine layout, "Fuel Wpt:" with the
// value at x + 115 elsewhere; flashing red when negative; the volume unit after it.
void drawFuelAtWaypoint(int16_t x, int16_t y);
// Endurance and range at the lower left of the VFR/EMS layout, with the fuel at the waypoint
// while a leg is active; only for the fuel arrangements that keep one figure for the aircraft.
void drawFuelBlock();
