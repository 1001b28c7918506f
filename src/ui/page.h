// The page protocol: a page is a parameterless handler that draws the whole frame and consumes keyCode.
#pragma once
#include <cstdint>

#include "records/working_state.h"  // displayPage, the main-screen layout 0..9, lives in retainedState

using PageHandler = void (*)();

extern PageHandler currentPage;  // the page drawn by the next frame
extern uint8_t keyCode;          // 0 none, 1-5 soft keys, 6 knob push, 7 knob "+", 8 knob "-"

void mainScreenPage();
