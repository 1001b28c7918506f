// The navigation information block beside an HSI: the waypoint's name over the rows ETA, ETE,
// TRK, DTW and CRS.
#pragma once
#include <cstdint>

// Name centred at (x, y); labels at x - 40 and values at x + 5 on the five rows below it.
void drawNavInfo(int16_t x, int16_t y);
