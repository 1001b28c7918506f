// Turns the palette-index frame into the 32-bit pixels a window shows.
#pragma once
#include <cstdint>

// 0xAARRGGBB for a palette word: full alpha, the word's low three bytes (black stays black).
constexpr uint32_t presenterArgb(uint32_t paletteWord) { return 0xFF000000u | (paletteWord & 0x00FFFFFFu); }

// Converts a whole 480 x 272 frame, row by row, into out (480 x 272 words).
void frameToArgb(const uint8_t* frame, uint32_t* out);
