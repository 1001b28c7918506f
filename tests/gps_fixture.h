// Helpers for the GPS tests: sentences with their checksum, feeding the framer, a clean GPS state.
#pragma once
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "host/clock.h"
#include "host/gps_link.h"
#include "nav/gps_state.h"
#include "airdata/airdata.h"
#include "records/records.h"

// "$" body "*" XOR checksum CR LF, as a receiver sends it.
inline std::string nmeaLine(const std::string& body, const char* end = "\r\n") {
    unsigned sum = 0;
    for (char c : body)
        sum ^= (unsigned char)c;
    char check[4];
    std::snprintf(check, sizeof check, "%02X", sum);
    return "$" + body + "*" + check + end;
}

inline void feed(const std::string& bytes) {
    nmeaReceiveBytes(reinterpret_cast<const uint8_t*>(bytes.data()), (int32_t)bytes.size());
}

// Everything the link and the decoders write back to program start, settings at their defaults.
inline void resetGps() {
    nmeaRxState = 0;
    nmeaBodyLength = 0;
    std::memset(nmeaBody, 0, sizeof nmeaBody);
    for (char* m : {rmcSentence, ggaSentence, gsaSentence, gsvSentence})
        std::memset(m, 0, nmeaMailboxSize);
    rmcPending = ggaPending = gsaPending = gsvPending = 0;
    gpsDataReceived = 0;
    gpsLatitude = gpsLongitude = 0;
    gpsSpeedMph = groundSpeed = 0;
    gpsTrackTrue = gpsTrackMagnetic = 0;
    gpsAltitudeMetres = gpsAltitudeFeet = 0;
    gpsFixMode = gpsPositionValid = 0;
    satellitesUsed = satellitesInView = 0;
    std::memset(usedPrn, 0, sizeof usedPrn);
    std::memset(satellites, 0, sizeof satellites);
    pdop = hdop = vdop = 0;
    autoMagVar = 0;
    internalPosition = PositionRecord{};
    internalVelocity = VelocityRecord{};
    utcDateTime = localDateTime = DateTime{};
    utcSeconds = localSeconds = 0;
    magneticHeading = trueHeading = 0;
    applySettingsDefaults();
    minMax.maxGroundSpeed = 0;
}
