// The readouts of the VFR layouts: the small labelled fields, the times and air panels with the
// slip-ball box, the fuel block, the navigation block and the G meter.
#include <string>

#include "efis/fuel_fields.h"
#include "efis/g_meter.h"
#include "efis/info_panels.h"
#include "efis/nav_info.h"
#include "efis/vfr_fields.h"
#include "layout_fixture.h"

namespace {

using VfrPanels = Layouts;

// A label in grey at x 0 and its value in white at x 115 on a panel row.
void expectRow(int16_t y, const char* label, const char* value) {
    SCOPED_TRACE(label);
    EXPECT_TRUE(textAt(0, y, label, 8, alignLeft, colourLightGrey));
    EXPECT_TRUE(textAt(115, y, value, 8, alignLeft, colourWhite));
}

TEST_F(VfrPanels, SmallFields) {
    trueAirspeedMph = 131;
    unitSettings.speedUnit = 2;  // the TAS field stays in mph
    densityAltitude = 5210;
    drawTasField(18, 120);
    drawGsField(15, 0);
    drawDaField(165, 0);
    EXPECT_TRUE(textAt(18, 120, "TAS", 8, alignCentre, colourLightGrey));
    EXPECT_TRUE(textAt(18, 135, "131", 8, alignCentre, colourWhite));
    EXPECT_TRUE(textAt(15, 0, "GS", 8, alignCentre, colourLightGrey));
    EXPECT_TRUE(textAt(15, 15, "---", 8, alignCentre, colourWhite));
    EXPECT_TRUE(textAt(165, 0, "DA", 8, alignCentre, colourLightGrey));
    EXPECT_TRUE(textAt(165, 15, "5210", 8, alignCentre, colourWhite));
    gpsPositionValid = 1;
    groundSpeed = 97;
    oatCelsius = -100;
    fillScreen(colourBlack);
    drawGsField(15, 0);
    drawDaField(165, 0);
    EXPECT_TRUE(textAt(15, 15, "97", 8, alignCentre, colourWhite));
    EXPECT_TRUE(textAt(165, 15, "-----", 8, alignCentre, colourWhite));
}

TEST_F(VfrPanels, TimesPanel) {
    flightTimeSeconds = 3900;
    utcDateTime = DateTime{56, 34, 12, 1, 5, 2026};
    localDateTime = DateTime{56, 34, 14, 1, 5, 2026};
    timerSeconds = 100;
    hobbsHours = 123;
    hobbsHundredths = 45;
    maintenanceHours = 25;
    airframeHours = 300;
    drawTimesPanel();
    expectRow(165, "Flight Time:", "1:05");
    expectRow(180, "Zulu Time:", "12:34:56");
    expectRow(195, "Local Time:", "14:34:56");
    expectRow(210, "Timer:", "0:01:40");
    expectRow(225, "Hobbs:", "123.4");
    expectRow(240, "Maintenance:", "25");
    expectRow(255, "Airframe:", "300");

    flightActive = 1;
    fastBlink = 1;
    fillScreen(colourBlack);
    drawTimesPanel();
    expectRow(165, "Flight Time:", "1 05");
}

// A timer run down to 0 h 0 min flashes red on rows y + 1 .. y + 15.
TEST_F(VfrPanels, ExpiredTimersFlash) {
    struct Case {
        uint16_t hours;
        uint8_t minutes, blink;
        bool box;
    } cases[] = {{0, 0, 1, true}, {0, 0, 0, false}, {0, 1, 1, false}, {1, 0, 1, false}};
    for (const Case& c : cases) {
        maintenanceHours = airframeHours = c.hours;
        maintenanceMinutes = airframeMinutes = c.minutes;
        fastBlink = c.blink;
        fillScreen(colourBlack);
        drawTimesPanel();
        const char* text = c.hours ? "1" : "0";
        EXPECT_TRUE(textAt(115, 240, text, 8, alignLeft, colourWhite));
        EXPECT_EQ(pixelAt(113, 241) == colourRed, c.box);
        EXPECT_EQ(pixelAt(textEndX, 255) == colourRed, c.box);
        EXPECT_NE(pixelAt(113, 240), colourRed);
        EXPECT_EQ(pixelAt(113, 256) == colourRed, c.box);
        EXPECT_EQ(pixelAt(113, 270) == colourRed, c.box);
    }
}

TEST_F(VfrPanels, AirPanel) {
    volts = 138;
    oat = 21;
    glideRatio = 125;
    verticalSpeedFpm = -300;
    drawAirPanel();
    expectRow(165, "Volts:", "13.8");
    EXPECT_TRUE(textAt((int16_t)(textEndX + 5), 165, "V", 8, alignLeft, colourLightGrey));
    expectRow(180, "OAT:", "21");
    EXPECT_TRUE(textAt((int16_t)(textEndX + 5), 180, "\xB0" "C", 8, alignLeft, colourLightGrey));
    expectRow(195, "Glide Ratio:", "12.5");
    expectRow(210, "Barometer:", "0");
    EXPECT_TRUE(textAt((int16_t)(textEndX + 5), 210, "mb", 8, alignLeft, colourLightGrey));
    expectRow(225, "Aircraft Reg:", "REG NO");
    EXPECT_EQ(pixelAt(20, 252), colourGrey);  // the slip-ball tube

    verticalSpeedFpm = 1;
    unitSettings.pressureUnit = 1;
    staticPressure = 1013;
    unitSettings.oatDisplay = 0;
    unitSettings.slipBallDisplay = 0;
    std::memcpy(unitSettings.aircraftRegistration, "ABCDEFGHI", 9);  // no terminator
    fillScreen(colourBlack);
    drawAirPanel();
    expectRow(195, "Climb Ratio:", "12.5");
    expectRow(210, "Barometer:", "29.91");
    EXPECT_TRUE(textAt((int16_t)(textEndX + 5), 210, "\"Hg", 8, alignLeft, colourLightGrey));
    EXPECT_TRUE(textAt(0, 180, "OAT:", 8, alignLeft, colourLightGrey));
    EXPECT_FALSE(textAt(115, 180, "21", 8, alignLeft, colourWhite));
    expectRow(225, "Aircraft Reg:", "ABCDEFGH");
    EXPECT_EQ(countNot(0, 245, 479, 271, colourBlack), 0);

    unitSettings.pressureUnit = 4;  // an unknown unit reads as mb
    fillScreen(colourBlack);
    drawAirPanel();
    expectRow(210, "Barometer:", "1013");
}

TEST_F(VfrPanels, AirPanelBoxes) {
    struct Case {
        uint16_t volts;
        int16_t oat;
        uint8_t blink;
        uint8_t voltsBox, oatBox;  // colour at the box's top left, 0 for none
    } cases[] = {
        {99, 15, 1, colourRed, 0}, {99, 15, 0, 0, 0}, {105, 15, 0, colourYellow, 0},
        {125, 70, 1, 0, colourRed}, {125, 70, 0, 0, 0},
    };
    for (const Case& c : cases) {
        volts = c.volts;
        oat = c.oat;
        fastBlink = c.blink;
        fillScreen(colourBlack);
        drawAirPanel();
        EXPECT_EQ(pixelAt(113, 166), c.voltsBox);
        EXPECT_EQ(pixelAt(113, 180), c.voltsBox);
        EXPECT_EQ(pixelAt(113, 181), c.oatBox);
        EXPECT_EQ(pixelAt(113, 195), c.oatBox);
        EXPECT_TRUE(textAt(115, 165, c.volts == 99 ? "9.9" : c.volts == 105 ? "10.5" : "12.5", 8, alignLeft,
                           c.voltsBox == colourYellow ? colourBlack : colourWhite));
    }
}

TEST_F(VfrPanels, SlipBallBox) {
    slipValue = 500;  // far right: the ball stops 70 pixels out on these layouts
    unitSettings.slipZero = 0;
    displayPage = 4;
    drawSlipBallBox();
    for (auto [x, y] : {std::pair{15, 251}, {156, 271}, {13, 252}, {11, 269}, {6, 257}, {6, 265}, {158, 270},
                        {160, 253}, {161, 254}, {164, 257}, {164, 266}})
        EXPECT_EQ(pixelAt(x, y), colourGrey) << x << "," << y;
    EXPECT_EQ(pixelAt(5, 261), colourGrey);  // the end circles
    EXPECT_EQ(pixelAt(165, 261), colourGrey);
    EXPECT_EQ(pixelAt(4, 261), colourBlack);
    EXPECT_EQ(pixelAt(166, 261), colourBlack);
    EXPECT_EQ(pixelAt(155, 261), colourBlack);  // the ball's centre, at 85 + 70
    EXPECT_EQ(pixelAt(74, 260), colourWhite);   // a guide line
}

TEST_F(VfrPanels, FuelBlock) {
    fuelEnduranceMinutes = 90;
    fuelRange = 210;
    unitSettings.fuelUnit = 2;
    drawFuelBlock();
    expectRow(165, "Fuel Endur:", "1:30");
    expectRow(180, "Fuel Range:", "210");
    EXPECT_TRUE(textAt((int16_t)(textEndX + 2), 180, "nm", 8, alignLeft, colourLightGrey));
    EXPECT_FALSE(textAt(0, 195, "Fuel Wpt:", 8, alignLeft, colourLightGrey));

    // Unknown while nothing flows; with a leg the fuel at the waypoint follows.
    fuelEnduranceMinutes = fuelRange = fuelUnknown;
    unitSettings.fuelUnit = 9;
    navActive = 1;
    fuelAtWaypoint = -3;
    fillScreen(colourBlack);
    drawFuelBlock();
    expectRow(165, "Fuel Endur:", "?:??");
    expectRow(180, "Fuel Range:", "?");
    EXPECT_TRUE(textAt((int16_t)(textEndX + 2), 180, "sm", 8, alignLeft, colourLightGrey));
    expectRow(195, "Fuel Wpt:", "---");
    EXPECT_TRUE(textAt((int16_t)(textEndX + 2), 195, "L", 8, alignLeft, colourLightGrey));

    // Arrangements 2..9 keep no single figure for the aircraft.
    for (uint8_t arrangement : {2, 5, 9}) {
        fuelArrangement = arrangement;
        fillScreen(colourBlack);
        drawFuelBlock();
        EXPECT_EQ(countNot(0, 0, 479, 271, colourBlack), 0) << (int)arrangement;
    }
    fuelArrangement = 10;
    drawFuelBlock();
    EXPECT_TRUE(textAt(0, 165, "Fuel Endur:", 8, alignLeft, colourLightGrey));
}

TEST_F(VfrPanels, FuelAtWaypoint) {
    fuelEnduranceMinutes = 100;
    unitSettings.fuelUnit = 3;
    struct Case {
        int32_t fuel;
        uint8_t blink;
        const char* text;
        bool box;
    } cases[] = {{12, 1, "12", false}, {-4, 1, "-4", true}, {-4, 0, "-4", false}};
    for (const Case& c : cases) {
        fuelAtWaypoint = c.fuel;
        fastBlink = c.blink;
        displayPage = 4;
        fillScreen(colourBlack);
        drawFuelAtWaypoint(0, 195);
        EXPECT_TRUE(textAt(0, 195, "Fuel Wpt:", 8, alignLeft, colourLightGrey));
        EXPECT_TRUE(textAt(115, 195, c.text, 8, alignLeft, colourWhite));
        EXPECT_TRUE(textAt((int16_t)(textEndX + 2), 195, "G", 8, alignLeft, colourLightGrey));
        EXPECT_EQ(pixelAt(113, 196) == colourRed, c.box);
        EXPECT_EQ(pixelAt(113, 210) == colourRed, c.box);
    }
    // The engine layout puts the value straight after a short label.
    displayPage = 5;
    fuelAtWaypoint = 12;
    fillScreen(colourBlack);
    drawFuelAtWaypoint(400, 243);
    EXPECT_TRUE(textAt(400, 243, "WPT: ", 8, alignLeft, colourLightGrey));
    EXPECT_TRUE(textAt(textEndX, 243, "12", 8, alignLeft, colourWhite));
}

TEST_F(VfrPanels, NavigationBlock) {
    constexpr int16_t x = 410, y = 150;
    drawNavInfo(x, y);
    const char* labels[5] = {"ETA:", "ETE:", "TRK:", "DTW:", "CRS:"};
    for (int16_t i = 0; i < 5; i++)
        EXPECT_TRUE(textAt(x - 40, (int16_t)(y + 15 * (i + 1)), labels[i], 8, alignLeft, colourLightGrey)) << i;
    const char* idle[5] = {"--:--", "--:--", "---\xB0M", "-----", "---\xB0"};
    for (int16_t i = 0; i < 5; i++)
        EXPECT_TRUE(textAt(x + 5, (int16_t)(y + 15 * (i + 1)), idle[i], 8, alignLeft, colourWhite)) << i;
    unitSettings.headingMode = 1;
    fillScreen(colourBlack);
    drawNavInfo(x, y);
    EXPECT_TRUE(textAt(x + 5, y + 45, "---\xB0T", 8, alignLeft, colourWhite));

    // A leg flown at 62 mph with 100 km to go at 10:20 local time.
    navActive = 1;
    std::memcpy(activeWaypointName, "KOSHKO", 7);  // seven bytes, no terminator: six shown
    distanceKm = 100;
    magBearingToWaypoint = 45;
    gpsPositionValid = 1;
    gpsSpeedMph = 62;
    gpsTrackTrue = 50;
    gpsTrackMagnetic = 47;
    localSeconds = 10 * 3600 + 20 * 60;
    eteSeconds = 5400;  // left by the previous frame
    fillScreen(colourBlack);
    drawNavInfo(x, y);
    EXPECT_TRUE(textAt(x, y, "KOSHKO", 8, alignCentre, colourWhite));
    EXPECT_TRUE(textAt(x + 5, y + 15, "11:50", 8, alignLeft, colourWhite));
    EXPECT_TRUE(textAt(x + 5, y + 30, "1:00", 8, alignLeft, colourWhite));
    EXPECT_TRUE(textAt(x + 5, y + 45, "50\xB0T", 8, alignLeft, colourWhite));
    EXPECT_TRUE(textAt(x + 5, y + 60, "62", 8, alignLeft, colourWhite));
    EXPECT_TRUE(textAt(x + 5, y + 75, "45\xB0M", 8, alignLeft, colourWhite));
    EXPECT_EQ(eteSeconds, 3600);
    unitSettings.headingMode = 0;
    fillScreen(colourBlack);
    drawNavInfo(x, y);
    EXPECT_TRUE(textAt(x + 5, y + 15, "11:20", 8, alignLeft, colourWhite));  // the ETE just computed
    EXPECT_TRUE(textAt(x + 5, y + 45, "47\xB0M", 8, alignLeft, colourWhite));
}

// The bands' limits as drawn: replaced when beyond the scale or out of order.
TEST_F(VfrPanels, GMeterLimitsForDrawing) {
    struct Case {
        uint8_t scale;
        int16_t nh, nc, pc, ph;
        GLimits drawn;
    } cases[] = {
        {0, -15, -5, 25, 35, {-15, -5, 25, 35}},  // the defaults stand
        {0, -31, -40, 60, 70, {-15, -5, 25, 35}},  // below -3 G and above 5 G
        {0, -20, -5, 40, 30, {-20, -5, 25, 30}},   // caution above the high limit
        {2, -61, -70, 120, 110, {-30, -10, 50, 70}},
        {2, -20, -10, 50, 95, {-20, -10, 50, 95}},  // legal, though past the +9 G end
        {7, -31, -5, 25, 35, {-15, -5, 25, 35}},   // an unknown scale reads as +5/-3 G
    };
    for (const Case& c : cases) {
        unitSettings.gForceScale = c.scale;
        unitSettings.gNegativeHigh = c.nh;
        unitSettings.gNegativeCaution = c.nc;
        unitSettings.gPositiveCaution = c.pc;
        unitSettings.gPositiveHigh = c.ph;
        GLimits l = gMeterLimits();
        EXPECT_EQ(l.negativeHigh, c.drawn.negativeHigh);
        EXPECT_EQ(l.negativeCaution, c.drawn.negativeCaution);
        EXPECT_EQ(l.positiveCaution, c.drawn.positiveCaution);
        EXPECT_EQ(l.positiveHigh, c.drawn.positiveHigh);
    }
}

// Colour between radii 44 and 55 in the gap of the dial (screen angles 325..395), clear of the
// thick lines at its two ends.
int gapPixels(int16_t cx, int16_t cy, uint8_t colour) {
    int n = 0;
    for (int32_t a = 328; a <= 392; a++)
        for (int32_t r = 44; r <= 55; r++)
            if (pixelAt(radialX(cx, a, r), radialY(cy, a, r)) == colour) n++;
    return n;
}

TEST_F(VfrPanels, GMeterBandsStayOnTheDial) {
    constexpr int16_t cx = 350, cy = 216;
    unitSettings.gForceScale = 2;
    unitSettings.gPositiveHigh = 95;  // P = 297 degrees, past the dial's 288
    drawGMeter(cx, cy);
    EXPECT_EQ(gMeterAngle(95), 288);
    EXPECT_EQ(gapPixels(cx, cy, colourYellow), 0);
    EXPECT_EQ(gapPixels(cx, cy, colourRed), 0);
    // The yellow band runs to the end of the dial, and no red band follows it.
    EXPECT_EQ(pixelAt(radialX(cx, 322, 53), radialY(cy, 322, 53)), colourYellow);

    // An inverted pair leaves its band out: a negative caution above the positive one leaves
    // no green band, the yellow one running on from the negative high limit.
    unitSettings.gForceScale = 0;
    unitSettings.gPositiveHigh = 35;
    unitSettings.gNegativeCaution = 30;
    fillScreen(colourBlack);
    drawGMeter(cx, cy);
    EXPECT_EQ(countColour(cx - 60, cy - 60, cx + 60, 271, colourGreen), 0);
    int32_t a = gMeterAngle(20) + 36;
    EXPECT_EQ(pixelAt(radialX(cx, a, 53), radialY(cy, a, 53)), colourYellow);
}

TEST_F(VfrPanels, GMeterNeedleStopsAtTheEndWhileTheDigitsShowTheValue) {
    constexpr int16_t cx = 350, cy = 216;
    struct Case {
        float g;
        uint8_t blink;
        const char* text;
        uint8_t box;
        uint8_t ink;
        int32_t needleTenths;
    } cases[] = {
        {9.0f, 1, "9.0", colourRed, colourWhite, 50},   // beyond +5 G: needle at the end
        {9.0f, 0, "9.0", 0, colourWhite, 50},
        {3.0f, 0, "3.0", colourYellow, colourBlack, 30}, // above the 2.5 G caution
        {1.0f, 1, "1.0", 0, colourWhite, 10},
        {-4.0f, 1, "-4.0", colourRed, colourWhite, -30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        gForce = c.g;
        fastBlink = c.blink;
        displayPage = 3;
        fillScreen(colourBlack);
        drawGMeter(cx, cy);
        int32_t a = gMeterAngle(c.needleTenths) + 36;
        EXPECT_EQ(pixelAt(radialX(cx, a, 35), radialY(cy, a, 35)), colourWhite);
        ASSERT_TRUE(textAt(cx + 105, cy - 18, c.text, 20, alignRight, c.ink));
        int16_t left = (int16_t)(textStartX - 1), right = (int16_t)(textEndX - 1);
        EXPECT_EQ(pixelAt(left, cy - 13), c.box);
        EXPECT_EQ(pixelAt(right, cy + 15), c.box);
        if (c.box) {
            EXPECT_NE(pixelAt(right + 1, cy + 15), c.box);
        }
    }
}

TEST_F(VfrPanels, GMeterRecordsAndCycles) {
    constexpr int16_t cx = 75, cy = 216;
    minMax.maxG = 4.0f;   // beyond the 3.5 G high limit
    minMax.minG = -1.0f;  // beyond the -0.5 G caution
    minMax.positiveGCycles = 3;
    minMax.negativeGCycles = 2;
    fastBlink = 1;
    displayPage = 4;
    drawGMeter(cx, cy);
    ASSERT_TRUE(textAt(cx + 105, cy - 36, "4.0", 12, alignRight, colourWhite));
    EXPECT_EQ(pixelAt(textStartX - 1, cy - 34), colourRed);
    EXPECT_EQ(pixelAt(textEndX - 1, cy - 16), colourRed);
    ASSERT_TRUE(textAt(cx + 105, cy + 16, "-1.0", 12, alignRight, colourBlack));
    EXPECT_EQ(pixelAt(textStartX - 1, cy + 18), colourYellow);
    EXPECT_EQ(pixelAt(textEndX - 1, cy + 36), colourYellow);
    EXPECT_TRUE(textAt(cx + 105, cy - 54, "3", 9, alignRight, colourWhite));
    EXPECT_TRUE(textAt(cx + 65, cy + 38, "2", 9, alignLeft, colourWhite));
    EXPECT_TRUE(textAt(cx, cy - 8, "G", 8, alignCentre, colourLightGrey));
    // The VFR layout puts the negative count under the others.
    displayPage = 3;
    fillScreen(colourBlack);
    drawGMeter(cx, cy);
    EXPECT_TRUE(textAt(cx + 105, cy + 38, "2", 9, alignRight, colourWhite));
}

TEST_F(VfrPanels, GMeterLabelsFollowTheScale) {
    constexpr int16_t cx = 350, cy = 216;
    struct Case {
        uint8_t scale;
        const char* text;
        int16_t dx, dy;
    } cases[] = {{0, "5", 26, -31}, {1, "10", 19, -31}, {2, "9", 24, -31}, {3, "-8", 22, 15}, {6, "-3", 22, 15}};
    for (const Case& c : cases) {
        unitSettings.gForceScale = c.scale;
        fillScreen(colourBlack);
        drawGMeter(cx, cy);
        EXPECT_TRUE(textAt(cx + c.dx, cy + c.dy, c.text, 8, alignLeft, colourLightGrey)) << (int)c.scale;
    }
}

}  // namespace
