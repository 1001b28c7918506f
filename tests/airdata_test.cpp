// Air data: conversions across units, min/max records, alarm bits, G cycles and the compass.
#include <gtest/gtest.h>

#include <cstring>

#include "airdata/airdata.h"
#include "nav/gps_state.h"
#include "ems/alarms.h"
#include "records/records.h"

namespace {

// The records are packed: their fields are read by value (unary plus), never bound by reference.
// Every test starts from the default settings, no alarm, an empty min/max record and the
// inputs at rest.
class AirData : public ::testing::Test {
  protected:
    void SetUp() override {
        applySettingsDefaults();
        applyCalibrationDefaults();
        std::memset(&minMax, 0, sizeof minMax);
        alarmFlags = alarmAcknowledged = 0;
        altitudeFeet = 0;
        airspeedInput = 0;
        verticalSpeed = verticalSpeedFpm = 0;
        glideRatio = 0;
        oatCelsius = 0;
        gForce = 0.0f;
        gNegativeLatch = gPositiveLatch = 0;
        flightActive = 0;
        gpsFixMode = 0;
        autoMagVar = 0.0f;
    }
};

TEST_F(AirData, NumericHelpers) {
    struct {
        int32_t x, tenth;
    } rounding[] = {{0, 0}, {4, 0}, {5, 1}, {14, 1}, {15, 2}, {3500, 350}, {-4, 0}, {-5, -1}, {-15, -2}, {-3505, -351}};
    for (auto& c : rounding) EXPECT_EQ(roundTenth(c.x), c.tenth) << c.x;

    // Truncating division: -1 C is -1.8 F above 32, which truncates to 31.
    struct {
        int16_t c, f;
    } temperatures[] = {{0, 32}, {100, 212}, {88, 190}, {-40, -40}, {-1, 31}, {-273, -459}, {37, 98}};
    for (auto& t : temperatures) EXPECT_EQ(celsiusToFahrenheit(t.c), t.f) << t.c;
}

TEST_F(AirData, AltitudeInItsUnitAndStep) {
    struct {
        uint8_t unit, resolution;
        int32_t feet, altitude;
    } cases[] = {
        {0, 0, 1234, 1234},   {0, 1, 1234, 1230},  {0, 1, 1235, 1240},   {0, 2, 1237, 1225},
        {0, 2, 1238, 1250},   {0, 3, 1234, 1250},  {0, 3, -1234, -1250}, {0, 3, 1224, 1200},
        {1, 0, -2000, -609},  {1, 2, -2000, -600}, {1, 0, 30000, 9143},  {1, 1, 1000, 300},
        {0, 0, 0, 0},
        {0, 200, 1234, 1250},  // a recalled image beyond the table reads as the finest valid step
    };
    for (auto& c : cases) {
        unitSettings.altitudeUnit = c.unit;
        unitSettings.altEncoderResolution = c.resolution;
        minMax.maxAltitude = -100000;
        altitudeFeet = c.feet;
        processAltitude();
        EXPECT_EQ(altitude, c.altitude) << "unit " << +c.unit << " resolution " << +c.resolution << " " << c.feet;
        EXPECT_EQ(+minMax.maxAltitude, c.altitude);
    }
}

TEST_F(AirData, DensityAltitudeFollowsTheTemperatureAndIsSignedInMetres) {
    struct {
        uint8_t unit;
        int32_t feet;
        int16_t oatC;
        int32_t density;
    } cases[] = {
        {0, 0, 15, 0},           // standard day at sea level
        {0, 0, 25, 1186},        // 10 degrees hot: 118.6 ft per degree
        {0, 5000, 5, 4988},      // (5 - 5.094) x 118.6 + 5000
        {0, -2000, 0, -4248},    // (0 - 18.9624) x 118.6 - 2000
        {1, -2000, 0, -1294},    // -4248 ft in metres, signed division
    };
    for (auto& c : cases) {
        unitSettings.altitudeUnit = c.unit;
        altitudeFeet = c.feet;
        oatCelsius = c.oatC;
        processAltitude();
        EXPECT_EQ(densityAltitude, c.density) << c.feet << " ft at " << c.oatC << " C";
    }
}

TEST_F(AirData, MaxAltitudeOnlyRises) {
    unitSettings.altitudeUnit = 0;
    unitSettings.altEncoderResolution = 0;
    minMax.maxAltitude = 0;
    for (int32_t feet : {500, 3000, 1000, -2000}) {
        altitudeFeet = feet;
        processAltitude();
    }
    EXPECT_EQ(+minMax.maxAltitude, 3000);
}

TEST_F(AirData, VerticalSpeedInBothUnits) {
    struct {
        uint8_t unit;
        int16_t fpm, shown;
    } cases[] = {{0, 1000, 1000}, {0, -9999, -9999}, {1, 1000, 508}, {1, -1000, -508},
                 {1, 9999, 5079}, {1, -1, 0},        {1, 250, 127},  {1, 0, 0}};
    for (auto& c : cases) {
        unitSettings.vsiUnit = c.unit;
        verticalSpeed = c.fpm;
        processVerticalSpeed();
        EXPECT_EQ(verticalSpeedFpm, c.fpm);
        EXPECT_EQ(verticalSpeed, c.shown) << "unit " << +c.unit << " " << c.fpm;
    }
}

TEST_F(AirData, IndicatedAndTrueAirspeedAcrossUnits) {
    struct {
        uint8_t unit;
        uint32_t input;
        int32_t feet;
        uint16_t iasMph, tasMph, ias, tas;
    } cases[] = {
        {0, 19, 0, 0, 0, 0, 0},              // below 20 reads 0
        {0, 20, 0, 20, 20, 20, 20},
        {0, 350, 10000, 350, 411, 350, 411},  // 1.75 % per 1000 ft
        {2, 350, 10000, 350, 411, 304, 357},  // knots
        {1, 100, 0, 100, 100, 160, 160},      // km/h
        {1, 350, 30000, 350, 533, 563, 857},
        {0, 100, -2000, 100, 97, 100, 97},    // below sea level TAS is less than IAS
        {0, 100, 99, 100, 100, 100, 100},     // the altitude counts in whole hundreds of feet
        {0, 400, 0, 350, 350, 350, 350},      // stops at 350
    };
    for (auto& c : cases) {
        unitSettings.speedUnit = c.unit;
        airspeedInput = c.input;
        altitudeFeet = c.feet;
        processAirspeed();
        EXPECT_EQ(indicatedAirspeedMph, c.iasMph) << c.input << " mph at " << c.feet;
        EXPECT_EQ(trueAirspeedMph, c.tasMph) << c.input << " mph at " << c.feet;
        EXPECT_EQ(indicatedAirspeed, c.ias) << "unit " << +c.unit << " " << c.input;
        EXPECT_EQ(trueAirspeed, c.tas) << "unit " << +c.unit << " " << c.input;
    }
}

TEST_F(AirData, MaxIasIsKeptInTheSpeedUnit) {
    unitSettings.speedUnit = 2;
    for (uint32_t mph : {100, 200, 150}) {
        airspeedInput = mph;
        processAirspeed();
    }
    EXPECT_EQ(+minMax.maxIas, 173);  // 200 mph in knots
}

TEST_F(AirData, GlideRatio) {
    struct {
        uint32_t tasMph;
        int16_t fpm;
        int16_t ratio;
    } cases[] = {
        {100, -500, 176},  // 17.6
        {100, 500, 176},
        {100, 1, 999},
        {200, 1, 999},     // 176000 before the clamp: must not wrap through 16 bits
        {350, -9999, 30},
        {0, -500, 0},
    };
    for (auto& c : cases) {
        airspeedInput = c.tasMph;
        verticalSpeedFpm = c.fpm;
        processAirspeed();
        EXPECT_EQ(glideRatio, c.ratio) << c.tasMph << " mph, " << c.fpm << " ft/min";
    }
    // Level flight keeps the last ratio rather than dividing by zero.
    airspeedInput = 100;
    verticalSpeedFpm = -500;
    processAirspeed();
    verticalSpeedFpm = 0;
    airspeedInput = 300;
    processAirspeed();
    EXPECT_EQ(glideRatio, 176);
}

TEST_F(AirData, AirspeedAlarmRaisedAndClearedInBothWords) {
    unitSettings.vne = 220;
    unitSettings.vs1 = 30;
    struct {
        uint8_t unit;
        uint32_t mph;
        uint8_t vneOn, vsOn, inFlight;
        bool raised;
    } cases[] = {
        {0, 221, 1, 1, 0, true},   {0, 220, 1, 1, 0, false}, {0, 221, 0, 1, 0, false},
        {2, 260, 1, 1, 0, true},   // 225 kts against a Vne set in knots
        {2, 250, 1, 1, 0, false},  // 217 kts
        {0, 25, 1, 1, 0, false},   // slow on the ground
        {0, 25, 1, 1, 1, true},    // slow in flight
        {0, 25, 1, 0, 1, false},   {0, 19, 1, 1, 1, true},  // reads 0: below Vs1
        {0, 30, 1, 1, 1, false},
    };
    for (auto& c : cases) {
        unitSettings.speedUnit = c.unit;
        unitSettings.vneAlarmOn = c.vneOn;
        unitSettings.vsAlarmOn = c.vsOn;
        flightActive = c.inFlight;
        alarmFlags = 0x1;              // another alarm stays as it is
        alarmAcknowledged = 0x1 | alarmAirspeed;
        airspeedInput = c.mph;
        processAirspeed();
        EXPECT_EQ((alarmFlags & alarmAirspeed) != 0, c.raised) << c.mph << " mph unit " << +c.unit;
        EXPECT_EQ(alarmAcknowledged & alarmAirspeed, c.raised ? alarmAirspeed : 0u) << c.mph;
        EXPECT_EQ(alarmFlags & 0x1, 0x1u);
        EXPECT_EQ(alarmAcknowledged & 0x1, 0x1u);
    }
}

TEST_F(AirData, GAlarmBySelector) {
    struct {
        uint8_t positiveSelector, negativeSelector;
        int32_t tenths;
        bool raised;
    } cases[] = {
        {0, 1, 26, true},  {0, 1, 25, false}, {1, 1, 26, false}, {1, 1, 36, true}, {1, 1, 35, false},
        {1, 0, -6, true},  {1, 0, -5, false}, {1, 1, -6, false}, {1, 1, -16, true}, {1, 1, 10, false},
    };
    for (auto& c : cases) {
        unitSettings.gPositiveAlarm = c.positiveSelector;
        unitSettings.gNegativeAlarm = c.negativeSelector;
        alarmFlags = 0;
        alarmAcknowledged = alarmGForce;
        gForce = (float)(c.tenths * 0.1);
        processGForce();
        EXPECT_EQ((alarmFlags & alarmGForce) != 0, c.raised) << c.tenths << " tenths";
        EXPECT_EQ((alarmAcknowledged & alarmGForce) != 0, c.raised) << c.tenths << " tenths";
    }
}

TEST_F(AirData, GCyclesCountOncePerExcursion) {
    struct {
        int32_t tenths;
        int16_t positive, negative;
        float minG, maxG;
    } steps[] = {
        {0, 0, 0, 0.0f, 0.0f},   {55, 1, 0, 0.0f, 5.5f},  {55, 1, 0, 0.0f, 5.5f},  {60, 1, 0, 0.0f, 6.0f},
        {50, 1, 0, 0.0f, 6.0f},  // at the threshold the latch opens again
        {51, 2, 0, 0.0f, 6.0f},  {10, 2, 0, 0.0f, 6.0f},  {-50, 2, 0, -5.0f, 6.0f},
        {-55, 2, 1, -5.5f, 6.0f}, {-70, 2, 1, -7.0f, 6.0f}, {-10, 2, 1, -7.0f, 6.0f}, {-51, 2, 2, -7.0f, 6.0f},
    };
    for (auto& s : steps) {
        gForce = (float)(s.tenths * 0.1);
        processGForce();
        EXPECT_EQ(+minMax.positiveGCycles, s.positive) << s.tenths;
        EXPECT_EQ(+minMax.negativeGCycles, s.negative) << s.tenths;
        EXPECT_FLOAT_EQ(+minMax.minG, s.minG) << s.tenths;
        EXPECT_FLOAT_EQ(+minMax.maxG, s.maxG) << s.tenths;
    }
}

TEST_F(AirData, OatAcrossUnitsWithOffset) {
    struct {
        uint8_t unit;
        int8_t offset;
        uint16_t raw;
        int16_t celsius, shown;
    } cases[] = {
        {0, 0, 2240, 88, 88}, {0, 0, 1694, 0, 0},      {1, 0, 1694, 0, 32},       {1, 0, 2240, 88, 190},
        {0, -5, 1694, -5, -5}, {1, -5, 1694, -5, 23},  {0, 0, 0, -273, -273},     {1, 0, 0, -273, -459},
        {0, 127, 4095, 514, 514}, {0, -128, 0, -401, -401},
    };
    for (auto& c : cases) {
        unitSettings.oatUnit = c.unit;
        calibration.oatCalOffset = c.offset;
        oatRaw = c.raw;
        processOat();
        EXPECT_EQ(oatCelsius, c.celsius) << c.raw << " offset " << +c.offset;
        EXPECT_EQ(oat, c.shown) << c.raw << " unit " << +c.unit;
    }
}

TEST_F(AirData, OatRecordsAndAlarm) {
    unitSettings.oatUnit = 0;
    unitSettings.oatLowAlarm = 0;
    unitSettings.oatHighAlarm = 60;
    struct {
        uint16_t raw;  // 1694 is 0 C; each 31 counts about 5 C
        uint8_t lowOn, highOn;
        bool raised;
    } cases[] = {
        {1694, 1, 1, false}, {1687, 1, 1, true},  {1687, 0, 1, false},  // -2 C
        {2066, 1, 1, false},                                           // 60 C
        {2073, 1, 1, true},  {2073, 1, 0, false},                      // 61 C
    };
    for (auto& c : cases) {
        unitSettings.oatLowAlarmOn = c.lowOn;
        unitSettings.oatHighAlarmOn = c.highOn;
        alarmFlags = 0;
        alarmAcknowledged = alarmOat;
        oatRaw = c.raw;
        processOat();
        EXPECT_EQ((alarmFlags & alarmOat) != 0, c.raised) << oat << " C";
        EXPECT_EQ((alarmAcknowledged & alarmOat) != 0, c.raised) << oat << " C";
    }
    EXPECT_EQ(+minMax.minOat, -2);
    EXPECT_EQ(+minMax.maxOat, 61);
}

TEST_F(AirData, TrueHeadingWrapsIntoItsRange) {
    unitSettings.compassFilter = 0;
    unitSettings.magVarMode = 1;
    struct {
        int32_t heading;
        int16_t variation, trueHeading;
    } cases[] = {
        {350, 20, 10},  {340, 20, 360}, {10, -20, 350}, {0, 0, 0},        {359, 1, 360},
        {90, 720, 90},  {90, -1000, 170},  // a recalled variation far out of range still lands in 0..360
        {0, 32767, 7},  {0, -32768, 352},
    };
    for (auto& c : cases) {
        unitSettings.manualMagVar = c.variation;
        processHeading(c.heading);
        EXPECT_EQ(magneticHeading, c.heading);
        EXPECT_EQ(trueHeading, c.trueHeading) << c.heading << " with " << c.variation;
    }
}

TEST_F(AirData, VariationFromTheGpsOnlyWithAFixInAuto) {
    unitSettings.compassFilter = 0;
    unitSettings.manualMagVar = 5;
    autoMagVar = -12.7f;
    struct {
        uint8_t mode, fix;
        int16_t trueHeading;
    } cases[] = {{0, 3, 88}, {0, 2, 88}, {0, 1, 105}, {0, 0, 105}, {1, 3, 105}};
    for (auto& c : cases) {
        unitSettings.magVarMode = c.mode;
        gpsFixMode = c.fix;
        processHeading(100);
        EXPECT_EQ(trueHeading, c.trueHeading) << "mode " << +c.mode << " fix " << +c.fix;
    }
}

TEST_F(AirData, CompassFilterAveragesTheLastSamples) {
    unitSettings.magVarMode = 1;
    unitSettings.manualMagVar = 0;
    unitSettings.compassFilter = 3;
    for (int i = 0; i < compassWindow; i++) processHeading(0);
    processHeading(90);  // one of twelve samples: only part of the way
    EXPECT_GT(magneticHeading, 0);
    EXPECT_LT(magneticHeading, 45);
    for (int i = 0; i < compassWindow - 2; i++) processHeading(90);
    EXPECT_LT(magneticHeading, 90);
    processHeading(90);
    EXPECT_EQ(magneticHeading, 90);

    // Around north the mean is circular: 350 and 10 average to 0, not 180.
    unitSettings.compassFilter = 1;
    for (int i = 0; i < 2; i++) processHeading(350), processHeading(10);
    EXPECT_TRUE(magneticHeading == 0 || magneticHeading == 359) << magneticHeading;

    // Opposite samples have no mean direction; the result stays a heading.
    processHeading(0), processHeading(180), processHeading(0), processHeading(180);
    EXPECT_GE(magneticHeading, 0);
    EXPECT_LE(magneticHeading, 359);
}

TEST_F(AirData, SteadyHeadingReadsItselfAtEveryFilterSetting) {
    unitSettings.magVarMode = 1;
    unitSettings.manualMagVar = 0;
    for (uint8_t filter : {0, 1, 2, 3, 255}) {
        unitSettings.compassFilter = filter;
        for (int32_t h = 0; h < 360; h++) {
            for (int i = 0; i < compassWindow; i++) processHeading(h);
            ASSERT_EQ(magneticHeading, h) << "filter " << +filter;
        }
    }
}

TEST_F(AirData, FilterSettingAboveHighActsAsHigh) {
    unitSettings.magVarMode = 1;
    unitSettings.manualMagVar = 0;
    int16_t seen[2];
    const uint8_t filters[2] = {3, 255};
    for (int f = 0; f < 2; f++) {
        unitSettings.compassFilter = filters[f];
        for (int i = 0; i < compassWindow; i++) processHeading(0);
        processHeading(90);
        processHeading(120);
        seen[f] = magneticHeading;
    }
    EXPECT_EQ(seen[0], seen[1]);
}

TEST_F(AirData, AttitudeCopiedOnlyFromTheAttitudeSensor) {
    simPitch = 10, simBank = -30, simSlip = 5, simTurnRate = -200;
    pitchAngle = bankAngle = slipValue = turnRate = 0;
    unitSettings.attitudeSource = 1;
    copyAttitude();
    EXPECT_EQ(pitchAngle, 0);
    EXPECT_EQ(turnRate, 0);
    unitSettings.attitudeSource = 0;
    copyAttitude();
    EXPECT_EQ(pitchAngle, 10);
    EXPECT_EQ(bankAngle, -30);
    EXPECT_EQ(slipValue, 5);
    EXPECT_EQ(turnRate, -200);
}

}  // namespace
