// What the flight instruments share: the settings that pick a row of a table, read so that a
// recalled image cannot push an index past its table; compass arithmetic; points on a dial; and
// the red cross over an instrument whose sensor is missing.
#pragma once
#include <cstdint>

// Settings used as an index into a table of labels, divisors or factors. A value beyond its
// table (a settings image recalled from the card can hold anything) reads as the default.
uint8_t speedUnitIndex();     // 0 mph, 1 km/h, 2 kts
uint8_t altitudeUnitIndex();  // 0 ft, 1 m
uint8_t pressureUnitIndex();  // 0 mb, 1 inHg
uint8_t vsiUnitIndex();       // 0 ft/min, 1 m/s
uint8_t vsiScaleIndex();      // 0, 1, 2: 1000, 2000, 4000 ft/min (5, 10, 20 m/s)
uint8_t cdiScaleIndex();      // 0..3: 1, 2, 5, 10 distance units full scale
uint8_t compassTapeIndex();   // 0 numeric, 1 mixed, 2 cardinal

// The airspeed span and the part of it in view divide the scale: below the minimum their setup
// page allows (10) they read as that minimum.
uint16_t asiSpanFloored();   // speed units
uint8_t asiInViewFloored();  // percent

const char* speedUnitLabel();     // "mph", "km/h", "kts"
const char* altitudeUnitLabel();  // "ft", "m"

// Any whole-degree angle brought into 0..359 (a true modulo: -1 is 359, 720 is 0).
int16_t compassDegrees(int32_t a);

// The point at radius r and screen angle a (degrees, 0 right, growing clockwise) from a centre,
// truncated toward zero as the drawing code does everywhere. The angle may be anything.
int16_t radialX(int16_t cx, int32_t a, int32_t r);
int16_t radialY(int16_t cy, int32_t a, int32_t r);
// Thin or thick line between two radii along one screen angle.
void drawRadialLine(int16_t cx, int16_t cy, int32_t a, int32_t r0, int32_t r1, uint8_t colour);
void drawRadialThickLine(int16_t cx, int16_t cy, int32_t a, int32_t r0, int32_t r1, uint8_t colour);

// Two red thick strokes from corner to corner: (x0, y0)-(x1, y1) and (x0, y1)-(x1, y0).
void crossOut(int16_t x0, int16_t y0, int16_t x1, int16_t y1);

// Bounds a 32-bit value into a 16-bit screen coordinate range.
int16_t clampToScreen(int32_t v);
