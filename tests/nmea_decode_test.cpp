// The sentence decoders, the date conversions and the simulated fix: what each sentence a real
// receiver sends, with a fix or without one, does to the GPS state and the clock.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "fake_platform.h"
#include "gps_fixture.h"
#include "host/unit.h"
#include "nav/nmea.h"

namespace {

// The state the aircraft had before each sentence: a sentence that must change nothing leaves
// exactly this.
void setPreviousFix() {
    resetGps();
    gpsLatitude = 10.0f;
    gpsLongitude = 20.0f;
    gpsSpeedMph = groundSpeed = 99;
    gpsTrackTrue = gpsTrackMagnetic = 123;
    gpsAltitudeMetres = 500;
    gpsAltitudeFeet = 1640;
    satellitesUsed = 7;
    utcDateTime = DateTime{1, 2, 3, 4, 5, 2024};
    utcSeconds = 1714878121;
}

constexpr double keep = 1e9; // in a row: the value must stay as setPreviousFix left it

struct RmcCase {
    const char* sentence;
    double lat, lon;   // degrees, or keep
    double mph;        // or keep
    double track;      // true track, or keep
    const char* clock; // UTC afterwards, "" when the clock must stay
};

TEST(DecodeRmc, SentencesWithAndWithoutFix) {
    const RmcCase cases[] = {
        {"GPRMC,143748.77,A,4806.3731,N,00138.6217,W,0.00,266.5,121007,2.6,W,A", 48.106218, -1.643695, 0, 266,
         "2007-10-12 14:37:48"},
        {"GPRMC,081439.000,A,5212.981832,N,00653.104686,E,0.205,0.00,230808,,,A", 52.216364, 6.885078, 0, 0,
         "2008-08-23 08:14:39"},
        {"GPRMC,120000,A,4530.5000,S,00030.0000,W,10.0,359.9,150623,,", -45.508333, -0.5, 11, 359,
         "2023-06-15 12:00:00"},
        {"GPRMC,120000,A,4530.5000,S,00030.0000,W,10.0,360.0,150623,,", -45.508333, -0.5, 11, 0,
         "2023-06-15 12:00:00"},
        {"GPRMC,000000,A,0000.0010,N,17959.9999,E,600.0,-10.0,010100", 0.0000167, 179.9999983, 690, 350,
         "2000-01-01 00:00:00"},
        // Past January 2038 the clock still follows.
        {"GPRMC,031408,A,2638.1726,N,08011.3892,W,0.00,219.6,190138,,", 26.636210, -80.189820, 0, 219,
         "2038-01-19 03:14:08"},
        // No fix: time and date still set the clock; position, speed and track stay.
        {"GPRMC,012519.563,V,4131.7353,N,09336.8150,W,0.00,,050405,,", keep, keep, keep, keep,
         "2005-04-05 01:25:19"},
        {"GPRMC,000416.984,V,36000.0000,N,72000.0000,E,0.000000,,260120,,", keep, keep, keep, keep,
         "2020-01-26 00:04:16"},
        {"GPRMC,235959.00,V,,,,,,,,,,N", keep, keep, keep, keep, ""},
        {"GPRMC,235946.005,V,8960.000000,N,00000.000000,E,0.000,0.00,050180,,,N", keep, keep, keep, keep,
         "2080-01-05 23:59:46"},
        // A fix with a field missing or out of range keeps what that field would have set.
        {"GPRMC,120000,A,,N,00030.0000,W,10.0,90.0,150623", keep, keep, 11, 90, "2023-06-15 12:00:00"},
        {"GPRMC,120000,A,9130.0000,N,00030.0000,W,,,150623", keep, keep, keep, keep, "2023-06-15 12:00:00"},
        {"GPRMC,120000,A,4560.0000,N,00030.0000,W,,,150623", keep, keep, keep, keep, "2023-06-15 12:00:00"},
        {"GPRMC,120000,A,4530.0000,N,18030.0000,E,,,150623", keep, keep, keep, keep, "2023-06-15 12:00:00"},
        {"GPRMC,120000,A,4530.0000,,00030.0000,W,,,150623", keep, keep, keep, keep, "2023-06-15 12:00:00"},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,nan,inf,150623", 45.5, -0.5, keep, keep,
         "2023-06-15 12:00:00"},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,1e3,0x10,150623", 45.5, -0.5, keep, keep,
         "2023-06-15 12:00:00"},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,12abc,1,5,150623", 45.5, -0.5, keep, 1, ""},
        // A time or date that is not a calendar value leaves the clock.
        {"GPRMC,246000,A,4530.0000,N,00030.0000,W,,,150623", 45.5, -0.5, keep, keep, ""},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,,,321223", 45.5, -0.5, keep, keep, ""},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,,,290223", 45.5, -0.5, keep, keep, ""},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,,,291324", 45.5, -0.5, keep, keep, ""},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,,,15062", 45.5, -0.5, keep, keep, ""},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,,,1506230", 45.5, -0.5, keep, keep, ""},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,,,", 45.5, -0.5, keep, keep, ""},
        {"GPRMC,120000,A,4530.0000,N,00030.0000,W,,,290224", 45.5, -0.5, keep, keep, "2024-02-29 12:00:00"},
        // No time at all: the whole sentence is ignored.
        {"GPRMC,,A,4530.0000,N,00030.0000,W,10.0,90.0,150623", keep, keep, keep, keep, ""},
        {"GPRMC,1,A,4530.0000,N,00030.0000,W,10.0,90.0,150623", keep, keep, keep, keep, ""},
        {"GPRMC,1", keep, keep, keep, keep, ""},
        {"GPRMC", keep, keep, keep, keep, ""},
        {"", keep, keep, keep, keep, ""},
    };
    for (const RmcCase& c : cases) {
        setPreviousFix();
        decodeRmc(c.sentence);
        SCOPED_TRACE(c.sentence);
        // Positions are kept as float32: about 1e-5 degree near 180.
        EXPECT_NEAR(gpsLatitude, c.lat == keep ? 10.0 : c.lat, 2e-5);
        EXPECT_NEAR(gpsLongitude, c.lon == keep ? 20.0 : c.lon, 2e-5);
        EXPECT_EQ(gpsSpeedMph, c.mph == keep ? 99 : c.mph);
        EXPECT_EQ(groundSpeed, c.mph == keep ? 99 : c.mph); // mph is the default unit
        EXPECT_EQ(gpsTrackTrue, c.track == keep ? 123 : c.track);
        char clock[32];
        std::snprintf(clock, sizeof clock, "%04u-%02u-%02u %02u:%02u:%02u", utcDateTime.year,
                      utcDateTime.month, utcDateTime.day, utcDateTime.hour, utcDateTime.minute,
                      utcDateTime.second);
        EXPECT_STREQ(clock, *c.clock ? c.clock : "2024-05-04 03:02:01");
        if (*c.clock) {
            DateTime from1900 = utcDateTime;
            from1900.year = (uint16_t)(utcDateTime.year - 1900);
            EXPECT_EQ(utcSeconds, dateTimeToSeconds(from1900));
        } else {
            EXPECT_EQ(utcSeconds, 1714878121);
        }
    }
}

TEST(DecodeRmc, SpeedUnitsTrackVariationAndMaximum) {
    struct {
        uint8_t speedUnit;
        uint16_t groundSpeed;
    } units[] = {{0, 11}, {1, 18}, {2, 10}, {7, 11}};
    for (auto& u : units) {
        setPreviousFix();
        unitSettings.speedUnit = u.speedUnit;
        decodeRmc("GPRMC,120000,A,4530.5000,S,00030.0000,W,10.0,2.0,150623,,");
        EXPECT_EQ(gpsSpeedMph, 11);
        EXPECT_EQ(groundSpeed, u.groundSpeed) << "unit " << (int)u.speedUnit;
        EXPECT_EQ(minMax.maxGroundSpeed, u.groundSpeed);
    }
    setPreviousFix();
    decodeRmc("GPRMC,120000,A,4530.5000,S,00030.0000,W,99999.0,2.0,150623,,");
    EXPECT_EQ(gpsSpeedMph, 65535); // clamped, not wrapped
    decodeRmc("GPRMC,120000,A,4530.5000,S,00030.0000,W,1.0,2.0,150623,,");
    EXPECT_EQ(minMax.maxGroundSpeed, 65535);

    struct {
        uint8_t magVarMode;
        int16_t manualMagVar;
        uint8_t positionValid;
        float autoVar;
        int16_t magnetic;
    } variations[] = {{1, 5, 1, 0, 357},
                      {0, 5, 0, 0, 357},
                      {0, 5, 1, 7.9f, 355},
                      {1, -20, 1, 0, 22},
                      {1, 32767, 1, 0, 2 + 360 - 32767 % 360}};
    for (auto& v : variations) {
        setPreviousFix();
        unitSettings.magVarMode = v.magVarMode;
        unitSettings.manualMagVar = v.manualMagVar;
        gpsPositionValid = v.positionValid;
        autoMagVar = v.autoVar;
        decodeRmc("GPRMC,120000,A,4530.5000,S,00030.0000,W,10.0,2.0,150623,,");
        EXPECT_EQ(gpsTrackMagnetic, v.magnetic) << v.manualMagVar;
        EXPECT_EQ(magneticHeading, 0); // compass display is the magnetic sensor
    }
    // With the compass showing the GPS track, an RMC turns it too.
    setPreviousFix();
    unitSettings.compassDisplay = 2;
    unitSettings.magVarMode = 1;
    unitSettings.manualMagVar = 5;
    decodeRmc("GPRMC,120000,A,4530.5000,S,00030.0000,W,10.0,2.0,150623,,");
    EXPECT_EQ(trueHeading, 2);
    EXPECT_EQ(magneticHeading, 357);
}

TEST(DecodeRmc, ClockOnlyWhenItFollowsGpsAndLocalTimeFromTheOffset) {
    setPreviousFix();
    unitSettings.rtcSource = 0;
    decodeRmc("GPRMC,120000,A,4530.5000,S,00030.0000,W,10.0,2.0,150623,,");
    EXPECT_EQ(utcDateTime.year, 2024);
    EXPECT_NEAR(gpsLatitude, -45.508333, 2e-5);

    unitSettings.rtcSource = 1;
    unitSettings.utcOffset = -300;
    decodeRmc("GPRMC,020000,A,4530.5000,S,00030.0000,W,10.0,2.0,010124,,");
    EXPECT_EQ(localSeconds, utcSeconds - 300 * 60);
    EXPECT_EQ(localDateTime.year, 2023);
    EXPECT_EQ(localDateTime.month, 12);
    EXPECT_EQ(localDateTime.day, 31);
    EXPECT_EQ(localDateTime.hour, 21);
}

// Numbers read the same whatever the locale's decimal point.
TEST(DecodeRmc, NumbersIgnoreTheLocale) {
    const char* locales[] = {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8", "C.UTF-8"};
    const char* set = nullptr;
    for (const char* l : locales)
        if ((set = std::setlocale(LC_NUMERIC, l)) && std::strcmp(std::localeconv()->decimal_point, ",") == 0)
            break;
    if (!set || std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        std::setlocale(LC_NUMERIC, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    setPreviousFix();
    decodeRmc("GPRMC,120000,A,4530.5000,S,00030.0000,W,10.0,2.5,150623,,");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(gpsSpeedMph, 11);
    EXPECT_NEAR(gpsLatitude, -45.508333, 2e-5);
}

constexpr int kept = -99999; // in a row: the value must stay as setPreviousFix left it

struct GgaCase {
    const char* sentence;
    int satellitesUsed; // or kept
    int metres, feet;   // or kept
};

TEST(DecodeGga, SatellitesAndAltitude) {
    const GgaCase cases[] = {
        {"GPGGA,143748.77,4806.3731,N,00138.6217,W,1,10,1.1,42.2,M,48.5,M,,", 10, 42, 138},
        {"GPGGA,120000,4806.3731,N,00138.6217,W,1,08,0.9,100.0,M,46.9,M,,", 8, 100, 328},
        {"GPGGA,030129.00,2638.1726,N,08011.3892,W,1,06,1.5,00016,M,-0028,M,,", 6, 16, 52},
        {"GPGGA,120000,4806.3731,N,00138.6217,W,2,12,0.9,-12.5,M,46.9,M,,", 12, -12, -41},
        {"GPGGA,120000,4806.3731,N,00138.6217,W,1,300,0.9,100.0,M", 255, 100, 328},
        // Without a fix the altitude is a placeholder; the count of satellites is still real.
        {"GPGGA,012519.563,4131.7353,N,09336.8150,W,0,00,50.0,280.2,M,-31.6,M,0.0,0000", 0, kept, kept},
        {"GPGGA,235946.005,8960.000000,N,00000.000000,E,0,0,,137.000,M,13.000,M,,", 0, kept, kept},
        {"GPGGA,135658.997,5543.0326,N,03724.7205,E,0,,,165.6,M,14.6,M,,", kept, kept, kept},
        {"GPGGA,120000,4806.3731,N,00138.6217,W,1,08,0.9,,M,46.9,M,,", 8, kept, kept},
        {"GPGGA,120000,4806.3731,N,00138.6217,W,1,08,0.9,1e9,M,46.9,M,,", 8, kept, kept},
        {"GPGGA,120000,4806.3731,N,00138.6217,W,1,08,0.9,9999999.0,M", 8, kept, kept},
        {"GPGGA,120000,4806.3731,N,00138.6217,W,1,08", 8, kept, kept},
        {"GPGGA,030130", kept, kept, kept},
        {"GPGGA,,,,,,1,08,0.9,100.0,M", kept, kept, kept},
        {"GPGGA", kept, kept, kept},
    };
    for (const GgaCase& c : cases) {
        setPreviousFix();
        decodeGga(c.sentence);
        SCOPED_TRACE(c.sentence);
        EXPECT_EQ(satellitesUsed, c.satellitesUsed == kept ? 7 : c.satellitesUsed);
        EXPECT_EQ(gpsAltitudeMetres, c.metres == kept ? 500 : c.metres);
        EXPECT_EQ(gpsAltitudeFeet, c.feet == kept ? 1640 : c.feet);
    }
}

struct GsaCase {
    const char* sentence;
    int fixMode; // or -1 when the sentence is ignored
    uint8_t used[12];
    float pdop, hdop, vdop; // negative: kept
};

TEST(DecodeGsa, FixModeUsedSatellitesAndDilution) {
    const GsaCase cases[] = {
        {"GPGSA,A,3,05,06,07,10,16,21,23,24,30,31,,,1.7,1.1,1.2",
         3,
         {5, 6, 7, 10, 16, 21, 23, 24, 30, 31},
         1.7f,
         1.1f,
         1.2f},
        {"GPGSA,A,2,21,28,08,,,,,,,,,,3.05,2.88,1.00", 2, {21, 28, 8}, 3.05f, 2.88f, 1.0f},
        {"GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1", 3, {4, 5, 9, 12, 24}, 2.5f, 1.3f, 2.1f},
        {"GPGSA,A,1,,,,,,,,,,,,,50.0,50.0,50.0", 1, {}, 50, 50, 50},
        {"GPGSA,A,1,,,,,,,,,,,,,,,", 1, {}, -1, -1, -1},
        // A fix field that is not 1, 2 or 3 is no fix, never a valid position.
        {"GPGSA,A,,,,,,,,,,,,,,,,", 1, {}, -1, -1, -1},
        {"GPGSA,A,4,05", 1, {5}, -1, -1, -1},
        {"GPGSA,A,X,05", 1, {5}, -1, -1, -1},
        {"GPGSA,A,33,05", 1, {5}, -1, -1, -1},
        {"GPGSA,A,3,300,0,-4,5.5,ab,7", 3, {5, 7}, -1, -1, -1},
        {"GPGSA,A,3", 3, {}, -1, -1, -1},
        // Too short to hold a fix field: ignored.
        {"GPGSA,A,", -1, {}, -1, -1, -1},
        {"GPGSA,A", -1, {}, -1, -1, -1},
        {"GPGSA", -1, {}, -1, -1, -1},
    };
    for (const GsaCase& c : cases) {
        resetGps();
        gpsFixMode = 3;
        gpsPositionValid = 1;
        usedPrn[0] = 99;
        pdop = hdop = vdop = 9.0f;
        decodeGsa(c.sentence);
        SCOPED_TRACE(c.sentence);
        EXPECT_EQ(gpsFixMode, c.fixMode < 0 ? 3 : c.fixMode);
        EXPECT_EQ(gpsPositionValid, c.fixMode < 0 || c.fixMode >= 2 ? 1 : 0);
        if (c.fixMode >= 0) {
            for (int i = 0; i < 12; i++)
                EXPECT_EQ(usedPrn[i], c.used[i]) << "entry " << i;
        }
        EXPECT_FLOAT_EQ(pdop, c.pdop < 0 ? 9.0f : c.pdop);
        EXPECT_FLOAT_EQ(hdop, c.hdop < 0 ? 9.0f : c.hdop);
        EXPECT_FLOAT_EQ(vdop, c.vdop < 0 ? 9.0f : c.vdop);
    }
}

TEST(DecodeGsv, CycleFillsTheTableAndClearsTheRest) {
    resetGps();
    for (SatelliteInfo& s : satellites)
        s = SatelliteInfo{77, 7, 7, 7};
    decodeGsv("GPGSV,2,1,06,14,65,034,00,01,55,291,43,25,53,210,37,22,45,125,00");
    decodeGsv("GPGSV,2,2,06,30,29,096,00,11,25,294,32");
    EXPECT_EQ(satellitesInView, 6);
    const SatelliteInfo want[6] = {{14, 65, 34, 0},  {1, 55, 291, 43}, {25, 53, 210, 37},
                                   {22, 45, 125, 0}, {30, 29, 96, 0},  {11, 25, 294, 32}};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(satellites[i].prn, want[i].prn) << i;
        EXPECT_EQ(satellites[i].elevation, want[i].elevation) << i;
        EXPECT_EQ(satellites[i].azimuth, want[i].azimuth) << i;
        EXPECT_EQ(satellites[i].snr, want[i].snr) << i;
    }
    for (int i = 6; i < satelliteSlots; i++)
        EXPECT_EQ(satellites[i].prn, 0) << i;
}

struct GsvSlotCase {
    const char* sentence;
    int inView; // satellitesInView after it, -1 kept
    int slot;   // slot to look at, -1 for none
    SatelliteInfo want;
};

TEST(DecodeGsv, FieldsBoundedAndSlotsWithinTheTable) {
    const GsvSlotCase cases[] = {
        {"GPGSV,1,1,01,300,95,400,120", 1, 0, {0, 90, 40, 99}},
        {"GPGSV,1,1,01,07,-5,-90,-3", 1, 0, {7, 0, 270, 0}},
        {"GPGSV,1,1,01,21,,,40", 1, 0, {21, 0, 0, 40}},
        {"GPGSV,1,1,01,21,xx,1e2,nan", 1, 0, {21, 0, 0, 0}},
        {"GPGSV,1,1,01,05,20,359.9,45", 1, 0, {5, 20, 359, 45}},
        {"GPGSV,4,4,16,37,25,199,30", 16, 12, {37, 25, 199, 30}},
        {"GPGSV,5,5,20,37,25,199,30", 20, -1, {}}, // slot 16 does not exist
        {"GPGSV,9,12,48,37,25,199,30", 48, -1, {}},
        {"GPGSV,1,0,03,37,25,199,30", 3, -1, {}}, // message numbers start at 1
        {"GPGSV,1,1,900,37,25,199,30", 255, 0, {37, 25, 199, 30}},
        {"GPGSV,1,1,,37,25,199,30", -1, -1, {}},      // no count: ignored
        {"GPGSV,1,,03,37,25,199,30", -1, -1, {}},     // no message number: ignored
        {"GPGSV,1,1,03,37,25", 3, 0, {37, 25, 0, 0}}, // cut short: what is there
        {"GPGSV,1,1,03", 3, -1, {}},
        {"GPGSV", -1, -1, {}},
    };
    for (const GsvSlotCase& c : cases) {
        resetGps();
        satellitesInView = 33;
        decodeGsv(c.sentence);
        SCOPED_TRACE(c.sentence);
        EXPECT_EQ(satellitesInView, c.inView < 0 ? 33 : c.inView);
        for (int i = 0; i < satelliteSlots; i++) {
            const SatelliteInfo& s = satellites[i];
            SatelliteInfo w = i == c.slot ? c.want : SatelliteInfo{};
            EXPECT_EQ(s.prn, w.prn) << "slot " << i;
            EXPECT_EQ(s.elevation, w.elevation) << "slot " << i;
            EXPECT_EQ(s.azimuth, w.azimuth) << "slot " << i;
            EXPECT_EQ(s.snr, w.snr) << "slot " << i;
        }
    }
}

TEST(NmeaToDegrees, DegreesAndMinutes) {
    EXPECT_NEAR(nmeaToDegrees(-4530.5), -45.508333, 1e-6);
    EXPECT_NEAR(nmeaToDegrees(-30.0), -0.5, 1e-12);
    EXPECT_NEAR(nmeaToDegrees(17959.9999), 179.9999983, 1e-7);
    EXPECT_EQ(nmeaToDegrees(0), 0);
}

struct DateCase {
    int year, month, day, hour, minute, second;
    int64_t seconds;
};

TEST(DateTimeConversion, KnownInstantsBothWays) {
    const DateCase cases[] = {
        {1970, 1, 1, 0, 0, 0, 0},
        {1969, 12, 31, 23, 0, 0, -3600},
        {1968, 2, 29, 0, 0, 0, -58060800},
        {1901, 1, 1, 0, 0, 0, -2177452800LL},
        {2000, 2, 29, 12, 0, 0, 951825600},
        {2023, 6, 15, 0, 0, 0, 1686787200},
        {2038, 1, 19, 3, 14, 7, 2147483647},
        {2038, 1, 19, 3, 14, 8, 2147483648LL},
        {2099, 12, 31, 23, 59, 59, 4102444799LL},
    };
    for (const DateCase& c : cases) {
        DateTime dt{(uint8_t)c.second, (uint8_t)c.minute, (uint8_t)c.hour,
                    (uint8_t)c.day,    (uint8_t)c.month,  (uint16_t)(c.year - 1900)};
        EXPECT_EQ(dateTimeToSeconds(dt), c.seconds) << c.year << "-" << c.month << "-" << c.day;
        DateTime back{};
        secondsToDateTime(c.seconds, back);
        EXPECT_EQ(back.year, c.year - 1900);
        EXPECT_EQ(back.month, c.month);
        EXPECT_EQ(back.day, c.day);
        EXPECT_EQ(back.hour, c.hour);
        EXPECT_EQ(back.minute, c.minute);
        EXPECT_EQ(back.second, c.second);
    }
}

TEST(DateTimeConversion, EveryDayFrom1901To2099RoundTrips) {
    int64_t expected = firstConvertibleSecond + 13 * 3600 + 5 * 60 + 9;
    for (int year = 1; year <= 199; year++)
        for (int month = 1; month <= 12; month++)
            for (int day = 1; day <= daysInMonth(month, year); day++, expected += 86400) {
                DateTime dt{9, 5, 13, (uint8_t)day, (uint8_t)month, (uint16_t)year};
                ASSERT_EQ(dateTimeToSeconds(dt), expected) << year + 1900 << "-" << month << "-" << day;
                DateTime back{};
                secondsToDateTime(expected, back);
                ASSERT_EQ(back.year, year);
                ASSERT_EQ(back.month, month);
                ASSERT_EQ(back.day, day);
            }
}

TEST(DateTimeConversion, OutOfRangeInputsStayBounded) {
    DateTime dt{};
    secondsToDateTime(INT64_MAX, dt);
    EXPECT_EQ(dt.year, 199);
    EXPECT_EQ(dt.month, 12);
    EXPECT_EQ(dt.day, 31);
    secondsToDateTime(INT64_MIN, dt);
    EXPECT_EQ(dt.year, 1);
    EXPECT_EQ(dt.month, 1);
    EXPECT_EQ(dt.day, 1);
    DateTime bad{0, 0, 0, 212, 212, 100}; // an empty date read as digits
    EXPECT_EQ(dateTimeToSeconds(bad), dateTimeToSeconds(DateTime{0, 0, 0, 212, 12, 100}));
}

// The frame loop's clock step reads the host clock; a decoded RMC then sets it for that frame.
TEST(FrameLoopClock, HostClockEveryFrameGpsClockAfterAnRmc) {
    resetGps();
    FakePlatform host;
    host.now = 2524608000LL; // 2050-01-01T00:00:00Z
    unitSettings.utcOffset = 90;
    runFrame();
    EXPECT_EQ(utcSeconds, 2524608000LL);
    EXPECT_EQ(utcDateTime.year, 2050);
    EXPECT_EQ(localSeconds, 2524608000LL + 5400);
    EXPECT_EQ(localDateTime.hour, 1);
    EXPECT_EQ(localDateTime.minute, 30);
    feed(nmeaLine("GPRMC,120000,A,4530.5000,S,00030.0000,W,10.0,2.0,150623,,"));
    runFrame();
    EXPECT_EQ(rmcPending, 0);
    EXPECT_EQ(utcDateTime.year, 2023);
    EXPECT_EQ(utcDateTime.hour, 12);
    EXPECT_NEAR(gpsLatitude, -45.508333, 2e-5);
    runFrame();
    EXPECT_EQ(utcDateTime.year, 2050);
}

TEST(SimulatedFix, PanelPositionsIntoTheGpsState) {
    resetGps();
    convertSimulatedLatitude(45500);
    convertSimulatedLongitude(-122250);
    EXPECT_NEAR(gpsLatitude, 45.5, 1e-5);
    EXPECT_NEAR(gpsLongitude, -122.25, 1e-5);
    convertSimulatedLatitude(90000);
    convertSimulatedLongitude(-180000);
    EXPECT_FLOAT_EQ(gpsLatitude, 90.0f);
    EXPECT_FLOAT_EQ(gpsLongitude, -180.0f);
    convertSimulatedLatitude(2000000000);
    convertSimulatedLongitude(-2000000000);
    EXPECT_FLOAT_EQ(gpsLatitude, 90.0f);
    EXPECT_FLOAT_EQ(gpsLongitude, -180.0f);

    struct {
        int32_t position;
        uint8_t mode, valid;
    } fixes[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 1}, {3, 3, 1}, {258, 3, 1}, {-1, 0, 0}};
    for (auto& f : fixes) {
        convertSimulatedFix(f.position);
        EXPECT_EQ(gpsFixMode, f.mode) << f.position;
        EXPECT_EQ(gpsPositionValid, f.valid) << f.position;
        EXPECT_EQ(gpsDataReceived, f.valid) << f.position;
    }
}

TEST(SimulatedFix, GroundSpeedAndTrack) {
    struct {
        uint8_t speedUnit;
        uint16_t groundSpeed;
    } units[] = {{0, 22}, {1, 36}, {2, 19}};
    for (auto& u : units) {
        resetGps();
        unitSettings.speedUnit = u.speedUnit;
        convertSimulatedGroundSpeed(1000);
        EXPECT_EQ(gpsSpeedMph, 22);
        EXPECT_EQ(groundSpeed, u.groundSpeed);
        EXPECT_EQ(minMax.maxGroundSpeed, u.groundSpeed);
    }
    resetGps();
    compassPresent = 1;
    trueHeading = 200;
    convertSimulatedTrack(9000000);
    EXPECT_EQ(gpsTrackTrue, 200); // slower than 5 mph with a compass: the compass heading
    trueHeading = 360;
    convertSimulatedGroundSpeed(200);
    EXPECT_EQ(gpsTrackTrue, 0);
    convertSimulatedGroundSpeed(3000);
    EXPECT_EQ(gpsTrackTrue, 90);
    convertSimulatedTrack(36000000);
    EXPECT_EQ(gpsTrackTrue, 0);
    convertSimulatedTrack(35999999);
    EXPECT_EQ(gpsTrackTrue, 359);
    convertSimulatedTrack(-4500000);
    EXPECT_EQ(gpsTrackTrue, 315);
    convertSimulatedGroundSpeed(-5000);
    EXPECT_EQ(gpsSpeedMph, 0);
    convertSimulatedGroundSpeed(INT32_MAX);
    EXPECT_EQ(gpsSpeedMph, 65535);

    unitSettings.compassDisplay = 2;
    unitSettings.magVarMode = 1;
    unitSettings.manualMagVar = -10;
    convertSimulatedTrack(4500000);
    EXPECT_EQ(trueHeading, 45);
    EXPECT_EQ(magneticHeading, 55);
    compassPresent = 0;
}

TEST(PowerOn, GpsStartsWithoutAValidPosition) {
    resetGps();
    gpsPositionValid = 1;
    satellitesInView = 9;
    gpsPowerOn();
    EXPECT_EQ(gpsPositionValid, 0);
    EXPECT_EQ(satellitesInView, 0);
}

} // namespace
