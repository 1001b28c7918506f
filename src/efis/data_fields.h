// The small readouts over the EFIS attitude picture: G, OAT, volts, the GPS fix status and the
// autopilot annunciation; and the OAT and volts texts the VFR air panel shares.
#pragma once
#include <cstddef>
#include <cstdint>

// "%+.1f" of the G force right-aligned at (x, 210), "G" after it.
void drawGReadout(int16_t x);
// The OAT left-aligned at (x, y), flashing red beyond its alarm limits, the unit after it.
void drawOatField(int16_t x, int16_t y);
// The bus voltage at (x, y) with its alarm and caution boxes, "V" after it.
void drawVoltsField(int16_t x, int16_t y);
// "2D" or "3D" in white with a fix, "AQ" in red while the receiver acquires.
void drawGpsFixStatus(int16_t x, int16_t y);
// "AP" in red at (102, 44).
void drawApAnnunciator();

// "%d" of the OAT, or "---" above 150 degrees C (300 degrees F), where the sensor is not believed.
void formatOat(char* text, size_t size);
// valueAlarm beyond an OAT alarm limit that is switched on, else valueNormal.
uint8_t oatState();
// The degree sign and "C" or "F" (font 8 holds the degree sign).
const char* oatUnitLabel();
// "%.1f" of the bus voltage.
void formatVolts(char* text, size_t size);
// valueAlarm beyond a volts alarm limit, valueCaution beyond a caution limit, else valueNormal.
uint8_t voltsState();
