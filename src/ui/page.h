// The page protocol: a page is a parameterless handler that draws the whole frame and consumes keyCode.
#pragma once
#include <cstdint>

using PageHandler = void (*)();

extern PageHandler currentPage;  // the page drawn by the next frame
extern uint8_t keyCode;
extern uint8_t displayPage;      // main-screen layout 0..9          // 0 none, 1-5 soft keys, 6 knob push, 7 knob "+", 8 knob "-"

void mainScreenPage();
