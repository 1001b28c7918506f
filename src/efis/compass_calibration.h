// State of the in-flight compass calibration, started and stopped from COMPASS SETUP; the main
// screen shows its progress in the calibration box while it runs.
#pragma once
#include <cstdint>

extern uint8_t compassCalActive;  // 1 while an in-flight calibration runs
extern uint16_t compassCalCount;  // samples taken so far
extern uint16_t compassCalFit;    // quality of the fit, 0.1 %

// The box in the middle of the screen: "COMPASS CALIBRATION", the count and the fit.
void drawCompassCalBox();
