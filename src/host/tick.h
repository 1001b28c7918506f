// The periodic tick: blink phases, overlay time-out, scanning engine displays, the up/down
// timer and the engine clocks.
#pragma once
#include <cstdint>

// Timer1 interval. Twenty ticks make the slow block, so at 50 ms it runs once a second: the
// up/down timer counts seconds, Hobbs hundredths of an hour and maintenance minutes in real time.
constexpr int32_t tickPeriodMs = 50;
constexpr uint8_t ticksPerSlowBlock = 20;

extern uint32_t tickCount;                 // ticks since program start
extern uint8_t fastBlinkCounter;           // ticks towards the next fast blink change
extern uint8_t fastBlink;                  // fast blink phase, 0 or 1 (changes every 11 ticks)
extern uint8_t slowTickCounter;            // ticks towards the next slow block
extern uint8_t slowBlinkCounter;           // slow blocks within the slow blink cycle
extern uint8_t slowBlink;                  // slow blink phase, 0 or 1 (1 for 3 of 8 slow blocks)
extern uint8_t egtScanTimer;               // slow blocks since the last EGT scan step
extern uint8_t chtScanTimer;               // slow blocks since the last CHT scan step
extern uint8_t scanHoldCounter;            // slow blocks spent in a group that does not scan
extern uint8_t hobbsSecondCounter;         // slow blocks towards the next Hobbs hundredth
extern uint8_t maintenanceSecondCounter;   // slow blocks towards the next maintenance minute
extern uint8_t retainedStateDirty;         // 1 when a timer changed (nothing is stored)

// Scan time of index 0..6 in slow blocks; larger indexes read as 6.
uint8_t scanTimeBlocks(uint8_t index);

// Timer1's handler; runs whether the unit is on or off.
void Timer1Timer();
// The part of the tick that runs on every 20th tick.
void slowBlock();
