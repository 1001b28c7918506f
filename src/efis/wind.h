// The wind, from the difference between the air vector (true airspeed along the true heading)
// and the ground vector (GPS ground speed along the track): its speed and an arrow that shows,
// relative to the nose, where it blows.
#pragma once
#include <cstdint>

extern uint16_t windSpeed;  // wind speed, speed unit; computed each frame while the wind is shown

// The wind is known with a GPS position, a ground speed above 5 mph and a magnetic heading to
// compare the track with.
uint8_t windKnown();
// sqrt(4 TAS GS sin^2(d / 2) + (TAS - GS)^2), d the angle between heading and track, in whole
// speed units up to 65535.
uint16_t computeWindSpeed();
// The screen angle the arrow's head points to, whole degrees 0..359 (0 right, clockwise; the
// nose is up).
int16_t windArrowAngle();

// "%d" of the wind speed centred at (x, y); the maximum record follows it. Nothing when unknown.
void drawWindSpeed(int16_t x, int16_t y);
// The arrow centred at (x, y): 20 pixels from the centre to each end when large, else 13.
void drawWindArrow(int16_t x, int16_t y, uint8_t large);
