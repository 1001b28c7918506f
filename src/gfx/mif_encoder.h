// Turning pictures into MIF data: the nearest palette colour of an RGB colour, and the
// run-length coder. Used by the picture tool and by the tests; the unit itself only decodes.
#pragma once
#include <cstdint>

// The palette index whose colour lies nearest (weighted for the eye's greater sensitivity to
// green); index 255, which no screen uses, is never chosen. Ties go to the lower index.
uint8_t nearestPaletteIndex(uint32_t rgb);

// Bytes that a picture of this size can need at most, header included; 0 when the size is
// outside 1..480 x 1..272.
int32_t mifEncodedLimit(int32_t width, int32_t height);

// Codes width x height palette indices (row-major) as a MIF picture into out. Each row is coded
// on its own and no packet reaches past the row's end. Returns the bytes written, or -1 when the
// size is outside 1..480 x 1..272 or out is too small.
int32_t encodeMif(const uint8_t* pixels, int32_t width, int32_t height, uint8_t* out, int32_t outSize);
