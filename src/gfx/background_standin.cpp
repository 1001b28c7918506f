// Stand-in for the picture buffer until the MIF picture module lands: delete this file when
// gfx/mif.cpp defines backgroundBuffer and copyBackground.
#include <cstring>

#include "gfx/primitives.h"

uint8_t backgroundBuffer[frameBufferSize];  // palette index per pixel, same layout as frameBuffer

void copyBackground() { std::memcpy(frameBuffer, backgroundBuffer, sizeof frameBuffer); }
