// The host state that the headless host can print.
#include "host/state_registry.h"
#include "host/tick.h"
#include "host/unit.h"
#include "ui/page.h"

void registerHostState() {
    registerValue("powerOffRequest", powerOffRequest);
    registerValue("unitRunning", unitRunning);
    registerValue("frameCount", frameCount);
    registerValue("alarmLamp", alarmLamp);
    registerValue("alarmsEnabled", alarmsEnabled);
    registerValue("ahrsPresent", ahrsPresent);
    registerValue("compassPresent", compassPresent);
    registerValue("sdCardMounted", sdCardMounted);
    registerValue("telmConnected", telmConnected);
    registerValue("calibrateEnabled", calibrateEnabled);
    registerValue("altSensorStatus", altSensorStatus);
    registerValue("asiSensorStatus", asiSensorStatus);
    registerValue("tickCount", tickCount);
    registerValue("fastBlink", fastBlink);
    registerValue("slowBlink", slowBlink);
}
