#include "ems/volts.h"

uint16_t volts;
