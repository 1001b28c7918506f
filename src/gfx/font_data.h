// Glyph data of the ten fonts, generated into font_data.cpp by tools/fontgen (run
// tools/fontgen/build-and-run.sh after changing the generator; never edit the data by hand).
#pragma once
#include <cstdint>

// Proportional fonts: bytes 2-3 first code, 4-5 last code (little-endian), 6 baseline row,
// 7 height in rows, then 4 bytes per character (offset bits 16-23, width, offset bits 0-7,
// offset bits 8-15), then the glyph rows, most significant bit leftmost.
extern const uint8_t fontRecord8[];
extern const uint8_t fontRecord9[];
extern const uint8_t fontRecord10[];
extern const uint8_t fontRecord12[];
extern const uint8_t fontRecord16[];
extern const uint8_t fontRecord20[];
extern const uint32_t fontRecord8Size;  // bytes
extern const uint32_t fontRecord9Size;
extern const uint32_t fontRecord10Size;
extern const uint32_t fontRecord12Size;
extern const uint32_t fontRecord16Size;
extern const uint32_t fontRecord20Size;

// Column (digit) fonts: one fixed cell per character from code 32; each column is a stack of
// bytes, top byte first, bit 0 the top pixel.
extern const uint8_t columnFont10[];
extern const uint8_t columnFont12[];
extern const uint8_t columnFont20[];
extern const uint8_t columnFont30[];
extern const uint32_t columnFont10Size;  // bytes
extern const uint32_t columnFont12Size;
extern const uint32_t columnFont20Size;
extern const uint32_t columnFont30Size;
