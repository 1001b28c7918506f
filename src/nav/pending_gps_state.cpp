// TEMPORARY: see pending_gps_state.h.
#include "nav/pending_gps_state.h"

uint16_t groundSpeed;
int16_t gpsTrackTrue;
int16_t gpsTrackMagnetic;
uint8_t gpsPositionValid;  // no position until the GPS says so
