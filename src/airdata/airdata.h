// Air data, attitude, heading and acceleration: the flight inputs of the sensor panel turned
// into the quantities the flight instruments draw, with their min/max records and alarm bits.
#pragma once
#include <cstdint>

// Altitude.
extern int32_t altitudeFeet;         // altitude input, ft (-2000..30000 from the panel)
extern int32_t altitude;             // altitude in altitudeUnit, rounded to the resolution step
extern int32_t densityAltitude;      // density altitude in altitudeUnit

// Vertical speed.
extern int16_t verticalSpeedFpm;     // vertical speed, ft/min
extern int16_t verticalSpeed;        // the panel stores ft/min here; after the step: vsiUnit (ft/min or cm/s)

// Airspeed.
extern uint32_t airspeedInput;         // airspeed control position, mph
extern uint16_t indicatedAirspeedMph;  // IAS, mph (0 or 20..350)
extern uint16_t indicatedAirspeed;     // IAS in speedUnit
extern uint16_t trueAirspeedMph;       // TAS, mph
extern uint16_t trueAirspeed;          // TAS in speedUnit
extern int16_t glideRatio;             // distance flown per height changed, tenths (0..999)
extern int32_t staticPressure;         // static air pressure, whole mb; no sensor fills it, so 0

// Normal acceleration.
extern float gForce;                 // g
extern uint8_t gNegativeLatch;       // 1 while G is below the negative cycle threshold
extern uint8_t gPositiveLatch;       // 1 while G is above the positive cycle threshold

// Outside air temperature.
extern uint16_t oatRaw;              // OAT sensor, ADC counts 0..4095
extern int16_t oatCelsius;           // degrees C, calibration offset included
extern int16_t oat;                  // in oatUnit (degrees C or F)

// Attitude: what the instruments draw, and what the panel last set.
extern int16_t pitchAngle;           // degrees
extern int16_t bankAngle;            // degrees
extern int16_t slipValue;            // raw slip-ball value of the attitude source
extern int16_t turnRate;             // raw turn-rate value of the attitude source
extern int16_t simPitch;             // degrees, pitch zero offset taken off
extern int16_t simBank;              // degrees
extern int16_t simSlip;              // raw slip units
extern int16_t simTurnRate;          // raw turn-rate units

// Heading.
extern int16_t magneticHeading;      // degrees 0..359 after the compass filter
extern int16_t trueHeading;          // degrees 0..360, magnetic plus variation

extern uint8_t flightActive;         // 1 between START FLIGHT and STOP FLIGHT

// Samples the compass filter averages at most: the HIGH setting's window.
constexpr int32_t compassWindow = 12;

// Steps run by the panel handlers after storing the new input.
void processAltitude();
void processVerticalSpeed();
void processAirspeed();
void processGForce();
void processHeading(int32_t position);  // heading control position, degrees 0..359
// Once per frame, before the page.
void processOat();
// Once per frame when the serial port is closed: the panel's attitude becomes the unit's.
void copyAttitude();

// c x 18 / 10 + 32 in integer arithmetic.
int16_t celsiusToFahrenheit(int16_t celsius);
// x / 10 rounded half away from zero.
int32_t roundTenth(int32_t x);
