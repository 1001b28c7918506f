// The course deviation bar across the bottom of the EFIS attitude picture while a leg is
// active, and the active waypoint's name.
#pragma once
#include <cstdint>

// Needle offset from the centre in pixels for the present cross-track error, -95..95.
int16_t cdiDeviation();
// Needle, centre mark and dots on rows 226..248 centred on cx (when the CDI display is on),
// then the waypoint's name at (56, 102). Nothing while no leg is active.
void drawCdiBar(int16_t cx);
