#include "host/clock.h"

#include "host/platform.h"
#include "records/records.h"

DateTime utcDateTime;
DateTime localDateTime;
int64_t utcSeconds;
int64_t localSeconds;

void setClockFromUtc(const DateTime& utc) {
    utcSeconds = dateTimeToSeconds(utc);
    utcDateTime = utc;
    utcDateTime.year = (uint16_t)(utc.year + 1900);
    localSeconds = utcSeconds + 60 * (int64_t)unitSettings.utcOffset;
    secondsToDateTime(localSeconds, localDateTime);
    localDateTime.year = (uint16_t)(localDateTime.year + 1900);
}

void readHostClock() {
    DateTime utc;
    secondsToDateTime(platform->utcNow(), utc);
    setClockFromUtc(utc);
}
