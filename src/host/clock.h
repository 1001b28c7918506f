// The unit's clock records: set from the host clock every frame, and from the GPS when the
// clock source is GPS and an RMC sentence carries a whole date and time.
#pragma once
#include <cstdint>

#include "nav/date_time.h"

extern DateTime utcDateTime;   // UTC, calendar year
extern DateTime localDateTime; // local time (UTC plus utcOffset), calendar year
extern int64_t utcSeconds;     // the UTC instant, seconds since 1970-01-01 00:00
extern int64_t localSeconds;   // utcSeconds plus utcOffset minutes

// Sets all four from a UTC date-time whose year counts from 1900.
void setClockFromUtc(const DateTime& utc);
// Frame-loop step: reads the host's calendar time as UTC.
void readHostClock();
