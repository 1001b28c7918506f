// The information panels at the lower left of the VFR layouts: grey labels at x 0, white values
// at x 115, a row every 15 pixels from row 165.
#pragma once

// Flight, zulu and local time, the timer, Hobbs, and the maintenance and airframe timers.
void drawTimesPanel();
// Volts, OAT, climb or glide ratio, barometer and registration, then the slip-ball box when
// the slip ball is shown.
void drawAirPanel();
// The grey tube at the bottom left with the slip ball in it.
void drawSlipBallBox();
