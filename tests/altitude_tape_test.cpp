#include "efis/altitude_tape.h"

#include <climits>

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using AltitudeTape = Instruments;

// Two altitude units per pixel: f stands at h = f / 2 - trunc(A / 2) + 114, its label at 242 - h.
TEST_F(AltitudeTape, LabelsStandAtTheirRows) {
    struct Case {
        uint8_t page;
        int16_t a;
        int32_t altitude;
        const char* label;
        int16_t x, row;
    } cases[] = {
        {0, 347, 1000, " 1100", 389, 78}, {0, 347, 1000, "  900", 389, 178}, {0, 347, 1000, "  800", 389, 228},
        {0, 347, 1000, " 1200", 389, 28},  // only its rows from 36 down show
        {0, 347, -120, "    0", 389, 68}, {0, 347, -120, " -300", 389, 218},
        {0, 347, 1001, " 1100", 389, 78},  // odd altitudes keep the rows of the even one below
        {2, 210, 1000, " 11", 272, 78},    {2, 210, 1000, "  9", 272, 178},
        {2, 210, 25050, "252", 272, 53},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("altitude ") + std::to_string(c.altitude) + " label '" + c.label + "'");
        displayPage = c.page;
        altitude = c.altitude;
        fillScreen(colourBlack);
        drawAltitudeTape(c.a);
        Frame tape;
        saveFrame(tape);
        fillScreen(colourBlack);
        drawScaleLabelClipped(c.x, c.row, c.label, colourWhite, 36, 244);
        int top = c.row < 36 ? 36 : c.row, bottom = c.row + 15;
        EXPECT_GT(countColour(c.x, top, c.x + 50, bottom, colourWhite), 0);
        EXPECT_EQ(differences(tape, c.a + 40, top, c.a + 92, bottom), 0);
    }
}

TEST_F(AltitudeTape, TicksEveryFiftyUnits) {
    const int16_t a = 347;
    altitude = 1000;
    drawAltitudeTape(a);
    // Long ticks at the hundreds (1100 row 86, 1200 row 36, 800 row 236), short ones between.
    for (int row : {86, 36, 236}) EXPECT_EQ(countColour(a + 93, row, a + 106, row, colourWhite), 14) << row;
    for (int row : {111, 61, 161, 211}) {
        EXPECT_EQ(countColour(a + 100, row, a + 106, row, colourWhite), 7) << row;
        EXPECT_NE(pixelAt(a + 99, row), colourWhite) << row;
    }
    EXPECT_EQ(countColour(a + 93, 246, a + 106, 271, colourWhite), 0);
}

TEST_F(AltitudeTape, BugInViewOrParked) {
    const int16_t a = 347;
    struct Case {
        int32_t bug;
        uint8_t shown;
        int16_t row;  // where the marker stands, -1 for none
        uint8_t colour;
    } cases[] = {
        {1100, 1, 86, colourYellow}, {1400, 1, 50, colourCyan}, {600, 1, 230, colourCyan},
        {1172, 1, 50, colourCyan},  // just in view, and over A + 170: the parked marker is drawn last
        {813, 1, 230, colourYellow}, {1100, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("bug " + std::to_string(c.bug));
        altitude = 1000;
        altitudeBug = c.bug;
        altitudeBugShown = c.shown;
        fillScreen(colourBlack);
        drawAltitudeTape(a);
        int yellow = countColour(a + 100, 35, a + 107, 245, colourYellow);
        int cyan = countColour(a + 100, 35, a + 107, 245, colourCyan);
        if (c.row < 0) {
            EXPECT_EQ(yellow + cyan, 0);
            continue;
        }
        EXPECT_EQ(pixelAt(a + 103, c.row - 10), c.colour);
        EXPECT_EQ(pixelAt(a + 103, c.row + 10), c.colour);
        EXPECT_NE(pixelAt(a + 100, c.row), c.colour);  // the notch
        EXPECT_EQ(pixelAt(a + 107, c.row), c.colour);
    }
}

TEST_F(AltitudeTape, ReadoutFrameAndUnit) {
    struct Case {
        uint8_t page;
        int16_t a, boxLeft, boxTop;
    } cases[] = {{0, 347, 347, 119}, {1, 210, 222, 122}};
    for (const Case& c : cases) {
        displayPage = c.page;
        fillScreen(colourDarkGrey);
        drawAltitudeTape(c.a);
        EXPECT_EQ(pixelAt(c.boxLeft, c.boxTop), colourWhite) << c.a;
        EXPECT_EQ(pixelAt(c.boxLeft, c.boxTop - 1), colourWhite) << c.a;
        EXPECT_EQ(pixelAt(c.boxLeft - 1, c.boxTop), colourDarkGrey) << c.a;
        EXPECT_EQ(pixelAt(c.a + 98, 131), colourGreen) << c.a;
        EXPECT_EQ(pixelAt(c.a + 98, 141), colourGreen) << c.a;
        EXPECT_EQ(pixelAt(c.a + 104, 136), colourWhite) << c.a;  // the pointer's edges meet here
        EXPECT_EQ(pixelAt(c.a + 102, 134), colourWhite) << c.a;
        EXPECT_EQ(pixelAt(c.a + 103, 136), colourBlack) << c.a;
        EXPECT_EQ(pixelAt(c.a + 62, 101), colourWhite) << c.a;
    }
    unitSettings.altitudeUnit = 1;
    displayPage = 0;
    fillScreen(colourBlack);
    drawAltitudeTape(347);
    Frame tape;
    saveFrame(tape);
    fillScreen(colourBlack);
    drawText(369, 155, "m", 8, alignCentre, colourWhite);
    EXPECT_EQ(differences(tape, 350, 155, 390, 170), 0);
}

TEST_F(AltitudeTape, SweepStaysOnItsStrip) {
    const int32_t extremes[] = {INT32_MIN, -10001, -9995, 99999, 100000, INT32_MAX};
    for (uint8_t page : {0, 2}) {
        displayPage = page;
        int16_t a = page == 0 ? 347 : 210;
        altitudeBugShown = 1;
        for (int32_t alt = -20000; alt <= 120000; alt += 997) {
            altitude = alt;
            altitudeBug = alt + (alt % 700) - 350;
            altSensorStatus = alt % 2 ? 2 : 0;
            fillScreen(colourDarkGrey);
            drawAltitudeTape(a);
            ASSERT_EQ(outside(a, 35, a + 108, 245, colourDarkGrey), 0) << "altitude " << alt;
        }
        for (int32_t alt : extremes) {
            altitude = alt;
            altitudeBug = alt == INT32_MIN ? INT32_MAX : -alt;
            fillScreen(colourDarkGrey);
            drawAltitudeTape(a);
            ASSERT_EQ(outside(a, 35, a + 108, 245, colourDarkGrey), 0) << "altitude " << alt;
        }
    }
}

}  // namespace
