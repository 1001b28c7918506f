// Logs recorded from six real receivers, replayed through the framer and the decoders, checked
// against what another GPS daemon reported for the same input: position, time, fix mode and the
// satellites in view must agree wherever the unit takes them from the same sentence.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gps_fixture.h"

namespace {

// Beside the source tree; EFIS_NMEA_LOGS names another folder (a worktree elsewhere).
const std::string logFolder =
    std::getenv("EFIS_NMEA_LOGS") ? std::getenv("EFIS_NMEA_LOGS") : EFIS_SOURCE_DIR "/../shared/nmea";

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream f(path, std::ios::binary);
    for (std::string line; std::getline(f, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The number after "key": in a report, searched from `from`.
bool jsonNumber(const std::string& json, const std::string& key, double& value, size_t from = 0) {
    size_t at = json.find("\"" + key + "\":", from);
    if (at == std::string::npos) return false;
    value = std::strtod(json.c_str() + at + key.size() + 3, nullptr);
    return true;
}

struct Tally {
    int positions = 0, times = 0, modes = 0, skies = 0;
};

// Compares one report with the state after the sentence that preceded it; fixTime is the time of
// day of the last RMC with a fix, whose position the unit holds.
void checkReport(const std::string& report, const std::string& sentence, const std::string& fixTime,
                 Tally& tally) {
    SCOPED_TRACE(sentence + "\n" + report.substr(0, 160));
    bool tpv = report.find("\"class\":\"TPV\"") != std::string::npos;
    bool sky = report.find("\"class\":\"SKY\"") != std::string::npos;
    double lat, lon, mode;
    size_t time = report.find("\"time\":\"");
    // The daemon's replay shifts the date; the time of day is the receiver's.
    std::string hms = time == std::string::npos ? "" : report.substr(time + 19, 8);
    if (tpv && !fixTime.empty() && hms == fixTime && jsonNumber(report, "lat", lat) &&
        jsonNumber(report, "lon", lon)) {
        EXPECT_NEAR(gpsLatitude, lat, 2e-5);
        EXPECT_NEAR(gpsLongitude, lon, 2e-5);
        tally.positions++;
    }
    if (tpv && startsWith(sentence, "$GPRMC") && !hms.empty()) {
        char ours[16];
        std::snprintf(ours, sizeof ours, "%02u:%02u:%02u", utcDateTime.hour, utcDateTime.minute,
                      utcDateTime.second);
        EXPECT_EQ(hms, ours);
        tally.times++;
    }
    if (tpv && startsWith(sentence, "$GPGSA") && jsonNumber(report, "mode", mode)) {
        EXPECT_EQ(gpsFixMode, (int)mode);
        EXPECT_EQ(gpsPositionValid, mode >= 2 ? 1 : 0);
        tally.modes++;
    }
    if (sky && startsWith(sentence, "$GPGSV")) {
        std::vector<SatelliteInfo> listed;
        for (size_t at = report.find("{\"PRN\":"); at != std::string::npos;
             at = report.find("{\"PRN\":", at + 1)) {
            double prn, el, az, ss;
            ASSERT_TRUE(jsonNumber(report, "PRN", prn, at) && jsonNumber(report, "el", el, at) &&
                        jsonNumber(report, "az", az, at) && jsonNumber(report, "ss", ss, at));
            listed.push_back({(uint8_t)prn, (uint8_t)el, (uint16_t)az, (uint8_t)ss});
        }
        ASSERT_EQ(satellitesInView, listed.size());
        for (size_t i = 0; i < listed.size() && i < (size_t)satelliteSlots; i++) {
            EXPECT_EQ(satellites[i].prn, listed[i].prn) << "slot " << i;
            EXPECT_EQ(satellites[i].elevation, listed[i].elevation) << "slot " << i;
            EXPECT_EQ(satellites[i].azimuth, listed[i].azimuth) << "slot " << i;
            EXPECT_EQ(satellites[i].snr, listed[i].snr) << "slot " << i;
        }
        tally.skies++;
    }
}

struct LogCase {
    const char* name;
    Tally atLeast;         // comparisons each kind must reach, so that a log cannot pass unread
    bool positionExpected; // false: the receiver never gives the unit a usable position
    int finalFixMode;
};

// Replays a log line by line with the line ends a receiver sends (CR LF), one frame's decoding
// after each line, and compares with the reports that follow each sentence.
void replay(const LogCase& c) {
    std::string logPath = logFolder + "/" + c.name;
    std::vector<std::string> log = readLines(logPath);
    std::vector<std::string> reports = readLines(logPath + ".chk");
    ASSERT_FALSE(log.empty()) << logPath;
    ASSERT_FALSE(reports.empty()) << logPath << ".chk";
    resetGps();
    Tally tally;
    bool everValid = false;
    size_t k = 0;
    std::string fixTime;
    for (const std::string& line : log) {
        if (line.empty() || line[0] == '#') continue;
        if (startsWith(line, "$GPRMC,") && line.size() > 14 && line.find(",A,") != std::string::npos)
            fixTime = line.substr(7, 2) + ":" + line.substr(9, 2) + ":" + line.substr(11, 2);
        feed(line + "\r\n");
        decodePendingSentences();
        SCOPED_TRACE(line);
        ASSERT_LE(std::fabs(gpsLatitude), 90.0f);
        ASSERT_LE(std::fabs(gpsLongitude), 180.0f);
        ASSERT_LE(gpsFixMode, 3);
        ASSERT_TRUE(gpsTrackTrue >= 0 && gpsTrackTrue < 360);
        everValid |= gpsLatitude != 0 || gpsLongitude != 0;
        // The daemon drops what it cannot use; its list names the sentences it kept.
        if (k < reports.size() && reports[k][0] != '{' && endsWith(line, reports[k])) {
            for (k++; k < reports.size() && reports[k][0] == '{'; k++)
                checkReport(reports[k], line, fixTime, tally);
        }
    }
    EXPECT_EQ(k, reports.size()) << "the reports were not followed to their end";
    EXPECT_GE(tally.positions, c.atLeast.positions);
    EXPECT_GE(tally.times, c.atLeast.times);
    EXPECT_GE(tally.modes, c.atLeast.modes);
    EXPECT_GE(tally.skies, c.atLeast.skies);
    EXPECT_EQ(everValid, c.positionExpected);
    EXPECT_EQ(gpsFixMode, c.finalFixMode);
}

void PrintTo(const LogCase& c, std::ostream* os) { *os << c.name; }

class RecordedLog : public ::testing::TestWithParam<LogCase> {};

TEST_P(RecordedLog, AgreesWithTheReferenceReports) {
    if (!std::filesystem::is_directory(logFolder))
        GTEST_SKIP() << "no recorded logs: " << logFolder << " is absent";
    replay(GetParam());
}

// A receiver with a 3D fix; one GSV with a wrong checksum, a proprietary sentence.
// A GGA cut off and glued to the next sentence. Mostly no fix, a truncated GGA.
// A cold start with placeholder positions and bogus dates. Power-up to the first fix.
// GLONASS talkers (not used by the unit) mixed with GPS, then the lock is lost.
const LogCase logs[] = {
    {"com-1289.log", {16, 1, 2, 13}, true, 3},    {"triton400.log", {5, 4, 1, 4}, true, 3},
    {"holux-gm-210.log", {0, 0, 1, 2}, false, 1}, {"tn200.log", {0, 0, 1, 0}, false, 1},
    {"mtk-3301.log", {3, 3, 0, 1}, true, 2},      {"ch-4711.log", {0, 0, 0, 1}, false, 1},
};

INSTANTIATE_TEST_SUITE_P(Receivers, RecordedLog, ::testing::ValuesIn(logs), [](const auto& info) {
    std::string name = info.param.name;
    name = name.substr(0, name.find('.'));
    for (char& ch : name)
        if (!std::isalnum((unsigned char)ch)) ch = '_';
    return name;
});

} // namespace
