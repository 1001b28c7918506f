#include "ui/quick_menu.h"

#include "airdata/airdata.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/unit.h"
#include "records/persistence.h"
#include "records/working_state.h"
#include "ui/fuel_arrangement.h"
#include "ui/main_menu.h"
#include "ui/page.h"
#include "ui/setup_toolkit.h"

uint8_t quickMenuItemCount;
uint8_t quickMenuItems[quickMenuMaxItems];

uint8_t aircraftOnGround() { return indicatedAirspeedMph <= 30 && flightActive == 0; }

static uint8_t servoInstalled() {
    return unitSettings.apBankServoInstalled != 0 || unitSettings.apPitchServoInstalled != 0;
}

static uint8_t flowOn() { return unitSettings.flow1On == 1 || unitSettings.flow2On == 1; }

uint8_t buildQuickMenu(uint8_t layout) {
    uint8_t n = 0;
    auto add = [&n](uint8_t item) {
        if (n < quickMenuMaxItems) quickMenuItems[n++] = item;
    };
    auto addIf = [&add](bool condition, uint8_t item) {
        if (condition) add(item);
    };
    if (layout >= 10) return quickMenuItemCount = 0;
    add(quickMenu);
    add(quickBacklight);
    switch (layout) {
    case 0:
    case 1:
    case 2:
        add(quickMinMax);
        add(quickTimer);
        if (layout == 1) {
            addIf(flowOn(), quickFuelTotals);
            addIf(fuelRefillOffered(), quickFuelRefill);
        }
        add(quickHeadingBug);
        add(quickAltitudeBug);
        addIf(ahrsPresent == 1, quickLevelPitch);
        addIf(ahrsPresent == 1, quickRealignAhrs);
        addIf(servoInstalled() && aircraftOnGround(), quickApPreflight);
        addIf(unitSettings.flightDetectMode == 0, quickFlight);
        add(quickMarkWaypoint);
        addIf(unitSettings.transponderType != 0, quickTransponder);
        break;
    case 3:
    case 4:
        add(quickMinMax);
        add(quickTimer);
        if (layout == 4) {
            addIf(flowOn(), quickFuelTotals);
            addIf(fuelRefillOffered(), quickFuelRefill);
        }
        add(quickHeadingBug);
        addIf(unitSettings.flightDetectMode == 0, quickFlight);
        add(quickMarkWaypoint);
        break;
    case 5:
        add(quickMinMax);
        add(quickTimer);
        addIf(flowOn(), quickFuelTotals);
        addIf(unitSettings.egtChannels != 0 || unitSettings.chtChannels != 0, quickCruiseMode);
        addIf(unitSettings.egtChannels != 0, quickLeanMode);
        addIf(fuelRefillOffered(), quickFuelRefill);
        addIf(unitSettings.rpm1DisplayMode < 2, quickMagCheck);
        addIf(unitSettings.flightDetectMode == 0, quickFlight);
        add(quickMarkWaypoint);
        break;
    case 9:
        add(quickChecklists);
        add(quickInfoPages);
        break;
    default:  // 6, 7, 8: the short menu
        break;
    }
    add(quickExit);
    return quickMenuItemCount = n;
}

void openQuickMenu(uint8_t layout) {
    if (buildQuickMenu(layout) == 0) return;
    selectedRow = (uint8_t)(quickMenuItemCount - 1);
    overlayHandler = quickMenuOverlay;
    overlayCountdown = overlayOpenTime;
}

const char* quickMenuCaption(uint8_t item) {
    switch (item) {
    case quickMenu: return "MENU";
    case quickBacklight: return "BACKLIGHT";
    case quickMinMax: return "MIN/MAX";
    case quickTimer: return "TIMER";
    case quickFuelTotals: return "FUEL TOTALS";
    case quickFuelRefill: return "FUEL REFILL";
    case quickHeadingBug: return "HEADING BUG";
    case quickAltitudeBug: return "ALTITUDE BUG";
    case quickLevelPitch: return "LEVEL PITCH";
    case quickRealignAhrs: return "REALIGN AHRS";
    case quickApPreflight: return "AP PREFLIGHT";
    case quickFlight: return flightActive == 1 ? "STOP FLIGHT" : "START FLIGHT";
    case quickMarkWaypoint: return "MARK WAYPT";
    case quickTransponder: return "TRANSPONDER";
    case quickCruiseMode: return "CRUISE MODE";
    case quickLeanMode: return "LEAN MODE";
    case quickMagCheck: return "MAG CHECK";
    case quickChecklists: return "CHECKLISTS";
    case quickInfoPages: return "INFO PAGES";
    case quickExit: return "EXIT";
    default: return "";
    }
}

static void runItem(uint8_t item) {
    switch (item) {
    case quickMenu:
        overlayCountdown = 0;
        editMode = 0;
        listTop = 0;
        stepMultiplier = 1;
        // While the in-flight compass calibration runs, MENU leads to the compass setup page
        // instead; that choice comes with the compass pages.
        selectedRow = 0;
        currentPage = mainMenuPage;
        break;
    case quickExit:
        overlayCountdown = 0;
        break;
    default:
        // The other items open the overlays and actions built with the quick menus.
        break;
    }
}

void quickMenuOverlay() {
    uint8_t n = quickMenuItemCount;
    if (n > quickMenuMaxItems) n = quickMenuMaxItems;
    if (n == 0) {
        overlayCountdown = 0;
        return;
    }
    if (selectedRow >= n) selectedRow = (uint8_t)(n - 1);
    fillBox(351, (int16_t)(258 - 18 * n), 478, 270, colourBlack);
    drawFrame(350, (int16_t)(257 - 18 * n), 479, 271, colourWhite);
    for (uint8_t i = 0; i < n; i++)
        drawText(360, (int16_t)(247 - 18 * i), quickMenuCaption(quickMenuItems[i]), 8, 1,
                 i == selectedRow ? colourRed : colourWhite);

    switch (keyCode) {
    case 6:
        overlayCountdown = overlayOpenTime;
        runItem(quickMenuItems[selectedRow]);
        break;
    case 7:
        overlayCountdown = overlayOpenTime;
        selectedRow = selectedRow == 0 ? (uint8_t)(n - 1) : (uint8_t)(selectedRow - 1);
        break;
    case 8:
        overlayCountdown = overlayOpenTime;
        selectedRow = selectedRow + 1 >= n ? 0 : (uint8_t)(selectedRow + 1);
        break;
    default:
        break;
    }
    keyCode = 0;
}
