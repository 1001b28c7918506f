// The bus voltage, measured by the engine processing each frame.
#pragma once
#include <cstdint>

extern uint16_t volts;  // bus voltage, 0.1 V; 0 from program start until the volts step measures it
