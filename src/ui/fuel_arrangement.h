// The fuel arrangement: one code 0..14 summing up the flow senders and tank modes, read by the
// fuel displays, the quick menus and the fuel totals window.
#pragma once
#include <cstdint>

extern uint8_t fuelArrangement;  // arrangement code 0..14

// Derives fuelArrangement from the fuel settings (and, for some arrangements, adjusts the
// litre resolution or copies the K-factor of the sender that is on to the other one).
void deriveFuelArrangement();
// 1 when a quick menu offers FUEL REFILL: a calculated tank in an arrangement that refills.
uint8_t fuelRefillOffered();
