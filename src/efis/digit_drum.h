// The rolling altitude readout: the last two digits turn on a drum in steps of ten, the
// hundreds, thousands and ten-thousands roll over as the drum passes 90.
#pragma once
#include <cstdint>

// Altitudes the five-character readout can show; the tapes clamp to this range before drawing.
constexpr int32_t drumLowest = -9990;   // further down the minus sign would need a sixth place
constexpr int32_t drumHighest = 99990;  // further up the places would roll over into a sixth

// Draws the readout of altitude A for the altitude tape whose left edge is a.
void drawAltitudeDrum(int16_t a, int32_t A);
