// The nav state that the headless host can print.
#include <cstddef>
#include <deque>
#include <string>

#include "host/state_registry.h"
#include "nav/gps_state.h"
#include "nav/leg_progress.h"
#include "nav/navigation.h"

static std::deque<std::string> slotNames; // "satellites[3].azimuth", built once at start-up

static const char* slotName(int32_t slot, const char* field) {
    slotNames.push_back("satellites[" + std::to_string(slot) + "]." + field);
    return slotNames.back().c_str();
}

void registerNavState() {
    registerValue("navActive", navActive);
    registerValue("bearingToWaypoint", bearingToWaypoint);
    registerValue("magBearingToWaypoint", magBearingToWaypoint);
    registerValue("crossTrackError", crossTrackError);
    registerValue("activeWaypointName", activeWaypointName);
    registerValue("distanceKm", distanceKm);
    registerValue("eteSeconds", eteSeconds);
    registerValue("gpsLatitude", gpsLatitude);
    registerValue("gpsLongitude", gpsLongitude);
    registerValue("gpsSpeedMph", gpsSpeedMph);
    registerValue("groundSpeed", groundSpeed);
    registerValue("gpsTrackTrue", gpsTrackTrue);
    registerValue("gpsTrackMagnetic", gpsTrackMagnetic);
    registerValue("gpsAltitudeMetres", gpsAltitudeMetres);
    registerValue("gpsAltitudeFeet", gpsAltitudeFeet);
    registerValue("gpsFixMode", gpsFixMode);
    registerValue("gpsPositionValid", gpsPositionValid);
    registerValue("satellitesUsed", satellitesUsed);
    registerValue("usedPrn", usedPrn);
    registerValue("pdop", pdop);
    registerValue("hdop", hdop);
    registerValue("vdop", vdop);
    registerValue("satellitesInView", satellitesInView);
    for (int32_t i = 0; i < satelliteSlots; i++) {
        registerValue(slotName(i, "prn"), satellites[i].prn);
        registerValue(slotName(i, "elevation"), satellites[i].elevation);
        registerValue(slotName(i, "azimuth"), satellites[i].azimuth);
        registerValue(slotName(i, "snr"), satellites[i].snr);
    }
    registerValue("horizontalAccuracyFeet", horizontalAccuracyFeet);
    registerValue("verticalAccuracyFeet", verticalAccuracyFeet);
    registerValue("autoMagVar", autoMagVar);
    REGISTER_FIELD(internalPosition, lon);
    REGISTER_FIELD(internalPosition, lat);
    REGISTER_FIELD(internalPosition, heightMsl);
    REGISTER_FIELD(internalVelocity, groundSpeedCms);
    REGISTER_FIELD(internalVelocity, headingE5);
}
