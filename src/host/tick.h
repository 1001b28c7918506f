// The periodic tick: blink phases and the engine clocks.
#pragma once
#include <cstdint>

constexpr int32_t tickPeriodMs = 100;  // Timer1 interval (milliseconds)

extern uint32_t tickCount;  // ticks since program start
extern uint8_t fastBlink;   // fast blink phase, 0 or 1
extern uint8_t slowBlink;   // slow blink phase, 0 or 1

// Timer1's handler; runs whether the unit is on or off.
void Timer1Timer();
