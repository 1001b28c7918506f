#include "host/unit.h"

#include <cstdio>
#include <cstring>

#include "airdata/airdata.h"
#include "gfx/primitives.h"
#include "host/clock.h"
#include "host/gps_link.h"
#include "host/platform.h"
#include "host/sensor_panel.h"
#include "host/startup_screens.h"
#include "links/transponder.h"
#include "nav/gps_state.h"
#include "nav/navigation.h"
#include "records/persistence.h"
#include "records/working_state.h"
#include "ui/fuel_arrangement.h"
#include "ui/page.h"
#include "ui/setup_toolkit.h"

uint8_t alarmsEnabled;
uint8_t ahrsPresent;
uint8_t compassPresent;
uint8_t sdCardMounted;
uint8_t telmConnected;
uint8_t calibrateEnabled;
uint8_t altSensorStatus;
uint8_t asiSensorStatus;

uint8_t alarmLamp;
uint8_t powerOffRequest;
uint8_t unitRunning;
uint8_t hostClosing;
uint32_t frameCount;

static void readHostFlags() {
    alarmsEnabled = platform->readControl("CheckBox7") ? 1 : 0;
    ahrsPresent = platform->readControl("CheckBox1") ? 1 : 0;
    compassPresent = platform->readControl("CheckBox2") ? 1 : 0;
    sdCardMounted = platform->readControl("CheckBox3") ? 1 : 0;
    telmConnected = platform->readControl("CheckBox4") ? 1 : 0;
    calibrateEnabled = platform->readControl("CheckBox5") ? 1 : 0;
    altSensorStatus = platform->readControl("CheckBox6") ? 2 : 0;
    asiSensorStatus = platform->readControl("CheckBox8") ? 2 : 0;
}

static void powerOnSequence() {
    // 1. Power request and the inputs read straight from the panel.
    powerOffRequest = 0;
    pitchAngle = 0;
    bankAngle = 0;
    seedVoltsAndOat();

    // 2. Calibration and settings with their defaults (the load hooks bring nothing in, so every
    // power-on starts from the defaults).
    loadCalibration();
    applyCalibrationDefaults();
    loadSettings();
    applySettingsDefaults();

    // 3. Working state of the unit's own memory.
    baroSetting = 1013250;  // 1013.25 mb
    headingBug = 0;
    altitudeBug = 1000;     // ft
    // Pitch zero, fuel totals and levels, Hobbs, maintenance and airframe timers together.
    std::memset(reinterpret_cast<uint8_t*>(&retainedState) + retainedClearOffset, 0, retainedClearSize);
    loadRetainedState();
    displayPage = 0;
    resetMinMax();

    // 4. Attitude work areas (horizonX/horizonY are static, reserved once for the program) and
    // trigonometry.
    buildTrigTables();

    // 5. GPS, step multiplier, navigation, transponder.
    gpsPowerOn();
    stepMultiplier = 1;
    // A power cycle starts on the main screen with no window open over it, whatever page was
    // showing when the unit went off.
    currentPage = mainScreenPage;
    overlayCountdown = 0;
    transponderMode = identActive = identRequest = 0;

    // 6-10. Splash picture, splash screen and the timer notices.
    runStartupScreens();

    // 11. Fuel arrangement.
    deriveFuelArrangement();

    // 12. RPM seed, flow period, navigation files.
    seedRpm1();
    navActive = 0;

    // 13. Simulated position.
    seedSimulatedPosition();
}

void runFrame() {
    // 1-2. Lamp and host flags.
    platform->setAlarmLamp(alarmLamp == 1);
    readHostFlags();

    // 3. Attitude source. With the serial port open the attitude goes out to Memo1 instead.
    if (platform->serialConnected()) {
        const char* names[4] = {"Pitch:", "Bank:", "Slip:", "Turn:"};
        const int16_t values[4] = {pitchAngle, bankAngle, slipValue, turnRate};
        for (int i = 0; i < 4; i++) {
            char line[24];
            std::snprintf(line, sizeof line, "%s%d", names[i], (int)values[i]);
            platform->appendLine(TextWindow::Memo1, line);
        }
    } else {
        copyAttitude();
    }

    // 4-6. Channel processing, analog inputs, fuel pressure and main current.
    // Outside air temperature: after the bus voltage, before anything reads it.
    processOat();

    // 7. The page draws the whole frame and consumes the key.
    currentPage();

    // 8. Clock.
    readHostClock();

    // 9. GPS sentences.
    decodePendingSentences();

    // 10. Navigation leg.

    // 11. Alarms away from the main screen.

    // 12. Present, then let the host run its events.
    frameCount++;
    platform->presentFrame();
    platform->processHostEvents();
}

void Button1Click() {
    if (unitRunning) return;
    unitRunning = 1;
    powerOnSequence();
    while (!powerOffRequest) runFrame();
    unitRunning = 0;
}

void Button2Click() { powerOffRequest = 1; }

void FormClose() {
    powerOffRequest = 1;
    hostClosing = 1;
}

void Exit1Click() {
    powerOffRequest = 1;
    hostClosing = 1;
}
