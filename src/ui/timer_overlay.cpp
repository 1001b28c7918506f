#include "ui/timer_overlay.h"

uint32_t timerSeconds;
uint32_t timerPreset;
uint8_t timerOn;
uint8_t timerUp;
uint8_t timerRunning;
