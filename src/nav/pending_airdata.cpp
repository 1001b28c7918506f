// TEMPORARY: see pending_airdata.h.
#include "nav/pending_airdata.h"

int16_t magneticHeading;
int16_t trueHeading;
