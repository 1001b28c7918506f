// Alarm words: one bit per alarm condition. A processing step raises its alarm by setting the
// bit in alarmFlags and clears it in both words, so that the next excursion alarms again.
#pragma once
#include <cstdint>

extern uint32_t alarmFlags;         // bits of the alarms now raised
extern uint32_t alarmAcknowledged;  // bits the pilot has acknowledged

constexpr uint32_t alarmOat = 0x8;             // OAT below its low or above its high alarm
constexpr uint32_t alarmAirspeed = 0x80000;    // above Vne, or below Vs1 in flight
constexpr uint32_t alarmGForce = 0x400000;     // G beyond its caution or high limit

inline void raiseAlarm(uint32_t bit) { alarmFlags |= bit; }
inline void clearAlarm(uint32_t bit) {
    alarmFlags &= ~bit;
    alarmAcknowledged &= ~bit;
}
inline void setAlarm(uint32_t bit, bool raised) {
    if (raised) raiseAlarm(bit);
    else clearAlarm(bit);
}
