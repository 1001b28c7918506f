// Writes a palette-index picture as an indexed-colour PNG (no compression library needed).
#pragma once
#include <cstdint>

bool writeIndexedPng(const char* path, const uint8_t* pixels, int32_t width, int32_t height,
                     const uint32_t* palette);
