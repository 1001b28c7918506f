// The nav state that the headless host can print.
#include "host/state_registry.h"
#include "nav/navigation.h"

void registerNavState() {
    registerValue("navActive", navActive);
    registerValue("bearingToWaypoint", bearingToWaypoint);
    registerValue("magBearingToWaypoint", magBearingToWaypoint);
    registerValue("crossTrackError", crossTrackError);
}
