// Power-on sequence and frame loop of the unit, platform-neutral.
#pragma once
#include <cstdint>

// Host state flags, copied from the check boxes at the top of every frame.
extern uint8_t alarmsEnabled;     // 1 when alarms are active
extern uint8_t ahrsPresent;       // 1 when the attitude sensor is present
extern uint8_t compassPresent;    // 1 when the compass is present
extern uint8_t sdCardMounted;     // 1 when the memory card is in
extern uint8_t telmConnected;     // 1 when engine data arrives
extern uint8_t calibrateEnabled;  // 1 when the calibration items are offered
extern uint8_t altSensorStatus;   // 2 working, 0 failed
extern uint8_t asiSensorStatus;   // 2 working, 0 failed

extern uint8_t alarmLamp;        // 1 while an alarm is being shown
extern uint8_t powerOffRequest;  // ends the frame loop when non-zero
extern uint8_t unitRunning;      // 1 from "&On" until the frame loop has ended
extern uint8_t hostClosing;      // the window is closing: start-up screens end at once
extern uint32_t frameCount;      // frames run since the program started
// The serial number shown on the splash is calibration.serialNumber, by its plain name through
// records/working_state.h (not included here, so that the Qt window's files stay free of it).

constexpr float firmwareVersion = 3.06f;

// "&On": runs the power-on sequence and the frame loop; returns when the loop ends.
// Ignored while the unit already runs (a nested second loop would start otherwise).
void Button1Click();
// "&Off", closing the window and "&File"/"&Exit".
void Button2Click();
void FormClose();
void Exit1Click();

// One pass of the frame loop; Button1Click runs it while powerOffRequest is 0.
void runFrame();
