// The airspeed tape of the EFIS layouts (x 0..121 at the left edge), with its number box, and the
// small true-airspeed and ground-speed boxes in the corners.
#pragma once
#include <cstdint>

// Tape with V-speed bands, scale, Vx/Vy markers, number box, unit label and, when the airspeed
// sensor is missing, the red cross over the box.
void drawAirspeedTape();
// The number box in fill colour f: an arrow pointing at the tape's centre row.
void drawAirspeedBox(uint8_t fill);
// "TAS" box at the bottom left.
void drawTasBox();
// "GS" box at the top left.
void drawGroundSpeedBox();
