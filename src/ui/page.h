// The page protocol: a page is a parameterless handler that draws the whole frame, acts on at
// most one key and clears keyCode; it changes page by storing another handler in currentPage.
#pragma once
#include <cstdint>

#include "records/working_state.h"  // displayPage, the main-screen layout 0..9, lives in retainedState

using PageHandler = void (*)();

extern PageHandler currentPage;     // the page drawn by the next frame
extern PageHandler returnPage;      // where a sub-page or a message page goes back to
extern PageHandler overlayHandler;  // quick menu or overlay window drawn over the main screen
extern uint8_t overlayCountdown;    // slow blocks left before the overlay closes; 0 closed
extern uint8_t keyCode;             // 0 none, 1-5 soft keys, 6 knob push, 7 knob "+", 8 knob "-"
extern uint8_t selectedRow;         // highlighted row of a quick menu, overlay or setup list

// Opening a quick menu or overlay, and every key it handles, sets the countdown to this.
constexpr uint8_t overlayOpenTime = 10;  // slow blocks

void mainScreenPage();
// "MESSAGE" with "DONE": any key returns to returnPage.
void messagePage();
