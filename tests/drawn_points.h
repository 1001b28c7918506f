// The pixels a drawing call sets, as a set of (x, y): for checks of exactly what a shape or a
// text puts on the screen.
#pragma once
#include <set>
#include <utility>

#include "gfx/primitives.h"

using Points = std::set<std::pair<int, int>>;

// Draws on a cleared screen (colour 0) and returns the pixels set to any other colour.
template <typename Draw>
Points drawn(Draw draw) {
    fillScreen(0);
    draw();
    Points p;
    for (int y = 0; y < screenHeight; y++)
        for (int x = 0; x < screenWidth; x++)
            if (frameBuffer[y * screenWidth + x]) p.insert({x, y});
    return p;
}
