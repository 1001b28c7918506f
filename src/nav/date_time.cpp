#include "nav/date_time.h"

static const int32_t daysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

int32_t daysInMonth(int32_t month, int32_t yearFrom1900) {
    static const int32_t length[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return length[month] + (month == 2 && yearFrom1900 % 4 == 0 ? 1 : 0);
}

int64_t dateTimeToSeconds(const DateTime& dt) {
    int64_t year = dt.year;
    int32_t month = dt.month < 1 ? 1 : dt.month > 12 ? 12 : dt.month;
    // Leap days since 1970, rounded down so that the years before 1969 come out right too.
    int64_t leapDays = year >= 69 ? (year - 69) / 4 : -((72 - year) / 4);
    int64_t days = (year - 70) * 365 + daysBeforeMonth[month] + ((int64_t)dt.day - 1) + leapDays;
    if (month > 2 && year % 4 == 0) days++;
    return dt.second + 60 * (int64_t)dt.minute + 3600 * (24 * days + dt.hour);
}

void secondsToDateTime(int64_t seconds, DateTime& dt) {
    if (seconds < firstConvertibleSecond) seconds = firstConvertibleSecond;
    if (seconds > lastConvertibleSecond) seconds = lastConvertibleSecond;
    // Days since 1901-01-01, which starts a four-year cycle of 365, 365, 365, 366 days.
    int64_t s = seconds - firstConvertibleSecond;
    int64_t days = s / 86400;
    int64_t rest = s % 86400;
    dt.hour = (uint8_t)(rest / 3600);
    dt.minute = (uint8_t)(rest / 60 % 60);
    dt.second = (uint8_t)(rest % 60);
    int64_t cycle = days / 1461;
    int64_t inCycle = days % 1461;
    int64_t yearInCycle = inCycle / 365;
    if (yearInCycle > 3) yearInCycle = 3; // the last day of the leap year
    int32_t year = (int32_t)(1 + 4 * cycle + yearInCycle);
    int32_t dayOfYear = (int32_t)(inCycle - 365 * yearInCycle);
    int32_t month = 1;
    while (month < 12 && dayOfYear >= daysInMonth(month, year))
        dayOfYear -= daysInMonth(month++, year);
    dt.year = (uint16_t)year;
    dt.month = (uint8_t)month;
    dt.day = (uint8_t)(dayOfYear + 1);
}
