// The quick menu a knob push opens over the main screen. Its rows are chosen once, when it
// opens, from the layout and the conditions of that moment; drawing and the push act on that
// same list, so the highlight can never point past the last row.
#pragma once
#include <cstdint>

enum : uint8_t {
    quickMenu,
    quickBacklight,
    quickMinMax,
    quickTimer,
    quickFuelTotals,
    quickFuelRefill,
    quickHeadingBug,
    quickAltitudeBug,
    quickLevelPitch,
    quickRealignAhrs,
    quickApPreflight,
    quickFlight,  // START FLIGHT or STOP FLIGHT
    quickMarkWaypoint,
    quickTransponder,
    quickCruiseMode,
    quickLeanMode,
    quickMagCheck,
    quickChecklists,
    quickInfoPages,
    quickExit,
};

constexpr uint8_t quickMenuMaxItems = 16;  // the longest menu (layout 1) has 15 rows

extern uint8_t quickMenuItemCount;                  // rows of the open quick menu
extern uint8_t quickMenuItems[quickMenuMaxItems];   // item of each row, from the bottom (0) up

// Fills quickMenuItems for the layout and returns the row count; 0 for a layout above 9.
uint8_t buildQuickMenu(uint8_t layout);
// Opens the layout's menu with its top row (EXIT) highlighted; nothing for a layout above 9.
void openQuickMenu(uint8_t layout);
// The caption of an item as the menu shows it.
const char* quickMenuCaption(uint8_t item);
// The aircraft counts as on the ground (for AP PREFLIGHT).
uint8_t aircraftOnGround();
// The overlay handler of every quick menu: draws the rows and takes the keys.
void quickMenuOverlay();
