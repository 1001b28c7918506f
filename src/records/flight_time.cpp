#include "records/flight_time.h"

uint32_t flightTimeSeconds;
