#include "host/startup_screens.h"

#include <cstdio>

#include "ems/alarms.h"
#include "gfx/mif.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/platform.h"
#include "host/unit.h"
#include "ui/page.h"
#include "records/working_state.h"

constexpr int32_t splashFrames = 2500;
constexpr int32_t maintenanceNoticeFrames = 2500;
constexpr int32_t airframeNoticeFrames = 500;

static void drawSplash() {
    clearScreen();
    copyBackground();
    // The registration may fill its field without a terminator: at most 8 characters.
    drawTextField(0, 255, unitSettings.aircraftRegistration, 8, 8, alignLeft, colourWhite);
    char text[32];
    std::snprintf(text, sizeof text, "s/n: %07lu", (unsigned long)serialNumber);
    drawText(479, 240, text, 8, alignRight, colourWhite);
    std::snprintf(text, sizeof text, "Version %0.2f", (double)firmwareVersion);
    drawText(479, 255, text, 8, alignRight, colourWhite);
}

static void drawNotice(int16_t x0, int16_t x1, const char* title) {
    clearScreen();
    drawFrame(x0, 96, x1, 176, colourWhite);
    fillBox((int16_t)(x0 + 1), 97, (int16_t)(x1 - 1), 175, colourRed);
    drawText(240, 104, title, 16, alignCentre, colourWhite);
    drawText(240, 138, "HAS EXPIRED", 16, alignCentre, colourWhite);
}

static void drawMaintenanceNotice() { drawNotice(69, 411, "MAINTENANCE TIMER"); }
static void drawAirframeNotice() { drawNotice(95, 385, "AIRFRAME TIMER"); }

// A key ends the screen at once and that frame is not shown. Closing the window ends it too.
static void runStartupScreen(int32_t maxFrames, void (*draw)()) {
    keyCode = 0;
    for (int32_t n = 0; n < maxFrames && !hostClosing; n++) {
        draw();
        frameCount++;
        if (keyCode != 0) return;
        platform->presentFrame();
        platform->processHostEvents();
    }
}

void runStartupScreens() {
    clearBackground();
    loadMifToBackground(0, 0, "SDCARD\\SPLASH.MIF");
    runStartupScreen(splashFrames, drawSplash);
    if (maintenanceHours == 0 && maintenanceMinutes == 0)
        runStartupScreen(maintenanceNoticeFrames, drawMaintenanceNotice);
    if (airframeHours == 0 && airframeMinutes == 0) runStartupScreen(airframeNoticeFrames, drawAirframeNotice);
    alarmFlags = 0;
    alarmAcknowledged = 0;
    keyCode = 0;  // the key that ended a screen reaches no page
}
