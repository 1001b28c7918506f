// The simulated sensor panel: the raw readings its scroll bars write and the change handler of
// each scroll bar, named after its control. Both hosts call these handlers; a handler reads its
// control through the platform, stores the input, shows the position in its label and, for the
// flight inputs, runs the air-data step at once.
#pragma once
#include <cstdint>

// Raw engine readings in the units the sensor hardware delivers.
struct SensorInputs {
    uint16_t rpm1Raw;          // RPM 1 pulse rate, pulses per minute
    uint16_t rpm2Raw;          // RPM 2 pulse input (sensor information page only)
    int16_t tcRaw[12];         // thermocouples, degrees C above the cold junction
    uint16_t flow1Raw;         // fuel flow sender 1 pulses
    uint16_t flow2Raw;         // fuel flow sender 2 pulses
    uint16_t injector1Raw;     // injector duty input 1
    uint16_t injector2Raw;     // injector duty input 2
    uint16_t analogRaw[4];     // analog inputs 1..4, ADC counts
    uint16_t analogAuxRaw;     // spare analog reading, ADC counts
    uint16_t tank1Raw;         // tank sender 1, ADC counts
    uint16_t tank2Raw;         // tank sender 2, ADC counts
    uint16_t voltsRaw;         // supply voltage, ADC counts
    int16_t cjcRaw;            // cold-junction temperature, degrees C
    uint16_t mapRaw;           // manifold pressure sensor, ADC counts
    uint16_t fuelPressureRaw;  // fuel pressure sender, ADC counts
    uint16_t currentRaw;       // main current shunt amplifier, ADC counts
};

extern SensorInputs sensorInputs;  // all zero until a control moves

// The simulated GPS receiver as the panel sets it; the GPS state converts these.
extern uint8_t simGpsFix;           // fix control: 0..3 (2 and 3 are a position fix)
extern int32_t simGroundSpeedCms;   // ground speed, cm/s
extern int32_t simTrackE5;          // track over ground, 1/100000 degree
extern int32_t simLatitudeE7;       // latitude, 1e-7 degree, north positive
extern int32_t simLongitudeE7;      // longitude, 1e-7 degree, east positive

// A control's position read through the platform and kept inside the control's range, so that
// no platform value can push an input beyond what the scroll bar could give.
int32_t readPanelPosition(const char* controlName);
// Shows a control's position in its value label, as its handler does.
void showPanelPosition(const char* controlName, int32_t position);

// Seeds of the power-on sequence, read from the panel's present positions.
void seedVoltsAndOat();      // ScrollBar10, ScrollBar11
void seedRpm1();             // ScrollBar24 and Label48
void seedSimulatedPosition();  // ScrollBar39, ScrollBar40 and their labels

// AHRS&Compass.
void ScrollBar1Change();   // pitch
void ScrollBar2Change();   // bank
void ScrollBar3Change();   // slip
void ScrollBar4Change();   // turn
void ScrollBar6Change();   // G-force
void ScrollBar5Change();   // heading
// Flight Instruments/GPS.
void ScrollBar7Change();   // altitude
void ScrollBar8Change();   // airspeed
void ScrollBar9Change();   // vertical speed
void ScrollBar35Change();  // GPS fix
void ScrollBar36Change();  // GPS ground speed
void ScrollBar37Change();  // GPS track
void ScrollBar39Change();  // GPS latitude
void ScrollBar40Change();  // GPS longitude
// EMS.
void ScrollBar11Change();  // OAT
void ScrollBar33Change();  // MAP
void ScrollBar24Change();  // RPM 1
void ScrollBar34Change();  // rotor (RPM 2)
void ScrollBar10Change();  // volts
void ScrollBar42Change();  // current
void ScrollBar12Change();  // TC1 .. TC12
void ScrollBar13Change();
void ScrollBar14Change();
void ScrollBar15Change();
void ScrollBar16Change();
void ScrollBar17Change();
void ScrollBar18Change();
void ScrollBar19Change();
void ScrollBar20Change();
void ScrollBar21Change();
void ScrollBar22Change();
void ScrollBar23Change();
void ScrollBar38Change();  // CJC
void ScrollBar29Change();  // fuel flow 1
void ScrollBar31Change();  // fuel flow 2
void ScrollBar30Change();  // fuel level 1
void ScrollBar32Change();  // fuel level 2
void ScrollBar43Change();  // fuel pressure
void ScrollBar25Change();  // analog inputs 1..4
void ScrollBar26Change();
void ScrollBar27Change();
void ScrollBar28Change();
