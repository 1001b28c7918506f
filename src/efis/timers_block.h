// The timers over the lower left of the EFIS attitude picture: the up/down timer while it is
// on, the flight time, and the local time.
#pragma once

void drawTimersBlock();
