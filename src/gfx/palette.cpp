#include "gfx/palette.h"

#include <array>
#include <cstring>

#include "gfx/primitives.h"

// Built at compile time from its rule: 16 base colours, a 14 x 5 x 3 cube without its black
// and white corners, a grey ramp, eight pale reds, nine named colours and one odd last word.
static constexpr std::array<uint32_t, 256> buildPalette() {
    std::array<uint32_t, 256> p{};
    constexpr uint32_t base[16] = {0x000000, 0xA52A2A, 0x008000, 0x504000, 0x000080, 0x500080,
                                   0x008080, 0x555555, 0xAAAAAA, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 16; i++) p[i] = base[i];
    constexpr uint32_t reds[14] = {0x00, 0x14, 0x28, 0x3C, 0x50, 0x64, 0x78,
                                   0x8C, 0xA0, 0xB4, 0xC8, 0xDC, 0xF0, 0xFF};
    constexpr uint32_t greens[5] = {0x00, 0x40, 0x80, 0xC0, 0xFF};
    constexpr uint32_t blues[3] = {0x00, 0x80, 0xFF};
    int n = 16;
    for (uint32_t r : reds)
        for (uint32_t g : greens)
            for (uint32_t b : blues) {
                uint32_t c = r << 16 | g << 8 | b;
                if (c == 0x000000 || c == 0xFFFFFF) continue;
                p[n++] = c;
            }
    for (uint32_t v = 0x20; v <= 0xF0; v += 0x10) p[n++] = v << 16 | v << 8 | v;
    constexpr uint32_t tail[17] = {0xC89696, 0xD3A5A5, 0xD9B3B3, 0xE5C2C2, 0xEFD5D5, 0xF7E7E7,
                                   0xF5FAFA, 0xFCFDFD, 0x0000FF, 0xFF0000, 0xFF00FF, 0xFFFF00,
                                   0xC0C0C0, 0x00FFFF, 0x00FF00, 0x8B4513, 0x008000};
    for (uint32_t c : tail) p[n++] = c;
    p[n++] = 0x3F800000;
    return p;
}

constexpr std::array<uint32_t, 256> paletteRgb = buildPalette();
static_assert(paletteRgb[16] == 0x000080 && paletteRgb[223] == 0xFFFF80);
static_assert(paletteRgb[224] == 0x202020 && paletteRgb[237] == 0xF0F0F0);
static_assert(paletteRgb[246] == 0x0000FF && paletteRgb[254] == 0x008000);
static_assert(paletteRgb[255] == 0x3F800000);

void clearScreen() { std::memset(frameBuffer, 0, sizeof frameBuffer); }
