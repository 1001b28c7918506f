#include "nav/gps_state.h"

#include <cmath>
#include <cstring>

#include "host/gps_link.h"
#include "host/unit.h"
#include "airdata/airdata.h"
#include "records/persistence.h"
#include "records/records.h"

float gpsLatitude;
float gpsLongitude;
uint16_t gpsSpeedMph;
uint16_t groundSpeed;
int16_t gpsTrackTrue;
int16_t gpsTrackMagnetic;
int32_t gpsAltitudeMetres;
int32_t gpsAltitudeFeet;
uint8_t gpsFixMode;
uint8_t gpsPositionValid;
uint8_t satellitesUsed;
uint8_t usedPrn[usedPrnSlots];
float pdop;
float hdop;
float vdop;
uint8_t satellitesInView;
SatelliteInfo satellites[satelliteSlots];
int32_t horizontalAccuracyFeet;
int32_t verticalAccuracyFeet;
float autoMagVar;

PositionRecord internalPosition;
VelocityRecord internalVelocity;

constexpr double feetPerMetre = 3.28083989501;

int32_t wrapTrack(int64_t degrees) {
    int64_t t = degrees % 360;
    return (int32_t)(t < 0 ? t + 360 : t);
}

int32_t trackVariation() {
    if (gpsPositionValid == 1 && unitSettings.magVarMode == 0 && std::isfinite(autoMagVar) &&
        std::fabs(autoMagVar) < 360.0f)
        return (int32_t)autoMagVar;
    return unitSettings.manualMagVar;
}

static uint16_t clampSpeed(double v) {
    if (!(v > 0)) return 0;
    if (v >= 65535.0) return 65535;
    return (uint16_t)v;
}

void setGroundSpeeds(double mph, double kmh, double kts) {
    gpsSpeedMph = clampSpeed(mph);
    switch (unitSettings.speedUnit) {
    case 1:
        groundSpeed = clampSpeed(kmh);
        break;
    case 2:
        groundSpeed = clampSpeed(kts);
        break;
    default:
        groundSpeed = gpsSpeedMph;
        break;
    }
    if (groundSpeed > minMax.maxGroundSpeed) {
        minMax.maxGroundSpeed = groundSpeed;
        saveMinMax();
    }
}

void setMagneticTrack() {
    gpsTrackMagnetic = (int16_t)wrapTrack((int64_t)gpsTrackTrue - trackVariation());
    if (unitSettings.compassDisplay == 2) { // GPS TRACK: the compass shows the track
        magneticHeading = gpsTrackMagnetic;
        trueHeading = gpsTrackTrue;
    }
}

void updateInternalPosition() {
    gpsLongitude = (float)(internalPosition.lon * 1e-7);
    gpsLatitude = (float)(internalPosition.lat * 1e-7);
    gpsAltitudeMetres = internalPosition.heightMsl / 1000;
    gpsAltitudeFeet = (int32_t)(gpsAltitudeMetres * feetPerMetre);
    horizontalAccuracyFeet = (int32_t)(internalPosition.hAcc * 3.28084 * 0.001);
    verticalAccuracyFeet = (int32_t)(internalPosition.vAcc * 3.28084 * 0.001);
}

void updateInternalVelocity() {
    double cms = internalVelocity.groundSpeedCms;
    setGroundSpeeds(cms * 0.0223693629, cms * 0.036, cms * 0.0194384449);
    if (gpsSpeedMph < 5 && compassPresent)
        gpsTrackTrue = (int16_t)wrapTrack(trueHeading);
    else
        gpsTrackTrue = (int16_t)wrapTrack(internalVelocity.headingE5 / 10000 / 10);
    setMagneticTrack();
}

static int32_t clampPosition(int32_t position, int32_t limit) {
    return position < -limit ? -limit : position > limit ? limit : position;
}

// Thousandths of a degree into the record's 1e-7 degree.
void convertSimulatedLatitude(int32_t position) {
    internalPosition.lat = clampPosition(position, 90000) * 10000;
    updateInternalPosition();
}

void convertSimulatedLongitude(int32_t position) {
    internalPosition.lon = clampPosition(position, 180000) * 10000;
    updateInternalPosition();
}

void convertSimulatedFix(int32_t position) {
    gpsFixMode = (uint8_t)(position < 0 ? 0 : position > 3 ? 3 : position);
    gpsPositionValid = gpsFixMode >= 2 ? 1 : 0;
    gpsDataReceived = gpsPositionValid;
}

void convertSimulatedGroundSpeed(int32_t position) {
    internalVelocity.groundSpeedCms = position;
    updateInternalVelocity();
}

void convertSimulatedTrack(int32_t position) {
    internalVelocity.headingE5 = position;
    updateInternalVelocity();
}

void gpsPowerOn() {
    gpsPositionValid = 0;
    satellitesInView = 0;
}
