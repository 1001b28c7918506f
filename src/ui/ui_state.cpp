// The ui state that the headless host can print.
#include "host/state_registry.h"

#include "ui/fuel_arrangement.h"
#include "ui/main_screen.h"
#include "ui/page.h"
#include "ui/quick_menu.h"
#include "ui/setup_toolkit.h"
#include "ui/timer_overlay.h"

void registerUiState() {
    registerValue("keyCode", keyCode);
    registerValue("overlayCountdown", overlayCountdown);
    registerValue("selectedRow", selectedRow);
    registerValue("quickMenuItemCount", quickMenuItemCount);
    registerValue("quickMenuItems", quickMenuItems);
    registerValue("egtScanIndex", egtScanIndex);
    registerValue("chtScanIndex", chtScanIndex);
    registerValue("scanPhase", scanPhase);
    registerValue("leanMode", leanMode);
    registerValue("cruiseMode", cruiseMode);
    registerValue("faultListIndex", faultListIndex);
    registerValue("faultListCount", faultListCount);
    registerValue("listTop", listTop);
    registerValue("editMode", editMode);
    registerValue("editCursor", editCursor);
    registerValue("stepMultiplier", stepMultiplier);
    registerValue("fuelArrangement", fuelArrangement);
    registerValue("timerSeconds", timerSeconds);
    registerValue("timerPreset", timerPreset);
    registerValue("timerOn", timerOn);
    registerValue("timerUp", timerUp);
    registerValue("timerRunning", timerRunning);
}
