// The small labelled readouts of the VFR layouts: a grey label centred at (x, y) over its white
// value at (x, y + 15).
#pragma once
#include <cstdint>

// "TAS": the true airspeed in mph, whatever the speed unit.
void drawTasField(int16_t x, int16_t y);
// "GS": the GPS ground speed, "---" without a position.
void drawGsField(int16_t x, int16_t y);
// "DA": the density altitude, "-----" with an OAT outside -99..99 degrees C.
void drawDaField(int16_t x, int16_t y);
