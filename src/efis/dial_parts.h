// Pieces of the round dials: face, hands and coloured bands. Dial angles count whole degrees
// clockwise from 12 o'clock; on the screen a dial angle g lies at screen angle g - 90.
#pragma once
#include <cstdint>

// Two rings of radius ring and ring + 1, the hub circle of radius 15 and the title centred
// above the hub's middle, all light grey.
void drawDialFace(int16_t cx, int16_t cy, int16_t ring, const char* title);
// A thick hand from radius r0 to r1 at dial angle g (any value; whole degrees).
void drawDialHand(int16_t cx, int16_t cy, int32_t g, int16_t r0, int16_t r1, uint8_t colour);
// A band of one radial thick line per degree, from radius outer inward by depth, for the angles
// a0 .. a1 - 1 counted from screen angle offset (the airspeed dial uses -90 so that 0 is at
// 12 o'clock). Angles are limited to 0..360 and an empty or reversed band draws nothing.
void drawDialBand(int16_t cx, int16_t cy, int16_t outer, int16_t depth, int32_t a0, int32_t a1,
                  int32_t offset, uint8_t colour);
