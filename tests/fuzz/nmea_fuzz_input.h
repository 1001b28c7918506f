// One fuzz input through the GPS link and the decoders, as the fuzzer and the regression test run
// it. The first four bytes choose the settings the decoders read; the rest goes down the serial
// line as it stands, then line by line with a correct checksum added (so that random text reaches
// the decoders), then straight into every decoder. Any state out of its range stops the program.
#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "host/clock.h"
#include "host/gps_link.h"
#include "nav/gps_state.h"
#include "nav/nmea.h"
#include "records/records.h"

inline void nmeaFuzzCheck(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "GPS state out of range: %s\n", what);
    std::abort();
}

inline void nmeaFuzzCheckState() {
    nmeaFuzzCheck(std::isfinite(gpsLatitude) && std::fabs(gpsLatitude) <= 90.0f, "latitude");
    nmeaFuzzCheck(std::isfinite(gpsLongitude) && std::fabs(gpsLongitude) <= 180.0f, "longitude");
    nmeaFuzzCheck(gpsTrackTrue >= 0 && gpsTrackTrue < 360, "true track");
    nmeaFuzzCheck(gpsTrackMagnetic >= 0 && gpsTrackMagnetic < 360, "magnetic track");
    nmeaFuzzCheck(gpsFixMode <= 3 && gpsPositionValid == (gpsFixMode >= 2 ? 1 : 0), "fix mode");
    nmeaFuzzCheck(std::isfinite(pdop) && std::isfinite(hdop) && std::isfinite(vdop), "dilution");
    for (const SatelliteInfo& s : satellites)
        nmeaFuzzCheck(s.elevation <= 90 && s.azimuth < 360 && s.snr <= 99, "satellite table");
    nmeaFuzzCheck(nmeaRxState <= 5 && nmeaBodyLength <= nmeaBodyMax, "framer");
    for (const char* m : {rmcSentence, ggaSentence, gsaSentence, gsvSentence}) {
        size_t n = strnlen(m, nmeaMailboxSize);
        nmeaFuzzCheck(n < (size_t)nmeaMailboxSize, "mailbox terminator");
    }
    if (utcDateTime.month != 0) {
        nmeaFuzzCheck(utcDateTime.month <= 12 && utcDateTime.day >= 1 && utcDateTime.day <= 31, "date");
        nmeaFuzzCheck(utcDateTime.hour < 24 && utcDateTime.minute < 60 && utcDateTime.second < 60, "time");
        nmeaFuzzCheck(utcDateTime.year >= 2000 && utcDateTime.year <= 2099, "year");
        nmeaFuzzCheck(localDateTime.month >= 1 && localDateTime.month <= 12, "local date");
    }
}

inline void nmeaFuzzDecode() {
    decodePendingSentences();
    nmeaFuzzCheckState();
}

inline void runNmeaFuzzInput(const uint8_t* data, size_t size) {
    static bool ready = false;
    if (!ready) {
        applySettingsDefaults();
        ready = true;
    }
    if (size < 4) return;
    unitSettings.speedUnit = data[0] % 4;
    unitSettings.compassDisplay = data[0] / 4 % 3;
    unitSettings.rtcSource = data[0] / 16 % 2;
    unitSettings.magVarMode = data[0] / 32 % 2;
    gpsPositionValid = data[0] / 64 % 2;
    gpsFixMode = gpsPositionValid ? 3 : 1;
    unitSettings.manualMagVar = (int16_t)(data[1] | data[2] << 8);
    unitSettings.utcOffset = (int16_t)((int8_t)data[3] * 30);
    data += 4;
    size -= 4;

    // The bytes as they stand, in pieces of varying size with a frame's decoding between them.
    for (size_t at = 0, piece = 1; at < size; at += piece, piece = piece % 61 + 7) {
        size_t n = piece < size - at ? piece : size - at;
        nmeaReceiveBytes(data + at, (int32_t)n);
        nmeaFuzzDecode();
    }
    // Each line framed with its checksum.
    static char line[512];
    for (size_t start = 0; start < size;) {
        size_t end = start;
        while (end < size && data[end] != '\n')
            end++;
        size_t length = end - start < 400 ? end - start : 400;
        uint8_t sum = 0;
        for (size_t i = 0; i < length; i++)
            sum ^= data[start + i];
        int used = 0;
        line[used++] = '$';
        std::memcpy(line + used, data + start, length);
        used += (int)length;
        used += std::snprintf(line + used, sizeof line - (size_t)used, "*%02X\r\n", sum);
        nmeaReceiveBytes(reinterpret_cast<const uint8_t*>(line), used);
        nmeaFuzzDecode();
        start = end + 1;
    }
    // Straight into every decoder, as a mailbox would hold it.
    static char mailbox[nmeaMailboxSize];
    size_t length = size < (size_t)nmeaBodyMax ? size : (size_t)nmeaBodyMax;
    std::memset(mailbox, 0, sizeof mailbox);
    std::memcpy(mailbox, data, length);
    decodeRmc(mailbox);
    decodeGga(mailbox);
    decodeGsa(mailbox);
    decodeGsv(mailbox);
    nmeaFuzzCheckState();
}
