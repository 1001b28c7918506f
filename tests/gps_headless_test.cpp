// The scripted host's serial line: a file's bytes, with or without carriage returns added.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "gps_fixture.h"
#include "host/headless/headless_host.h"

namespace {

std::string tempFile(const std::string& name, const std::string& text) {
    std::string path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

int32_t runScript(const std::string& name, const std::string& text) {
    std::string dir = std::filesystem::temp_directory_path();
    return runHeadlessScript(tempFile(name, text).c_str(), dir.c_str());
}

// A log stored with bare line feeds, as capture tools often keep it, with a comment line.
const std::string storedLog =
    "# a capture\n" + nmeaLine("GPRMC,081439.000,A,5212.981832,N,00653.104686,E,40.0,90.5,230808,,,A", "\n") +
    nmeaLine("GPGSA,A,2,21,28,08,,,,,,,,,,3.05,2.88,1.00", "\n");

TEST(HeadlessSerial, FileBytesAsTheyStandAndWithCarriageReturns) {
    tempFile("efis_gps_lf.nmea", storedLog);
    EXPECT_EQ(runScript("efis_gps_lf.script", "power on\nframes 6000\n"
                                              "serial efis_gps_lf.nmea\nframes 40\n"
                                              "expect gpsDataReceived 0\nexpect gpsFixMode 0\n"
                                              "serial efis_gps_lf.nmea crlf\nframes 2\n"
                                              "expect gpsPositionValid 0\n" // still on its way
                                              "frames 40\n"
                                              "expect gpsFixMode 2\nexpect gpsPositionValid 1\n"
                                              "expect gpsTrackTrue 90\nexpect gpsSpeedMph 46\n"
                                              "power off\nframes 2\n"),
              0);
    EXPECT_NEAR(gpsLatitude, 52.216364, 2e-5);
    EXPECT_NEAR(gpsLongitude, 6.885078, 2e-5);
}

TEST(HeadlessSerial, MistakesInTheScript) {
    EXPECT_EQ(runScript("efis_gps_missing.script", "serial no-such-file.nmea\n"), 1);
    EXPECT_EQ(runScript("efis_gps_usage.script", "serial a.nmea lf\n"), 2);
    EXPECT_EQ(runScript("efis_gps_text.script", "serial-text\n"), 2);
}

} // namespace
