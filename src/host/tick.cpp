#include "host/tick.h"

#include "ems/engine_speed.h"
#include "host/unit.h"
#include "records/persistence.h"
#include "records/working_state.h"
#include "ui/main_screen.h"
#include "ui/page.h"
#include "ui/timer_overlay.h"

uint32_t tickCount;
uint8_t fastBlinkCounter;
uint8_t fastBlink;
uint8_t slowTickCounter;
uint8_t slowBlinkCounter;
uint8_t slowBlink;
uint8_t egtScanTimer;
uint8_t chtScanTimer;
uint8_t scanHoldCounter;
uint8_t hobbsSecondCounter;
uint8_t maintenanceSecondCounter;
uint8_t retainedStateDirty;

static constexpr uint8_t scanTimes[7] = {1, 3, 5, 10, 15, 30, 60};  // slow blocks
static constexpr uint8_t holdBlocks = 5;  // slow blocks per group of a display that shows the highest
static constexpr uint8_t thermocouples = 12;

enum : uint8_t { scanHighest = 0, scanScanning = 1 };

uint8_t scanTimeBlocks(uint8_t index) { return scanTimes[index < 7 ? index : 6]; }

// The channel groups, bounded to the twelve thermocouples whatever the settings hold.
static int32_t egtCount() {
    uint8_t n = unitSettings.egtChannels;
    return n < thermocouples ? n : thermocouples;
}
static int32_t chtLast() {
    int32_t first = firstChtChannel();
    int32_t end = egtCount() + unitSettings.chtChannels;
    if (end > thermocouples) end = thermocouples;
    return end - 1 > first ? end - 1 : first;
}

// One EGT scan step: the next channel, or false after the last one.
static bool stepEgt() {
    if ((int32_t)egtScanIndex < egtCount() - 1) {
        egtScanIndex++;
        return true;
    }
    egtScanIndex = 0;
    return false;
}

static bool stepCht() {
    uint8_t first = firstChtChannel();
    if (chtScanIndex < first) chtScanIndex = first;
    if ((int32_t)chtScanIndex < chtLast()) {
        chtScanIndex++;
        return true;
    }
    chtScanIndex = first;
    return false;
}

// Counts a scan timer; true when it has reached the scan time (and restarts it).
static bool scanDue(uint8_t& timer, uint8_t timeIndex) {
    timer++;
    if (timer < scanTimeBlocks(timeIndex)) return false;
    timer = 0;
    return true;
}

static bool holdDone() {
    if (++scanHoldCounter < holdBlocks) return false;
    scanHoldCounter = 0;
    return true;
}

// Layouts 1 and 4 show one group at a time, EGT then CHT.
static void scanCombined() {
    if (scanPhase == 0) {
        if (unitSettings.egtScanMode == scanScanning) {
            if (scanDue(egtScanTimer, unitSettings.egtScanTime) && !stepEgt()) {
                chtScanIndex = firstChtChannel();
                scanPhase = 1;
            }
        } else if (unitSettings.egtScanMode == scanHighest && holdDone()) {
            scanPhase = 1;
        }
    } else {
        if (unitSettings.chtScanMode == scanScanning) {
            if (scanDue(chtScanTimer, unitSettings.chtScanTime) && !stepCht()) scanPhase = 0;
        } else if (unitSettings.chtScanMode == scanHighest && holdDone()) {
            scanPhase = 0;
        }
    }
}

// Layout 5 shows both groups: two independent scans.
static void scanBoth() {
    if (unitSettings.egtScanMode == scanScanning && scanDue(egtScanTimer, unitSettings.egtScanTime)) stepEgt();
    if (unitSettings.chtScanMode == scanScanning && scanDue(chtScanTimer, unitSettings.chtScanTime)) stepCht();
}

static void countEngineTime() {
    if (++hobbsSecondCounter > 35) {
        hobbsSecondCounter = 0;
        if (++hobbsHundredths > 99) {
            hobbsHundredths = 0;
            if (hobbsHours < 10000) hobbsHours++;
        }
        retainedStateDirty = 1;
    }
    if (++maintenanceSecondCounter > 59) {
        maintenanceSecondCounter = 0;
        if (maintenanceHours != 0 || maintenanceMinutes != 0) {
            if (maintenanceMinutes > 0) {
                maintenanceMinutes--;
            } else {
                maintenanceHours--;
                maintenanceMinutes = 59;
            }
        }
        retainedStateDirty = 1;
    }
    // The unit would store its retained memory here.
    if (retainedStateDirty) retainedStateDirty = 0;
}

void slowBlock() {
    // 1. Overlay time-out.
    if (overlayCountdown != 0) overlayCountdown--;

    // 2. Scanning EMS displays.
    if (displayPage == layoutEfisEms || displayPage == layoutVfrEms) scanCombined();
    else if (displayPage == layoutEms) scanBoth();

    // 3. Slow blink: on for three slow blocks out of eight.
    slowBlinkCounter++;
    if (slowBlinkCounter <= 3) slowBlink = 1;
    else if (slowBlinkCounter <= 7) slowBlink = 0;
    else slowBlinkCounter = 0;

    // 4. Altitude-encoder line to Memo1.

    // 5. Up/down timer.
    if (timerOn == 1 && timerRunning == 1) {
        if (timerUp == 1) timerSeconds++;
        else if (timerSeconds > 0) timerSeconds--;
    }

    // 6. Altitude-encoder output.

    // 7. Engine time, while engine data arrive and the engine turns fast enough.
    if (telmConnected == 1 && (int64_t)rpm1 >= (int64_t)unitSettings.hobbsMinRpm) countEngineTime();
}

void Timer1Timer() {
    // 1. Free-running count.
    tickCount++;

    // 2. Fast blink.
    if (fastBlinkCounter++ > 9) {
        fastBlinkCounter = 0;
        fastBlink = fastBlink ? 0 : 1;
    }

    // 3. Slow block on every 20th tick.
    if (slowTickCounter++ < ticksPerSlowBlock - 1) return;
    slowTickCounter = 0;
    slowBlock();
}
