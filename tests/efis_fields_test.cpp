// The data fields over the EFIS attitude picture: their places on the full-width and narrow
// layouts, the alarm and caution boxes, the GPS fix status, timers, transponder, autopilot,
// CDI bar and wind.
#include <string>

#include "efis/cdi_bar.h"
#include "efis/data_fields.h"
#include "efis/timers_block.h"
#include "efis/transponder_box.h"
#include "efis/wind.h"
#include "layout_fixture.h"

namespace {

using EfisFields = Layouts;

struct EfisPlaces {
    uint8_t layout;
    int16_t cx;       // centre of the picture
    int16_t gRight;   // right edge of the G readout
    int16_t windX, windY;
};
constexpr EfisPlaces efisPlaces[] = {{0, 240, 369, 359, 40}, {1, 170, 251, 250, 35}, {2, 170, 251, 250, 35}};

TEST_F(EfisFields, FieldsStandAtTheirPlacesOnEveryEfisLayout) {
    gpsFixMode = 3;
    gpsPositionValid = 1;
    gpsSpeedMph = 100;
    trueAirspeed = 100;
    groundSpeed = 80;  // 20 of headwind
    localDateTime = DateTime{7, 5, 9, 1, 1, 2026};
    for (const EfisPlaces& p : efisPlaces) {
        SCOPED_TRACE("layout " + std::to_string(p.layout));
        drawLayout(p.layout);
        EXPECT_TRUE(textAt(56, 44, "3D", 8, alignLeft, colourWhite));
        EXPECT_TRUE(textAt(56, 62, "15", 9, alignLeft, colourWhite));
        EXPECT_TRUE(textAt((int16_t)(textEndX + 3), 64, "\xB0" "C", 8, alignLeft, colourWhite));
        EXPECT_TRUE(textAt(56, 82, "12.5", 9, alignLeft, colourWhite));
        EXPECT_TRUE(textAt((int16_t)(textEndX + 3), 84, "V", 8, alignLeft, colourWhite));
        EXPECT_TRUE(textAt(p.gRight, 210, "+1.0", 9, alignRight, colourWhite));
        EXPECT_TRUE(textAt((int16_t)(p.gRight + 13), 212, "G", 8, alignRight, colourWhite));
        EXPECT_TRUE(textAt(59, 192, "F:", 8, alignLeft, colourWhite));
        EXPECT_TRUE(textAt(59, 212, "L:", 8, alignLeft, colourWhite));
        EXPECT_TRUE(textAt(77, 210, "09:05:07", 9, alignLeft, colourWhite));
        EXPECT_TRUE(textAt(p.windX, p.windY, "20", 9, alignCentre, colourWhite));
        // Nothing of a leg, a transponder or an autopilot that is not there.
        EXPECT_EQ(countColour(p.cx - 100, 226, p.cx + 100, 248, colourWhite), 0);
        EXPECT_FALSE(textAt(28, 212, "OFF", 8, alignCentre, colourWhite));
        EXPECT_EQ(countColour(100, 44, 130, 60, colourRed), 0);
    }
}

TEST_F(EfisFields, SwitchedOffFieldsAreLeftOut) {
    unitSettings.voltsDisplay = 0;
    unitSettings.oatDisplay = 0;
    unitSettings.flightTimerDisplay = 0;
    unitSettings.windDisplay = 0;
    gpsPositionValid = 1;
    gpsSpeedMph = 100;
    trueAirspeed = 100;
    groundSpeed = 80;
    drawLayout(0);
    EXPECT_FALSE(textAt(56, 62, "15", 9, alignLeft, colourWhite));
    EXPECT_FALSE(textAt(56, 82, "12.5", 9, alignLeft, colourWhite));
    EXPECT_FALSE(textAt(59, 192, "F:", 8, alignLeft, colourWhite));
    EXPECT_FALSE(textAt(359, 40, "20", 9, alignCentre, colourWhite));
    // G is shown only from the attitude sensor.
    unitSettings.gForceDisplay = 1;
    unitSettings.attitudeSource = 1;
    drawLayout(0);
    EXPECT_FALSE(textAt(369, 210, "+1.0", 9, alignRight, colourWhite));
    unitSettings.attitudeSource = 2;  // no attitude: plain grey, the fields on it all the same
    drawLayout(0);
    EXPECT_EQ(pixelAt(240, 100), colourDarkGrey);
    EXPECT_TRUE(textAt(56, 44, "AQ", 8, alignLeft, colourRed));
}

// Volts 99 under a low alarm of 100 flash red; 105 under a low caution of 110 stand on yellow.
TEST_F(EfisFields, VoltsAlarmFlashesAndCautionStaysYellow) {
    struct Case {
        uint16_t volts;
        uint8_t blink;
        const char* text;
        uint8_t box;  // colour of the box's corners, or 0 for no box
        uint8_t ink;
    } cases[] = {
        {99, 1, "9.9", colourRed, colourWhite},    {99, 0, "9.9", 0, colourWhite},
        {105, 0, "10.5", colourYellow, colourBlack}, {105, 1, "10.5", colourYellow, colourBlack},
        {151, 1, "15.1", colourRed, colourWhite},  {145, 1, "14.5", colourYellow, colourBlack},
        {125, 1, "12.5", 0, colourWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + std::string(c.blink ? " blink 1" : " blink 0"));
        volts = c.volts;
        fastBlink = c.blink;
        drawLayout(0);
        ASSERT_TRUE(textAt(56, 82, c.text, 9, alignLeft, c.ink));
        // The box runs from textStartX - 2 to textEndX over rows y + 1 .. y + 16.
        int16_t left = (int16_t)(textStartX - 2), right = textEndX;
        if (c.box) {
            EXPECT_EQ(pixelAt(left, 83), c.box);
            EXPECT_EQ(pixelAt(right, 98), c.box);
            EXPECT_NE(pixelAt(left - 1, 83), c.box);
            EXPECT_NE(pixelAt(right, 99), c.box);
        } else {
            EXPECT_EQ(countColour(left, 83, right, 98, colourRed), 0);
            EXPECT_EQ(countColour(left, 83, right, 98, colourYellow), 0);
        }
    }
}

TEST_F(EfisFields, OatFlashesBeyondItsAlarmsAndShowsDashesWhenNotBelieved) {
    struct Case {
        uint8_t unit;
        int16_t oat;
        uint8_t lowOn, highOn;
        const char* text;
        bool box;
    } cases[] = {
        {0, 15, 1, 1, "15", false},
        {0, 61, 1, 1, "61", true},     // above the high alarm of 60
        {0, 61, 1, 0, "61", false},    // that alarm switched off
        {0, -1, 1, 1, "-1", true},     // below the low alarm of 0
        {0, 151, 1, 0, "---", false},  // above 150 degrees C
        {1, 151, 1, 0, "151", false},  // Fahrenheit believes up to 300
        {1, 301, 1, 0, "---", false},
        {7, 151, 1, 0, "---", false},  // an unknown unit reads as Celsius
    };
    fastBlink = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        unitSettings.oatUnit = c.unit;
        unitSettings.oatLowAlarmOn = c.lowOn;
        unitSettings.oatHighAlarmOn = c.highOn;
        oat = c.oat;
        drawLayout(0);
        ASSERT_TRUE(textAt(56, 62, c.text, 9, alignLeft, colourWhite));
        EXPECT_EQ(pixelAt(textStartX - 2, 63) == colourRed, c.box);
        EXPECT_TRUE(textAt((int16_t)(textEndX + 3), 64, c.unit == 1 ? "\xB0" "F" : "\xB0" "C", 8, alignLeft,
                           colourWhite));
    }
}

TEST_F(EfisFields, GpsFixStatus) {
    struct Case {
        uint8_t mode;
        const char* text;
        uint8_t colour;
    } cases[] = {{0, "AQ", colourRed}, {1, "AQ", colourRed}, {2, "2D", colourWhite}, {3, "3D", colourWhite},
                 {9, "AQ", colourRed}};
    for (const Case& c : cases) {
        gpsFixMode = c.mode;
        fillScreen(colourBlack);
        drawGpsFixStatus(450, 5);
        EXPECT_TRUE(textAt(450, 5, c.text, 8, alignLeft, c.colour)) << (int)c.mode;
    }
}

TEST_F(EfisFields, TimersBlock) {
    timerOn = 1;
    timerSeconds = 3723;
    flightTimeSeconds = 3 * 3600 + 25 * 60 + 59;
    localDateTime = DateTime{7, 5, 23, 1, 1, 2026};
    fillScreen(colourBlack);
    drawTimersBlock();
    EXPECT_TRUE(textAt(59, 172, "T:", 8, alignLeft, colourWhite));
    EXPECT_TRUE(textAt(77, 170, "1:02:03", 9, alignLeft, colourWhite));
    EXPECT_TRUE(textAt(77, 190, "3", 9, alignLeft, colourWhite));
    int16_t hoursEnd = textEndX;
    EXPECT_TRUE(textAt(hoursEnd, 190, ":", 9, alignLeft, colourWhite));
    EXPECT_TRUE(textAt((int16_t)(hoursEnd + 7), 190, "25", 9, alignLeft, colourWhite));
    EXPECT_TRUE(textAt(77, 210, "23:05:07", 9, alignLeft, colourWhite));

    // Ten hours or more widen the timer's single hours place; the colon blinks in flight.
    timerSeconds = 10 * 3600 + 5;
    flightActive = 1;
    fastBlink = 1;
    fillScreen(colourBlack);
    drawTimersBlock();
    EXPECT_TRUE(textAt(77, 170, "10:00:05", 9, alignLeft, colourWhite));
    EXPECT_FALSE(textAt(hoursEnd, 190, ":", 9, alignLeft, colourWhite));
    EXPECT_TRUE(textAt((int16_t)(hoursEnd + 7), 190, "25", 9, alignLeft, colourWhite));
    fastBlink = 0;
    fillScreen(colourBlack);
    drawTimersBlock();
    EXPECT_TRUE(textAt(hoursEnd, 190, ":", 9, alignLeft, colourWhite));

    timerOn = 0;
    fillScreen(colourBlack);
    drawTimersBlock();
    EXPECT_EQ(countNot(59, 170, 200, 186, colourBlack), 0);
}

TEST_F(EfisFields, TransponderBox) {
    unitSettings.transponderType = 1;
    unitSettings.squawkCode = 7000;
    struct Case {
        uint8_t mode, ident, blink;
        const char* text;
    } cases[] = {
        {0, 0, 0, "OFF"}, {1, 0, 0, "STBY"}, {2, 0, 0, "GND"},   {3, 0, 0, "ON"},
        {4, 0, 0, "ALT"}, {4, 1, 0, "IDENT"}, {4, 1, 1, "ALT"}, {9, 0, 0, "OFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        transponderMode = c.mode;
        identActive = c.ident;
        fastBlink = c.blink;
        drawLayout(0);
        EXPECT_TRUE(textAt(28, 212, c.text, 8, alignCentre, colourWhite));
        EXPECT_TRUE(textAt(3, 226, "7000", 9, alignLeft, colourWhite));
        EXPECT_EQ(pixelAt(0, 209), colourWhite);
        EXPECT_EQ(pixelAt(2, 244), colourBlack);
    }
    transponderReply = 1;
    transponderLinkOk = 0;
    drawLayout(1);
    EXPECT_TRUE(textAt(43, 226, "R", 9, alignLeft, colourRed));
    EXPECT_EQ(pixelAt(0, 209), colourRed);   // the cross from corner to corner
    EXPECT_EQ(pixelAt(56, 209), colourRed);
    unitSettings.transponderType = 0;
    drawLayout(0);
    EXPECT_FALSE(textAt(3, 226, "7000", 9, alignLeft, colourWhite));
}

TEST_F(EfisFields, AutopilotAnnunciatedOnlyWhenInstalledAndEngaged) {
    struct Case {
        uint8_t bank, pitch, engaged;
        bool shown;
    } cases[] = {{0, 0, 1, false}, {1, 0, 0, false}, {1, 0, 1, true}, {0, 1, 1, true}};
    for (const Case& c : cases) {
        unitSettings.apBankServoInstalled = c.bank;
        unitSettings.apPitchServoInstalled = c.pitch;
        apEngaged = c.engaged;
        drawLayout(2);
        EXPECT_EQ(textAt(102, 44, "AP", 10, alignLeft, colourRed), c.shown);
    }
}

// The needle moves 2.5, 1.25, 0.5 or 0.25 pixels per cross-track unit by the CDI scale and stops
// 95 pixels out; the waypoint's name shows whenever a leg is active.
TEST_F(EfisFields, CdiBar) {
    struct Case {
        uint8_t scale;
        int32_t xte;
        int16_t dev;
    } cases[] = {{0, 10, 25}, {1, 10, 12}, {2, -30, -15}, {3, 100, 25}, {9, 100, 25},
                 {0, 1000, 95}, {0, -1000, -95}, {3, INT32_MIN, -95}};
    navActive = 1;
    std::memcpy(activeWaypointName, "EGKBXY", 7);
    for (const EfisPlaces& p : efisPlaces) {
        for (const Case& c : cases) {
            SCOPED_TRACE("layout " + std::to_string(p.layout) + " xte " + std::to_string(c.xte));
            unitSettings.cdiScale = c.scale;
            crossTrackError = c.xte;
            EXPECT_EQ(cdiDeviation(), c.dev);
            drawLayout(p.layout);
            int16_t n = (int16_t)(p.cx + c.dev);
            EXPECT_EQ(pixelAt(n - 3, 228), colourWhite);
            EXPECT_EQ(pixelAt(n + 3, 228), colourWhite);
            EXPECT_EQ(pixelAt(n, 226), colourWhite);
            EXPECT_EQ(pixelAt(n, 230), colourBlack);
            EXPECT_EQ(pixelAt(p.cx, 230), colourWhite);  // centre mark
            for (int16_t i = 0; i < 3; i++) {
                EXPECT_EQ(pixelAt(p.cx + 25 * i - 75, 237), colourWhite);
                EXPECT_EQ(pixelAt(p.cx + 25 * i + 24, 237), colourWhite);
            }
            EXPECT_TRUE(textAt(56, 102, "EGKBXY", 8, alignLeft, colourWhite));
        }
    }
    // A name that fills its seven bytes shows its first six.
    std::memcpy(activeWaypointName, "ABCDEFG", 7);
    unitSettings.efisCdiDisplay = 0;
    crossTrackError = 0;
    drawLayout(0);
    EXPECT_TRUE(textAt(56, 102, "ABCDEF", 8, alignLeft, colourWhite));
    EXPECT_FALSE(textAt(56, 102, "ABCDEFG", 8, alignLeft, colourWhite));
    EXPECT_EQ(countColour(140, 226, 340, 248, colourWhite), 0);
}

TEST_F(EfisFields, WindSpeedAndArrow) {
    struct Case {
        uint16_t tas, gs;
        int16_t heading, track;
        uint16_t speed;
        int16_t angle;  // screen angle of the head
    } cases[] = {
        {100, 80, 0, 0, 20, 90},         // headwind: blows from the nose to the tail
        {80, 100, 0, 0, 20, 270},        // tailwind
        {100, 100, 10, 0, 17, 175},      // crabbing right into a wind from the right
        {60, 100, 0, 45, 71, 351},       // the barbs pass north: 386 and 316 degrees
        {0, 65535, 0, 0, 65535, 270},
        {60000, 60000, 180, 0, 65535, 90},  // 120000 does not fit
    };
    gpsPositionValid = 1;
    gpsSpeedMph = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tas) + " " + std::to_string(c.gs) + " " + std::to_string(c.track));
        trueAirspeed = c.tas;
        groundSpeed = c.gs;
        trueHeading = c.heading;
        gpsTrackTrue = c.track;
        ASSERT_TRUE(windKnown());
        EXPECT_EQ(computeWindSpeed(), c.speed);
        EXPECT_EQ(windArrowAngle(), c.angle);
        fillScreen(colourBlack);
        drawWindArrow(359, 85, 1);
        EXPECT_EQ(pixelAt(radialX(359, c.angle, 20), radialY(85, c.angle, 20)), colourWhite);
        EXPECT_EQ(pixelAt(radialX(359, c.angle + 180, 20), radialY(85, c.angle + 180, 20)), colourWhite);
        EXPECT_EQ(pixelAt(radialX(359, c.angle + 35, 15), radialY(85, c.angle + 35, 15)), colourWhite);
        EXPECT_EQ(pixelAt(radialX(359, c.angle - 35, 15), radialY(85, c.angle - 35, 15)), colourWhite);
        fillScreen(colourBlack);
        drawWindArrow(250, 70, 0);
        EXPECT_EQ(pixelAt(radialX(250, c.angle, 13), radialY(70, c.angle, 13)), colourWhite);
        EXPECT_EQ(pixelAt(radialX(250, c.angle + 35, 9), radialY(70, c.angle + 35, 9)), colourWhite);
        EXPECT_EQ(countNot(0, 0, 479, 271, colourBlack) > 0, true);
        EXPECT_EQ(countNot(0, 0, 479, 50, colourBlack), 0);  // nothing beyond its 13 pixels
    }
}

TEST_F(EfisFields, WindOnlyWithAPositionASpeedAndTheCompass) {
    trueAirspeed = 100;
    groundSpeed = 80;
    struct Case {
        uint8_t valid;
        uint16_t mph;
        uint8_t compass;
        bool shown;
    } cases[] = {{1, 6, 1, true}, {0, 100, 1, false}, {1, 5, 1, false}, {1, 100, 2, false}, {1, 100, 0, false}};
    for (const Case& c : cases) {
        gpsPositionValid = c.valid;
        gpsSpeedMph = c.mph;
        unitSettings.compassDisplay = c.compass;
        windSpeed = 0;
        fillScreen(colourBlack);
        drawWindSpeed(359, 40);
        drawWindArrow(359, 85, 1);
        EXPECT_EQ(countNot(0, 0, 479, 271, colourBlack) > 0, c.shown);
        EXPECT_EQ(windSpeed, c.shown ? 20 : 0);
    }
}

TEST_F(EfisFields, HighestWindIsRecorded) {
    gpsPositionValid = 1;
    gpsSpeedMph = 100;
    trueAirspeed = 100;
    groundSpeed = 60;
    drawLayout(0);
    EXPECT_EQ(+minMax.maxWindSpeed, 40);
    groundSpeed = 90;
    drawLayout(0);
    EXPECT_EQ(+minMax.maxWindSpeed, 40);
    EXPECT_EQ(windSpeed, 10);
}

}  // namespace
