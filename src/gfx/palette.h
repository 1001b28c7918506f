// The 256 colours a pixel value can mean, and wiping the screen.
#pragma once
#include <array>
#include <cstdint>

extern const std::array<uint32_t, 256> paletteRgb;  // 0x00RRGGBB per palette index

// Named indices the screens use.
enum : uint8_t {
    colourBlack = 0,
    colourDarkGrey = 7,
    colourGrey = 8,
    colourWhite = 15,
    colourBlue = 246,
    colourRed = 247,
    colourMagenta = 248,
    colourYellow = 249,
    colourLightGrey = 250,
    colourCyan = 251,
    colourGreen = 252,
    colourBrown = 253,
    colourDarkGreen = 254,
};

void clearScreen();
