#include "host/sensor_panel.h"

#include "nav/gps_state.h"

#include "airdata/airdata.h"
#include "ems/engine_speed.h"
#include "host/controls.h"
#include "host/platform.h"
#include "nav/gps_state.h"
#include "records/records.h"
#include "records/working_state.h"

SensorInputs sensorInputs;


int32_t readPanelPosition(const char* controlName) {
    const HostControl* control = findHostControl(controlName);
    if (!control || !platform) return 0;
    return clampToControl(*control, platform->readControl(controlName));
}

void showPanelPosition(const char* controlName, int32_t position) {
    const HostControl* control = findHostControl(controlName);
    if (!control || !control->label || !platform) return;
    char text[16];
    controlLabelText(*control, position, text, sizeof text);
    platform->setLabel(control->label, text);
}

// The common pattern: read the position, show it, hand it to the caller to store.
static int32_t moved(const char* controlName) {
    int32_t position = readPanelPosition(controlName);
    showPanelPosition(controlName, position);
    return position;
}

void seedVoltsAndOat() {
    sensorInputs.voltsRaw = (uint16_t)readPanelPosition("ScrollBar10");
    oatRaw = (uint16_t)readPanelPosition("ScrollBar11");
}

void seedRpm1() { sensorInputs.rpm1Raw = (uint16_t)moved("ScrollBar24"); }

void seedSimulatedPosition() {
    // x 10000 gives 1e-7 degree, as a later move of the control does.
    int32_t latitude = moved("ScrollBar39");
    convertSimulatedLatitude(latitude);
    int32_t longitude = moved("ScrollBar40");
    convertSimulatedLongitude(longitude);
}

// AHRS&Compass. The label shows the pitch as set, before the zero offset is taken off.
void ScrollBar1Change() { simPitch = (int16_t)(moved("ScrollBar1") - pitchZero); }
void ScrollBar2Change() { simBank = (int16_t)moved("ScrollBar2"); }
void ScrollBar3Change() { simSlip = (int16_t)moved("ScrollBar3"); }
void ScrollBar4Change() { simTurnRate = (int16_t)moved("ScrollBar4"); }

void ScrollBar6Change() {
    gForce = (float)(moved("ScrollBar6") * 0.1);  // tenths of g
    processGForce();
}

void ScrollBar5Change() { processHeading(moved("ScrollBar5")); }

// Flight Instruments/GPS.
void ScrollBar7Change() {
    altitudeFeet = moved("ScrollBar7");
    processAltitude();
}

void ScrollBar8Change() {
    airspeedInput = (uint32_t)moved("ScrollBar8");
    processAirspeed();
}

void ScrollBar9Change() {
    verticalSpeed = (int16_t)moved("ScrollBar9");  // ft/min; the step converts it
    processVerticalSpeed();
}

void ScrollBar35Change() {
    int32_t position = moved("ScrollBar35");
    convertSimulatedFix(position);
}

void ScrollBar36Change() {
    int32_t position = moved("ScrollBar36");
    convertSimulatedGroundSpeed(position);
}

void ScrollBar37Change() {
    int32_t position = moved("ScrollBar37");
    convertSimulatedTrack(position);
}

// Thousandths of a degree; x 10000 gives the receiver's 1e-7 degree over the whole globe.
void ScrollBar39Change() {
    int32_t position = moved("ScrollBar39");
    convertSimulatedLatitude(position);
}

void ScrollBar40Change() {
    int32_t position = moved("ScrollBar40");
    convertSimulatedLongitude(position);
}

// EMS: raw inputs only; the engine processing reads them every frame.
void ScrollBar11Change() { oatRaw = (uint16_t)moved("ScrollBar11"); }
void ScrollBar33Change() { sensorInputs.mapRaw = (uint16_t)moved("ScrollBar33"); }
void ScrollBar24Change() { sensorInputs.rpm1Raw = (uint16_t)moved("ScrollBar24"); }

void ScrollBar34Change() {
    rpm2 = moved("ScrollBar34");
    // The control works before the first power-on, when the full scale is still 0.
    uint32_t fullScale = unitSettings.rpm2FullScale;
    rpm2Percent = fullScale == 0 ? 0 : (int32_t)((int64_t)rpm2 * 100 / fullScale);
}

void ScrollBar10Change() { sensorInputs.voltsRaw = (uint16_t)moved("ScrollBar10"); }
void ScrollBar42Change() { sensorInputs.currentRaw = (uint16_t)moved("ScrollBar42"); }
void ScrollBar12Change() { sensorInputs.tcRaw[0] = (int16_t)moved("ScrollBar12"); }
void ScrollBar13Change() { sensorInputs.tcRaw[1] = (int16_t)moved("ScrollBar13"); }
void ScrollBar14Change() { sensorInputs.tcRaw[2] = (int16_t)moved("ScrollBar14"); }
void ScrollBar15Change() { sensorInputs.tcRaw[3] = (int16_t)moved("ScrollBar15"); }
void ScrollBar16Change() { sensorInputs.tcRaw[4] = (int16_t)moved("ScrollBar16"); }
void ScrollBar17Change() { sensorInputs.tcRaw[5] = (int16_t)moved("ScrollBar17"); }
void ScrollBar18Change() { sensorInputs.tcRaw[6] = (int16_t)moved("ScrollBar18"); }
void ScrollBar19Change() { sensorInputs.tcRaw[7] = (int16_t)moved("ScrollBar19"); }
void ScrollBar20Change() { sensorInputs.tcRaw[8] = (int16_t)moved("ScrollBar20"); }
void ScrollBar21Change() { sensorInputs.tcRaw[9] = (int16_t)moved("ScrollBar21"); }
void ScrollBar22Change() { sensorInputs.tcRaw[10] = (int16_t)moved("ScrollBar22"); }
void ScrollBar23Change() { sensorInputs.tcRaw[11] = (int16_t)moved("ScrollBar23"); }
void ScrollBar38Change() { sensorInputs.cjcRaw = (int16_t)moved("ScrollBar38"); }
void ScrollBar29Change() { sensorInputs.flow1Raw = (uint16_t)moved("ScrollBar29"); }
void ScrollBar31Change() { sensorInputs.flow2Raw = (uint16_t)moved("ScrollBar31"); }
void ScrollBar30Change() { sensorInputs.tank1Raw = (uint16_t)moved("ScrollBar30"); }
void ScrollBar32Change() { sensorInputs.tank2Raw = (uint16_t)moved("ScrollBar32"); }
void ScrollBar43Change() { sensorInputs.fuelPressureRaw = (uint16_t)moved("ScrollBar43"); }
void ScrollBar25Change() { sensorInputs.analogRaw[0] = (uint16_t)moved("ScrollBar25"); }
void ScrollBar26Change() { sensorInputs.analogRaw[1] = (uint16_t)moved("ScrollBar26"); }
void ScrollBar27Change() { sensorInputs.analogRaw[2] = (uint16_t)moved("ScrollBar27"); }
void ScrollBar28Change() { sensorInputs.analogRaw[3] = (uint16_t)moved("ScrollBar28"); }
