// The airdata state that the headless host can print.
#include "airdata/airdata.h"
#include "host/state_registry.h"

void registerAirdataState() {
    registerValue("altitudeFeet", altitudeFeet);
    registerValue("altitude", altitude);
    registerValue("densityAltitude", densityAltitude);
    registerValue("verticalSpeedFpm", verticalSpeedFpm);
    registerValue("verticalSpeed", verticalSpeed);
    registerValue("airspeedInput", airspeedInput);
    registerValue("indicatedAirspeedMph", indicatedAirspeedMph);
    registerValue("indicatedAirspeed", indicatedAirspeed);
    registerValue("trueAirspeedMph", trueAirspeedMph);
    registerValue("trueAirspeed", trueAirspeed);
    registerValue("glideRatio", glideRatio);
    registerValue("staticPressure", staticPressure);
    registerValue("gForce", gForce);
    registerValue("gNegativeLatch", gNegativeLatch);
    registerValue("gPositiveLatch", gPositiveLatch);
    registerValue("oatRaw", oatRaw);
    registerValue("oatCelsius", oatCelsius);
    registerValue("oat", oat);
    registerValue("pitchAngle", pitchAngle);
    registerValue("bankAngle", bankAngle);
    registerValue("slipValue", slipValue);
    registerValue("turnRate", turnRate);
    registerValue("simPitch", simPitch);
    registerValue("simBank", simBank);
    registerValue("simSlip", simSlip);
    registerValue("simTurnRate", simTurnRate);
    registerValue("magneticHeading", magneticHeading);
    registerValue("trueHeading", trueHeading);
    registerValue("flightActive", flightActive);
}
