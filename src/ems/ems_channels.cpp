#include "ems/ems_channels.h"

int32_t rpm1;
int32_t rpm2;
