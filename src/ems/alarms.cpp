#include "ems/alarms.h"

uint32_t alarmFlags;
uint32_t alarmAcknowledged;
