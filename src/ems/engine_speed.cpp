#include "ems/engine_speed.h"

int32_t rpm1;
int32_t rpm2;
int32_t rpm2Percent;
