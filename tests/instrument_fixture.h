// Common ground for the flight-instrument tests: the unit as power-on leaves it, with every
// sensor present, and small readers of the frame.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "flight_scene.h"

inline uint8_t pixelAt(int x, int y) { return frameBuffer[y * screenWidth + x]; }

// Pixels of one colour inside a box (inclusive).
inline int countColour(int x0, int y0, int x1, int y1, uint8_t colour) {
    int n = 0;
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            if (pixelAt(x, y) == colour) n++;
    return n;
}

// Pixels that differ from the background colour inside a box.
inline int countNot(int x0, int y0, int x1, int y1, uint8_t background) {
    return (x1 - x0 + 1) * (y1 - y0 + 1) - countColour(x0, y0, x1, y1, background);
}

// A copy of the frame, to compare what an instrument drew with a reference drawn afterwards.
struct Frame {
    uint8_t pixels[frameBufferSize];
    uint8_t at(int x, int y) const { return pixels[y * screenWidth + x]; }
};

inline void saveFrame(Frame& f) { std::memcpy(f.pixels, frameBuffer, sizeof f.pixels); }

// Pixels of a box (inclusive) where the saved frame and the present one differ.
inline int differences(const Frame& f, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            if (f.at(x, y) != pixelAt(x, y)) n++;
    return n;
}

// Pixels outside a box (inclusive) that are no longer the fill colour: what an instrument drew
// beyond its own area.
inline int outside(int x0, int y0, int x1, int y1, uint8_t fill) {
    auto others = [fill](int y, int from, int to) {  // pixels from..to - 1 of row y
        if (from >= to) return 0;
        const uint8_t* row = frameBuffer + y * screenWidth;
        return (int)(to - from - std::count(row + from, row + to, fill));
    };
    int left = std::clamp(x0, 0, (int)screenWidth), right = std::clamp(x1 + 1, 0, (int)screenWidth);
    int n = 0;
    for (int y = 0; y < screenHeight; y++) {
        if (y < y0 || y > y1) n += others(y, 0, screenWidth);
        else n += others(y, 0, left) + others(y, right, screenWidth);
    }
    return n;
}

// The stand-in for the attitude picture behind the tapes: sky above row 136, ground below.
inline void paintHorizon() {
    std::memset(frameBuffer, colourBlue, (size_t)screenWidth * 136);
    std::memset(frameBuffer + screenWidth * 136, colourBrown, (size_t)screenWidth * (screenHeight - 136));
}

class Instruments : public ::testing::Test {
  protected:
    void SetUp() override { instrumentsAtRest(); }
};
