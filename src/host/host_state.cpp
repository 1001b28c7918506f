// The host state that the headless host can print.
#include "host/sensor_panel.h"
#include "host/clock.h"
#include "host/gps_link.h"
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
    registerValue("fastBlinkCounter", fastBlinkCounter);
    registerValue("slowTickCounter", slowTickCounter);
    registerValue("slowBlinkCounter", slowBlinkCounter);
    registerValue("egtScanTimer", egtScanTimer);
    registerValue("chtScanTimer", chtScanTimer);
    registerValue("scanHoldCounter", scanHoldCounter);
    registerValue("hobbsSecondCounter", hobbsSecondCounter);
    registerValue("maintenanceSecondCounter", maintenanceSecondCounter);
    registerValue("retainedStateDirty", retainedStateDirty);
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
    // The GPS serial link.
    registerValue("nmeaRxState", nmeaRxState);
    registerValue("nmeaBodyLength", nmeaBodyLength);
    registerValue("rmcSentence", rmcSentence);
    registerValue("ggaSentence", ggaSentence);
    registerValue("gsaSentence", gsaSentence);
    registerValue("gsvSentence", gsvSentence);
    registerValue("rmcPending", rmcPending);
    registerValue("ggaPending", ggaPending);
    registerValue("gsaPending", gsaPending);
    registerValue("gsvPending", gsvPending);
    registerValue("gpsDataReceived", gpsDataReceived);
    // The clock records.
    registerValue("utcSeconds", utcSeconds);
    registerValue("localSeconds", localSeconds);
    const DateTime* clocks[2] = {&utcDateTime, &localDateTime};
    static const char* const names[2][6] = {
        {"utcDateTime.second", "utcDateTime.minute", "utcDateTime.hour", "utcDateTime.day", "utcDateTime.month",
         "utcDateTime.year"},
        {"localDateTime.second", "localDateTime.minute", "localDateTime.hour", "localDateTime.day",
         "localDateTime.month", "localDateTime.year"}};
    for (int c = 0; c < 2; c++) {
        const DateTime& r = *clocks[c];
        registerValue(names[c][0], r.second);
        registerValue(names[c][1], r.minute);
        registerValue(names[c][2], r.hour);
        registerValue(names[c][3], r.day);
        registerValue(names[c][4], r.month);
        registerValue(names[c][5], r.year);
    }
}
