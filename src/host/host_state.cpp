// The host state that the headless host can print.
#include "host/sensor_panel.h"
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
    REGISTER_FIELD(sensorInputs, rpm1Raw);
    REGISTER_FIELD(sensorInputs, rpm2Raw);
    REGISTER_FIELD(sensorInputs, tcRaw);
    REGISTER_FIELD(sensorInputs, flow1Raw);
    REGISTER_FIELD(sensorInputs, flow2Raw);
    REGISTER_FIELD(sensorInputs, injector1Raw);
    REGISTER_FIELD(sensorInputs, injector2Raw);
    REGISTER_FIELD(sensorInputs, analogRaw);
    REGISTER_FIELD(sensorInputs, analogAuxRaw);
    REGISTER_FIELD(sensorInputs, tank1Raw);
    REGISTER_FIELD(sensorInputs, tank2Raw);
    REGISTER_FIELD(sensorInputs, voltsRaw);
    REGISTER_FIELD(sensorInputs, cjcRaw);
    REGISTER_FIELD(sensorInputs, mapRaw);
    REGISTER_FIELD(sensorInputs, fuelPressureRaw);
    REGISTER_FIELD(sensorInputs, currentRaw);
    registerValue("simGpsFix", simGpsFix);
    registerValue("simGroundSpeedCms", simGroundSpeedCms);
    registerValue("simTrackE5", simTrackE5);
    registerValue("simLatitudeE7", simLatitudeE7);
    registerValue("simLongitudeE7", simLongitudeE7);
}
