#include "ems/fuel_range.h"

// Zero from program start, as the computation gives with no fuel on board.
uint16_t fuelEnduranceMinutes;
uint16_t fuelRange;
int32_t fuelAtWaypoint;
