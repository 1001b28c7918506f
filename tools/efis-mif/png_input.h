// Reading any PNG (grey, palette, RGB, with or without alpha, 8 or 16 bits) as RGB colours.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Fills rgb with width x height colours 0x00RRGGBB, row-major; transparent parts are shown over
// black, as on the unit's screen. Refuses pictures larger than maxWidth x maxHeight before reading
// their pixels. On failure returns false with a one-line reason in error.
bool readPngRgb(const char* path, int32_t maxWidth, int32_t maxHeight, std::vector<uint32_t>& rgb,
                int32_t& width, int32_t& height, std::string& error);
