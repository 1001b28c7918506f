// TEMPORARY: see pending_gps.h.
#include "airdata/pending_gps.h"

uint8_t gpsFixMode;
float autoMagVar;
