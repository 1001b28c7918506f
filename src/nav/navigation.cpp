#include "nav/navigation.h"

// No leg is active from program start; power-on clears navActive again.
uint8_t navActive;
int16_t bearingToWaypoint;
int16_t magBearingToWaypoint;
int32_t crossTrackError;
