// Writes the present frame as a picture NAME.png: into the build folder on every run, and into
// docs/screens when EFIS_WRITE_SCREENS is set (to refresh the README's screens).
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/headless/png_writer.h"

inline void writeScreen(const char* name) {
    std::string file = std::string(name) + ".png";
    ASSERT_TRUE(writeIndexedPng((std::string(EFIS_BINARY_DIR) + "/" + file).c_str(), frameBuffer, screenWidth,
                                screenHeight, paletteRgb.data()));
    if (std::getenv("EFIS_WRITE_SCREENS")) {
        ASSERT_TRUE(writeIndexedPng((std::string(EFIS_SOURCE_DIR) + "/docs/screens/" + file).c_str(), frameBuffer,
                                    screenWidth, screenHeight, paletteRgb.data()));
    }
}
