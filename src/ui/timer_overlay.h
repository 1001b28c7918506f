// The up/down timer the TIMER quick-menu window sets and the tick counts.
#pragma once
#include <cstdint>

extern uint32_t timerSeconds;  // timer value, seconds
extern uint32_t timerPreset;   // seconds loaded by RESET
extern uint8_t timerOn;        // 1: shown and counting
extern uint8_t timerUp;        // 1 counts up, 0 counts down
extern uint8_t timerRunning;   // 1 while started
