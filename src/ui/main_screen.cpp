#include "ui/main_screen.h"

#include "efis/compass_calibration.h"
#include "efis/flight_layouts.h"
#include "gfx/palette.h"
#include "gfx/text.h"
#include "host/unit.h"
#include "records/persistence.h"
#include "records/working_state.h"
#include "ui/page.h"
#include "ui/quick_menu.h"

LayoutDrawer layoutDrawers[layoutCount] = {
    drawEfisLayout,     // 0 EFIS
    drawEfisEmsLayout,  // 1 EFIS/EMS
    drawEfisHsiLayout,  // 2 EFIS/HSI
    drawVfrLayout,      // 3 VFR
    drawVfrEmsLayout,   // 4 VFR/EMS
    nullptr,  // 5 EMS
    nullptr,  // 6 ROTAX ECU STATUS
    nullptr,  // 7 ROTAX ECU FAULTS
    nullptr,  // 8 GPS
    drawInfoDisplay,  // 9 INFO/CHECKLIST
};

uint8_t egtScanIndex;
uint8_t chtScanIndex;
uint8_t scanPhase;
uint8_t leanMode;
uint8_t cruiseMode;
uint8_t faultListIndex;
uint8_t faultListCount;

constexpr uint8_t thermocoupleChannels = 12;

uint8_t layoutEnabled(uint8_t layout) {
    switch (layout) {
    case layoutEfis: return unitSettings.showEfisPage != 0;
    case layoutEfisEms: return unitSettings.showEfisEmsPage != 0;
    case layoutEfisHsi: return unitSettings.showEfisHsiPage != 0;
    case layoutVfr: return unitSettings.showVfrPage != 0;
    case layoutVfrEms: return unitSettings.showVfrEmsPage != 0;
    case layoutEms: return unitSettings.showEmsPage != 0;
    case layoutEcuStatus:
    case layoutEcuFaults: return unitSettings.ecuType == 1;  // ROTAX 912iS
    case layoutGps: return unitSettings.showGpsPage != 0;
    case layoutInfo: return unitSettings.showInfoPage != 0;
    default: return 0;
    }
}

uint8_t nearestEnabledLayout(uint8_t from, int8_t direction) {
    int32_t candidate = from % layoutCount;
    for (int32_t i = 0; i < layoutCount; i++) {
        if (layoutEnabled((uint8_t)candidate)) return (uint8_t)candidate;
        candidate = (candidate + direction + layoutCount) % layoutCount;
    }
    return from;
}

uint8_t firstChtChannel() {
    uint8_t egt = unitSettings.egtChannels;
    return egt < thermocoupleChannels ? egt : (uint8_t)(thermocoupleChannels - 1);
}

// Keys 1 and 5: the previous or next enabled layout, and the resets that go with a change.
static void stepLayout(int8_t direction) {
    uint8_t page = displayPage;
    if (page >= layoutCount) page = direction < 0 ? layoutCount - 1 : 0;
    else if (direction < 0) page = page == 0 ? layoutCount - 1 : (uint8_t)(page - 1);
    else page = page == layoutCount - 1 ? 0 : (uint8_t)(page + 1);
    displayPage = nearestEnabledLayout(page, direction);
    // Entering a combined EMS layout from its far side starts its engine strip afresh.
    bool resetModes = direction < 0 ? (displayPage == layoutEfisHsi || displayPage == layoutVfrEms)
                                    : (displayPage == layoutEfisEms || displayPage == layoutVfr);
    if (resetModes) leanMode = cruiseMode = scanPhase = 0;
    egtScanIndex = 0;
    chtScanIndex = firstChtChannel();
    faultListIndex = faultListCount = 0;
    saveRetainedState();
}

static void stepBaro(int32_t direction) {
    int32_t step = unitSettings.pressureUnit == 1 ? baroStepInHg : baroStepMb;
    int64_t result = (int64_t)baroSetting + direction * step;
    if (direction > 0 ? result < baroUpperLimit : result > baroLowerLimit) baroSetting = (int32_t)result;
}

static void subViewKey() {
    bool gForce = unitSettings.gForceDisplay != 0;
    if (displayPage == layoutVfr) {
        uint8_t last = gForce ? 2 : 1;
        vfrSubView = vfrSubView >= last ? 0 : (uint8_t)(vfrSubView + 1);
        saveRetainedState();
    } else if (displayPage == layoutVfrEms) {
        uint8_t last = gForce ? 4 : 3;
        vfrEmsSubView = vfrEmsSubView >= last ? 0 : (uint8_t)(vfrEmsSubView + 1);
        saveRetainedState();
    } else if (displayPage <= layoutEfisHsi) {
        // The autopilot overlay (with a bank or pitch servo installed) opens here once the
        // autopilot pages exist.
    }
}

static void knobKey(int32_t direction) {
    if (displayPage <= layoutVfrEms) {
        stepBaro(direction);
    } else if (displayPage == layoutEcuFaults) {
        // An empty fault list counts as one page.
        uint8_t pages = faultListCount == 0 ? 1 : faultListCount;
        if (direction > 0) faultListIndex = faultListIndex + 1 >= pages ? 0 : (uint8_t)(faultListIndex + 1);
        else faultListIndex = faultListIndex == 0 || faultListIndex >= pages ? (uint8_t)(pages - 1) : (uint8_t)(faultListIndex - 1);
    } else if (displayPage == layoutInfo) {
        stepInfoLine((int8_t)direction);
    }
}

static void mainScreenKey(uint8_t key) {
    switch (key) {
    case 1: stepLayout(-1); break;
    case 5: stepLayout(+1); break;
    case 2:
        // The waypoint pages (SELECT WAYPOINT, with the card mounted) open here once they exist.
        break;
    case 3:
        // The route pages (route selection or ACTIVE ROUTE, with the card mounted) open here
        // once they exist.
        break;
    case 4: subViewKey(); break;
    case 6: openQuickMenu(displayPage); break;
    case 7: knobKey(+1); break;
    case 8: knobKey(-1); break;
    default: break;
    }
}

void mainScreenPage() {
    // 1. The layout; a missing drawer or a layout above 9 leaves the screen black.
    LayoutDrawer drawer = displayPage < layoutCount ? layoutDrawers[displayPage] : nullptr;
    if (drawer) drawer();
    else clearScreen();

    // 2. In-flight compass calibration notice.
    if (compassCalActive == 1) drawCompassCalBox();

    // 3. The open quick menu or overlay; it takes the key.
    if (overlayCountdown != 0 && overlayHandler) overlayHandler();

    // 4. Alarm check, when alarms are enabled; it may show an alarm box and take the key.

    // 5. Autopilot notices.

    // 6. The key.
    if (keyCode != 0) mainScreenKey(keyCode);
    keyCode = 0;
}
