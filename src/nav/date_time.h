// Calendar date-time records and their conversion to and from seconds since 1970-01-01 00:00.
#pragma once
#include <cstdint>

struct DateTime {
    uint8_t second; // 0..59
    uint8_t minute; // 0..59
    uint8_t hour;   // 0..23
    uint8_t day;    // day of month 1..31
    uint8_t month;  // 1..12
    uint16_t year;  // years since 1900 while converting, the calendar year when stored
};

// Second counts are 64-bit: 32 bits run out in January 2038 while dates up to 2099 are valid.
// The every-fourth-year leap rule makes both conversions exact from 1901 to 2099.
constexpr int64_t firstConvertibleSecond = -2177452800LL; // 1901-01-01 00:00:00
constexpr int64_t lastConvertibleSecond = 4102444799LL;   // 2099-12-31 23:59:59

// dt.year counts from 1900. A month outside 1..12 is taken as the nearest valid month.
int64_t dateTimeToSeconds(const DateTime& dt);
// The inverse, with year counted from 1900; counts outside 1901..2099 are clamped to that range.
void secondsToDateTime(int64_t seconds, DateTime& dt);
// Days in a month of a year counted from 1900 (every fourth year a leap year); 0 for a bad month.
int32_t daysInMonth(int32_t month, int32_t yearFrom1900);
