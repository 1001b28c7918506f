// How the active leg is going, as the flight screens show it: the waypoint's name, the
// distance left, and the times en route and of arrival.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t waypointNameSize = 7;  // six characters and, when shorter, a terminator

extern char activeWaypointName[waypointNameSize];  // the waypoint flown to; may fill all 7 bytes
extern uint32_t distanceKm;                        // great-circle distance to it, whole km
extern int32_t eteSeconds;                         // time en route, seconds; 0 when it cannot be computed

// Whole kilometres in the distance unit of the speed unit: statute miles, km or nautical miles.
uint32_t kmToDistanceUnit(uint32_t km);
// "h:mm" of the time en route at the GPS ground speed, or "--:--"; sets eteSeconds.
void formatEte(char* text, size_t size);
// "hh:mm" local time of arrival from the last eteSeconds, or "--:--" (then eteSeconds is 0).
void formatEta(char* text, size_t size);
