// The transponder's state as the unit knows it: the mode set on the transponder overlay and
// what the transponder link reports back.
#pragma once
#include <cstdint>

constexpr uint8_t transponderModeCount = 5;  // 0 OFF, 1 STBY, 2 GND, 3 ON, 4 ALT

extern uint8_t transponderMode;    // 0 OFF, 1 STBY, 2 GND, 3 ON, 4 ALT; 0 at power-on
extern uint8_t identRequest;       // 1 asks the link for IDENT; 0 at power-on
extern uint8_t identActive;        // 1 while the transponder squawks IDENT; 0 at power-on
extern int16_t transponderReply;   // non-zero while the transponder replies
extern uint8_t transponderLinkOk;  // 1 while the transponder answers the link
