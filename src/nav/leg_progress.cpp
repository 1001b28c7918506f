#include "nav/leg_progress.h"

#include <cmath>
#include <cstdio>

#include "host/clock.h"
#include "nav/gps_state.h"
#include "records/records.h"

char activeWaypointName[waypointNameSize];
uint32_t distanceKm;
int32_t eteSeconds;

uint32_t kmToDistanceUnit(uint32_t km) {
    switch (unitSettings.speedUnit) {
    case 1: return km;
    case 2: return (uint32_t)((double)km * 0.5399);
    default: return (uint32_t)((double)km * 0.6214);  // statute miles, also for a unit out of range
    }
}

static bool timesKnown() { return gpsSpeedMph != 0 && gpsPositionValid == 1; }

void formatEte(char* text, size_t size) {
    if (!timesKnown()) {
        std::snprintf(text, size, "--:--");
        eteSeconds = 0;
        return;
    }
    float hours = (float)((double)distanceKm * 0.6214 / gpsSpeedMph);
    float h = std::trunc(hours);
    int32_t m = (int32_t)((hours - h) * 60.0f);
    if (h > 99.0f) std::snprintf(text, size, "--:--");
    else std::snprintf(text, size, "%d:%02d", (int)h, (int)m);
    // A leg of thousands of hours still gives a time of arrival the clock can convert.
    double seconds = 3600.0 * h + 60.0 * m;
    eteSeconds = seconds > 2147483647.0 ? 2147483647 : (int32_t)seconds;
}

void formatEta(char* text, size_t size) {
    if (!timesKnown()) {
        std::snprintf(text, size, "--:--");
        eteSeconds = 0;
        return;
    }
    DateTime arrival;
    secondsToDateTime(localSeconds + eteSeconds, arrival);
    std::snprintf(text, size, "%02d:%02d", (int)arrival.hour, (int)arrival.minute);
}
