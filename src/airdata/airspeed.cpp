// Indicated and true airspeed, the airspeed alarm and the glide ratio.
#include "airdata/airdata.h"
#include "ems/alarms.h"
#include "records/persistence.h"
#include "records/records.h"

uint32_t airspeedInput;
uint16_t indicatedAirspeedMph;
uint16_t indicatedAirspeed;
uint16_t trueAirspeedMph;
uint16_t trueAirspeed;
int16_t glideRatio;

static uint16_t mphToSpeedUnit(uint32_t mph) {
    switch (unitSettings.speedUnit) {
    case 1: return (uint16_t)(mph * 1609u / 1000u);  // km/h
    case 2: return (uint16_t)(mph * 869u / 1000u);   // kts
    default: return (uint16_t)mph;
    }
}

void processAirspeed() {
    // The control gives whole mph; above the range the reading stops, below 20 it reads 0.
    uint32_t input = airspeedInput > 100000u ? 100000u : airspeedInput;
    int32_t ias = roundTenth((int32_t)(input * 10.0));
    if (ias > 350) ias = 350;
    if (ias < 20) ias = 0;
    indicatedAirspeedMph = (uint16_t)ias;

    // 1.75 % more per 1000 ft; the altitude is taken in whole hundreds of feet first.
    int32_t tas = (int32_t)(ias + (int64_t)ias * 175 * (altitudeFeet / 100) / 100000);
    trueAirspeedMph = (uint16_t)tas;

    indicatedAirspeed = mphToSpeedUnit(indicatedAirspeedMph);
    trueAirspeed = mphToSpeedUnit(trueAirspeedMph);

    if (indicatedAirspeed > minMax.maxIas) {
        minMax.maxIas = indicatedAirspeed;
        saveMinMax();
    }
    // Vne and Vs1 are set in the speed unit.
    bool overspeed = indicatedAirspeed > unitSettings.vne && unitSettings.vneAlarmOn == 1;
    bool stall = indicatedAirspeed < unitSettings.vs1 && unitSettings.vsAlarmOn == 1 && flightActive == 1;
    setAlarm(alarmAirspeed, overspeed || stall);

    // Distance per height in tenths; a level flight keeps the last ratio. The ratio is clamped
    // before it is narrowed: a slow climb gives far more than 16 bits hold.
    uint32_t feetPerMinute = (uint32_t)trueAirspeedMph * 5280u / 60u;
    int32_t vs = verticalSpeedFpm < 0 ? -(int32_t)verticalSpeedFpm : verticalSpeedFpm;
    if (vs > 0) {
        uint32_t ratio = feetPerMinute * 10u / (uint32_t)vs;
        glideRatio = (int16_t)(ratio > 999u ? 999u : ratio);
    }
}
