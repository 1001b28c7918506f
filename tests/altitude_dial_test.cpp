#include "efis/altitude_dial.h"

#include <climits>

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using AltimeterDial = Instruments;
constexpr int16_t cx = 393, cy = 67;

struct Point {
    int16_t dx, dy;
};

// Three hands from radius 16: ten-thousands (to 30) at A x 0.0036 degrees, thousands (to 45) at
// A x 0.036 after taking off whole 10000s, hundreds (to 60) at the last three digits x 0.36.
TEST_F(AltimeterDial, HandsShowTheAltitude) {
    struct Case {
        int32_t altitude;
        Point tenThousands, thousands, hundreds;  // points at radius 25, 40 and 55
    } cases[] = {
        {3750, {5, -24}, {28, 28}, {-55, 0}},     // 13, 135 and 270 degrees
        {-250, {0, -25}, {0, -40}, {0, -55}},     // below zero the two long hands rest at 0
        {25000, {25, 0}, {0, 40}, {0, -55}},      // 90, 180 (5000 after 20000) and 0 degrees
        {10000, {14, -20}, {0, -40}, {0, -55}},   // 36 degrees; 10000 itself is not taken off
        {1250, {1, -24}, {28, -28}, {55, 0}},     // 4, 45 and 90 degrees
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("altitude " + std::to_string(c.altitude));
        altitude = c.altitude;
        fillScreen(colourBlack);
        drawAltimeterDial(cx, cy);
        EXPECT_EQ(pixelAt(cx + c.tenThousands.dx, cy + c.tenThousands.dy), colourWhite);
        EXPECT_EQ(pixelAt(cx + c.thousands.dx, cy + c.thousands.dy), colourWhite);
        EXPECT_EQ(pixelAt(cx + c.hundreds.dx, cy + c.hundreds.dy), colourWhite);
    }
}

TEST_F(AltimeterDial, HandLengths) {
    altitude = 25000;  // ten-thousands right, thousands down, hundreds up
    drawAltimeterDial(cx, cy);
    EXPECT_EQ(pixelAt(cx + 30, cy), colourWhite);
    EXPECT_NE(pixelAt(cx + 33, cy), colourWhite);
    EXPECT_EQ(pixelAt(cx, cy + 45), colourWhite);
    EXPECT_NE(pixelAt(cx, cy + 48), colourWhite);
    EXPECT_EQ(pixelAt(cx, cy - 60), colourWhite);
    EXPECT_NE(pixelAt(cx, cy - 13), colourWhite);  // hands start outside the hub
}

// Altitudes whose hands stay clear of the setting window.
TEST_F(AltimeterDial, SettingWindowAndReadout) {
    struct Case {
        uint8_t pressureUnit, altitudeUnit;
        int32_t altitude;
        const char* setting;
        const char* value;
        const char* unit;
    } cases[] = {{0, 0, 1000, "1013", "1000", "ft"}, {1, 1, -120, "29.92", "-120", "m"}, {9, 9, 0, "1013", "0", "ft"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        unitSettings.pressureUnit = c.pressureUnit;
        unitSettings.altitudeUnit = c.altitudeUnit;
        altitude = c.altitude;
        fillScreen(colourBlack);
        drawAltimeterDial(cx, cy);
        Frame dial;
        saveFrame(dial);
        fillScreen(colourBlack);
        drawFrame(cx - 23, cy + 19, cx + 22, cy + 36, colourLightGrey);
        drawText(cx, cy + 20, c.setting, 8, alignCentre, colourWhite);
        drawText(cx, cy + 64, c.value, 16, alignCentre, colourWhite);
        drawText(cx + 46, cy + 72, c.unit, 8, alignLeft, colourLightGrey);
        EXPECT_EQ(differences(dial, cx - 23, cy + 19, cx + 22, cy + 36), 0);
        EXPECT_EQ(differences(dial, cx - 45, cy + 67, cx + 70, cy + 96), 0);
    }
}

TEST_F(AltimeterDial, SweepStaysInItsSquare) {
    const int32_t extremes[] = {INT32_MIN, -100000, 999999, INT32_MAX};
    for (int32_t alt = -3000; alt <= 40000; alt += 173) {
        altitude = alt;
        altSensorStatus = alt % 2 ? 2 : 0;
        fillScreen(colourDarkGrey);
        drawAltimeterDial(cx, cy);
        ASSERT_EQ(outside(cx - 70, 0, cx + 70, cy + 97, colourDarkGrey), 0) << alt;
    }
    for (int32_t alt : extremes) {
        altitude = alt;
        drawAltimeterDial(cx, cy);
    }
}

}  // namespace
