#include "host/tick.h"

uint32_t tickCount;
uint8_t fastBlink;
uint8_t slowBlink;

void Timer1Timer() { tickCount++; }
