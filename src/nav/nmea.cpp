#include "nav/nmea.h"

#include <cmath>
#include <cstring>

#include "host/clock.h"
#include "host/gps_link.h"
#include "nav/gps_state.h"
#include "records/records.h"

// The decoders do not split the text: they keep a character index into it and skip a field by
// moving just past its comma. An index never passes the text's end, and a field missing at the end
// reads as empty.
namespace {

constexpr double feetPerMetre = 3.28083989501;

struct Text {
    const char* s;
    int32_t length; // up to the terminator, never more than a mailbox holds
};

Text textOf(const char* sentence) {
    int32_t n = 0;
    while (n < nmeaBodyMax && sentence[n])
        n++;
    return {sentence, n};
}

void skipField(const Text& t, int32_t& i) {
    while (i < t.length && t.s[i] != ',')
        i++;
    if (i < t.length) i++;
}

bool atFieldEnd(const Text& t, int32_t i) { return i >= t.length || t.s[i] == ','; }

// The field's only character, or 0 when the field is empty or longer than one character.
char fieldLetter(const Text& t, int32_t i) {
    if (atFieldEnd(t, i) || !atFieldEnd(t, i + 1)) return 0;
    return t.s[i];
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number of the form [+-]digits[.digits] filling the whole field, read the same in every locale.
// Anything else (empty, letters, exponents, "nan", hexadecimal, more than nine integer digits)
// is not a number, and the caller keeps its value.
bool readNumber(const Text& t, int32_t i, double& out) {
    bool negative = false;
    if (i < t.length && (t.s[i] == '+' || t.s[i] == '-')) negative = t.s[i++] == '-';
    if (i >= t.length || !isDigit(t.s[i])) return false;
    int64_t mantissa = 0;
    int32_t significant = 0; // integer digits after the leading zeros
    int32_t scale = 0;       // fraction digits kept in the mantissa
    for (; i < t.length && isDigit(t.s[i]); i++) {
        if (mantissa == 0 && t.s[i] == '0') continue;
        if (++significant > 9) return false;
        mantissa = mantissa * 10 + (t.s[i] - '0');
    }
    if (i < t.length && t.s[i] == '.') {
        for (i++; i < t.length && isDigit(t.s[i]); i++)
            if (scale < 9) {
                mantissa = mantissa * 10 + (t.s[i] - '0');
                scale++;
            }
    }
    if (!atFieldEnd(t, i)) return false;
    double v = (double)mantissa;
    static const double powers[10] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    v /= powers[scale];
    out = negative ? -v : v;
    return true;
}

// Two decimal digits at a fixed position, only inside the text.
bool readTwoDigits(const Text& t, int32_t i, int32_t& out) {
    if (i + 1 >= t.length || !isDigit(t.s[i]) || !isDigit(t.s[i + 1])) return false;
    out = (t.s[i] - '0') * 10 + (t.s[i + 1] - '0');
    return true;
}

// A latitude or longitude field with its hemisphere letter. Out of range (beyond the limit in
// degrees, or minutes of 60 and more) or a missing hemisphere counts as empty.
bool readAngle(const Text& t, int32_t& i, char negativeLetter, char positiveLetter, double limit,
               double& degrees) {
    double raw;
    bool ok = readNumber(t, i, raw);
    skipField(t, i);
    char hemisphere = fieldLetter(t, i);
    skipField(t, i);
    if (!ok || raw < 0 || (hemisphere != negativeLetter && hemisphere != positiveLetter)) return false;
    if (raw - 100.0 * std::trunc(raw * 0.01) >= 60.0) return false;
    double d = nmeaToDegrees(hemisphere == negativeLetter ? -raw : raw);
    if (std::fabs(d) > limit) return false;
    degrees = d;
    return true;
}

// A satellite count or PRN-like field as a whole number clamped into 0..limit.
bool readCount(const Text& t, int32_t i, int32_t limit, int32_t& out) {
    double v;
    if (!readNumber(t, i, v)) return false;
    out = v < 0 ? 0 : v > limit ? limit : (int32_t)v;
    return true;
}

// A sentence without a time (a comma at index 6 or 7, or the text ending there) is ignored.
bool hasTime(const Text& t) { return t.length > 7 && t.s[6] != ',' && t.s[7] != ','; }

} // namespace

double nmeaToDegrees(double x) {
    double d = std::trunc(x * 0.01);
    return d + (x - 100.0 * d) / 60.0;
}

void decodeRmc(const char* sentence) {
    Text t = textOf(sentence);
    if (!hasTime(t)) return;
    int32_t hour = 0, minute = 0, second = 0;
    bool timeOk = readTwoDigits(t, 6, hour) && readTwoDigits(t, 8, minute) && readTwoDigits(t, 10, second) &&
                  hour < 24 && minute < 60 && second < 60;
    int32_t i = 6;
    skipField(t, i);
    // Only status A is a fix; a receiver without one sends V with empty or placeholder positions.
    bool valid = fieldLetter(t, i) == 'A';
    skipField(t, i);
    double lat = 0, lon = 0;
    bool latOk = readAngle(t, i, 'S', 'N', 90.0, lat);
    bool lonOk = readAngle(t, i, 'W', 'E', 180.0, lon);
    double knots = 0, track = 0;
    bool speedOk = readNumber(t, i, knots);
    skipField(t, i);
    bool trackOk = readNumber(t, i, track);
    skipField(t, i);
    int32_t day = 0, month = 0, year = 0;
    bool dateOk = readTwoDigits(t, i, day) && readTwoDigits(t, i + 2, month) &&
                  readTwoDigits(t, i + 4, year) && atFieldEnd(t, i + 6) && day >= 1 &&
                  day <= daysInMonth(month, 100 + year);

    if (valid) {
        if (latOk && lonOk) {
            gpsLatitude = (float)lat;
            gpsLongitude = (float)lon;
        }
        if (speedOk) setGroundSpeeds(knots * 1.15077945, knots * 1.852, knots);
        if (trackOk) gpsTrackTrue = (int16_t)wrapTrack((int64_t)std::trunc(track));
        setMagneticTrack();
    }
    if (unitSettings.rtcSource == 1 && timeOk && dateOk) {
        DateTime utc = {(uint8_t)second, (uint8_t)minute, (uint8_t)hour,
                        (uint8_t)day,    (uint8_t)month,  (uint16_t)(100 + year)};
        setClockFromUtc(utc);
    }
}

void decodeGga(const char* sentence) {
    Text t = textOf(sentence);
    if (!hasTime(t)) return;
    int32_t i = 6;
    for (int32_t k = 0; k < 5; k++)
        skipField(t, i); // time, latitude, N/S, longitude, E/W
    // Quality 0 (or none) is a receiver without a fix, whose altitude is a placeholder.
    bool fix = !atFieldEnd(t, i) && t.s[i] >= '1' && t.s[i] <= '9';
    skipField(t, i);
    int32_t used;
    if (readCount(t, i, 255, used)) satellitesUsed = (uint8_t)used;
    skipField(t, i);
    skipField(t, i); // HDOP
    double metres;
    if (fix && readNumber(t, i, metres) && std::fabs(metres) <= 1e6) {
        float m = (float)metres;
        gpsAltitudeMetres = (int32_t)m;
        gpsAltitudeFeet = (int32_t)(m * feetPerMetre);
    }
}

void decodeGsa(const char* sentence) {
    Text t = textOf(sentence);
    int32_t i = 6;
    skipField(t, i);           // selection mode
    if (i >= t.length) return; // no fix field at all
    // Anything but 1, 2 or 3 is no fix: an empty field must not mark the position valid.
    char fix = t.s[i];
    gpsFixMode = (fix == '2' || fix == '3') && atFieldEnd(t, i + 1) ? (uint8_t)(fix - '0') : 1;
    gpsPositionValid = gpsFixMode >= 2 ? 1 : 0;
    skipField(t, i);
    std::memset(usedPrn, 0, sizeof usedPrn);
    int32_t next = 0;
    for (int32_t k = 0; k < usedPrnSlots; k++) {
        int32_t prn;
        if (readCount(t, i, 1000, prn) && prn >= 1 && prn <= 255) usedPrn[next++] = (uint8_t)prn;
        skipField(t, i);
    }
    float* dops[3] = {&pdop, &hdop, &vdop};
    for (float* dop : dops) {
        double v;
        if (readNumber(t, i, v) && v >= 0) *dop = (float)v;
        skipField(t, i);
    }
}

void decodeGsv(const char* sentence) {
    Text t = textOf(sentence);
    int32_t i = 6;
    skipField(t, i); // number of messages
    int32_t message, inView;
    if (!readCount(t, i, 1000, message)) return;
    skipField(t, i);
    if (!readCount(t, i, 255, inView)) return;
    satellitesInView = (uint8_t)inView;
    for (int32_t k = inView; k < satelliteSlots; k++)
        satellites[k] = SatelliteInfo{};
    if (message < 1) return;
    int32_t slot = 4 * (message - 1);
    int32_t groups = inView - slot;
    if (groups > 4) groups = 4;
    for (int32_t g = 0; g < groups && slot < satelliteSlots; g++, slot++) {
        skipField(t, i);
        if (i >= t.length) break; // the sentence ends before this group
        // Within a group an empty field is unknown: 0, as for a satellite not tracked.
        int32_t prn = 0, elevation = 0, snr = 0;
        double azimuth = 0;
        if (readCount(t, i, 1000, prn) && prn > 255) prn = 0;
        skipField(t, i);
        readCount(t, i, 90, elevation);
        skipField(t, i);
        if (!readNumber(t, i, azimuth)) azimuth = 0;
        skipField(t, i);
        readCount(t, i, 99, snr);
        SatelliteInfo& s = satellites[slot];
        s.prn = (uint8_t)prn;
        s.elevation = (uint8_t)elevation;
        s.azimuth = (uint16_t)wrapTrack((int64_t)std::trunc(azimuth));
        s.snr = (uint8_t)snr;
    }
}
