#include "links/autopilot.h"

uint8_t apEngaged;
