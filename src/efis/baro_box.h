// The altimeter-setting box above the altitude tape, and the setting's text that the altimeter
// dial shows too.
#pragma once
#include <cstddef>
#include <cstdint>

// a: left edge (409 full width, 269 narrow).
void drawBaroBox(int16_t a);
// "%4.2f" in inHg or "%4u" in mb by the pressure unit; returns the unit's index.
uint8_t formatBaroSetting(char* text, size_t size);
