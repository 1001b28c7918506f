// PNG pictures without compression (no compression library needed).
#pragma once
#include <cstdint>

// Writes a palette-index picture as an indexed-colour PNG.
bool writeIndexedPng(const char* path, const uint8_t* pixels, int32_t width, int32_t height,
                     const uint32_t* palette);

// Writes a true-colour picture with alpha, 4 bytes a pixel (R, G, B, A), as drawing programs save.
bool writeRgbaPng(const char* path, const uint8_t* rgba, int32_t width, int32_t height);
