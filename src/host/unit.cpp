#include "host/unit.h"

#include "gfx/primitives.h"
#include "host/platform.h"
#include "ui/page.h"

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
uint32_t serialNumber;
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
    powerOffRequest = 0;
    buildTrigTables();
}

void runFrame() {
    platform->setAlarmLamp(alarmLamp == 1);
    readHostFlags();
    currentPage();
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
