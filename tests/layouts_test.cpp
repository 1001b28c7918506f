// The flight layouts as the main screen draws them: what each composes where, the strip left for
// the engine gauges, the sub-views that key 4 steps through, and the compass-calibration box.
#include <string>
#include <vector>

#include "efis/compass_calibration.h"
#include "layout_fixture.h"
#include "ui/main_screen.h"
#include "ui/page.h"

namespace {

class FlightLayouts : public Layouts {
  protected:
    void SetUp() override {
        Layouts::SetUp();
        showMainScreen();
        // Banked and pitched up, so that the picture would reach every corner it may.
        bankAngle = 30;
        pitchAngle = 8;
        gpsPositionValid = 1;
        gpsFixMode = 3;
        gpsSpeedMph = 100;
        trueAirspeed = 110;
        groundSpeed = 90;
    }
    static void frame(uint8_t key = 0) {
        keyCode = key;
        mainScreenPage();
    }
};

// Lubber line of an HSI centred at (cx, cy): yellow columns above the card's edge.
bool hsiAt(int16_t cx, int16_t cy) {
    return pixelAt(cx, cy - 56) == colourYellow && pixelAt(cx - 1, cy - 57) == colourYellow &&
           pixelAt(cx + 2, cy - 57) != colourYellow;
}

// The grey ring and hub label of the G meter centred at (cx, cy).
bool gMeterAt(int16_t cx, int16_t cy) { return textAt(cx, (int16_t)(cy - 8), "G", 8, alignCentre, colourLightGrey); }

TEST_F(FlightLayouts, MainScreenDrawsEachFlightLayout) {
    struct Case {
        uint8_t layout;
        int16_t gsX, gsY;  // where "GS" stands: the EFIS box or the VFR field
        uint8_t gsAlign;
    } cases[] = {{0, 3, 3, alignLeft}, {1, 3, 3, alignLeft}, {2, 3, 3, alignLeft}, {3, 15, 0, alignCentre},
                 {4, 15, 0, alignCentre}};
    for (const Case& c : cases) {
        SCOPED_TRACE("layout " + std::to_string(c.layout));
        displayPage = c.layout;
        frame();
        EXPECT_TRUE(textAt(c.gsX, c.gsY, "GS", 8, c.gsAlign, c.layout < 3 ? colourWhite : colourLightGrey));
    }
}

TEST_F(FlightLayouts, EngineStripIsLeftBlackOnTheCombinedLayouts) {
    drawLayout(0);
    EXPECT_GT(countNot(340, 0, 479, 271, colourBlack), 10000);  // the full-width picture
    drawLayout(1);
    EXPECT_EQ(countNot(340, 0, 479, 271, colourBlack), 0);
    EXPECT_GT(countColour(0, 0, 339, 271, colourBlue), 1000);
    drawLayout(4);
    for (int16_t y = 0; y < 272; y++) ASSERT_EQ(pixelAt(340, y), colourLightGrey) << y;
    EXPECT_EQ(countNot(341, 0, 479, 271, colourBlack), 0);
    // The EFIS/HSI layout puts the HSI and the navigation block there instead.
    drawLayout(2);
    EXPECT_TRUE(hsiAt(410, 80));
    EXPECT_TRUE(textAt(370, 165, "ETA:", 8, alignLeft, colourLightGrey));
    EXPECT_TRUE(textAt(415, 210, "-----", 8, alignLeft, colourWhite));
}

TEST_F(FlightLayouts, EfisInstrumentsAtTheirPlaces) {
    // Full width: heading box centred on 240, baro box at 409, VSI readout box from 393.
    drawLayout(0);
    EXPECT_EQ(pixelAt(240 - 27, 10), colourWhite);
    EXPECT_EQ(pixelAt(409, 10), colourWhite);
    EXPECT_EQ(pixelAt(393, 260), colourWhite);
    EXPECT_TRUE(textAt(382, 190, "0", 9, alignRight, colourWhite));  // density altitude
    // Narrow: centred on 170, baro box at 269, VSI readout box from 253.
    drawLayout(1);
    EXPECT_EQ(pixelAt(170 - 27, 10), colourWhite);
    EXPECT_EQ(pixelAt(269, 10), colourWhite);
    EXPECT_EQ(pixelAt(253, 260), colourWhite);
    EXPECT_TRUE(textAt(264, 190, "0", 9, alignRight, colourWhite));
    // Without a compass display there is no heading tape.
    unitSettings.compassDisplay = 0;
    drawLayout(0);
    EXPECT_NE(pixelAt(240 - 27, 10), colourWhite);
}

TEST_F(FlightLayouts, VfrSubViews) {
    struct Case {
        uint8_t subView;
        const char* panelLabel;  // at (0, 165)
        bool hsi, gMeter;
    } cases[] = {{0, "Flight Time:", true, false}, {1, "Volts:", true, false}, {2, "Volts:", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("sub-view " + std::to_string(c.subView));
        vfrSubView = c.subView;
        drawLayout(3);
        EXPECT_TRUE(textAt(0, 165, c.panelLabel, 8, alignLeft, colourLightGrey));
        EXPECT_EQ(hsiAt(320, 216), c.hsi);
        EXPECT_EQ(textAt(380, 180, "ETA:", 8, alignLeft, colourLightGrey), c.hsi);
        EXPECT_EQ(gMeterAt(350, 216), c.gMeter);
        // The fields every sub-view shares.
        EXPECT_TRUE(textAt(18, 120, "TAS", 8, alignCentre, colourLightGrey));
        EXPECT_TRUE(textAt(165, 0, "DA", 8, alignCentre, colourLightGrey));
        EXPECT_TRUE(textAt(450, 5, "3D", 8, alignLeft, colourWhite));
        EXPECT_TRUE(textAt(224, 205, "20", 9, alignCentre, colourWhite));
        EXPECT_EQ(pixelAt(197, 180), colourLightGrey);  // heading readout frame
    }
}

TEST_F(FlightLayouts, VfrEmsSubViews) {
    struct Case {
        uint8_t subView;
        const char* panelLabel;  // at (0, 165), or nullptr
        bool hsi, gMeter;
    } cases[] = {{0, "Flight Time:", false, false}, {1, "Volts:", false, false}, {2, "Fuel Endur:", false, false},
                 {3, nullptr, true, false},          {4, nullptr, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("sub-view " + std::to_string(c.subView));
        vfrEmsSubView = c.subView;
        drawLayout(4);
        if (c.panelLabel) {
            EXPECT_TRUE(textAt(0, 165, c.panelLabel, 8, alignLeft, colourLightGrey));
        }
        EXPECT_EQ(hsiAt(55, 216), c.hsi);
        EXPECT_EQ(textAt(115, 180, "ETA:", 8, alignLeft, colourLightGrey), c.hsi);
        EXPECT_EQ(gMeterAt(75, 216), c.gMeter);
        EXPECT_TRUE(textAt(317, 5, "3D", 8, alignLeft, colourWhite));
        EXPECT_TRUE(textAt(178, 85, "20", 9, alignCentre, colourWhite));
        EXPECT_TRUE(textAt(178, 35, "DA", 8, alignCentre, colourLightGrey));
        EXPECT_EQ(pixelAt(151, 10), colourLightGrey);  // heading readout frame
    }
    // The fuel sub-view keeps the slip ball, and only that, for a split fuel arrangement.
    vfrEmsSubView = 2;
    fuelArrangement = 5;
    drawLayout(4);
    EXPECT_FALSE(textAt(0, 165, "Fuel Endur:", 8, alignLeft, colourLightGrey));
    EXPECT_EQ(pixelAt(20, 252), colourGrey);
    unitSettings.slipBallDisplay = 0;
    drawLayout(4);
    EXPECT_EQ(pixelAt(20, 252), colourBlack);
}

// Key 4 steps the sub-view and the next frame shows it; the G meter's view is skipped while
// the G display is off.
TEST_F(FlightLayouts, Key4StepsTheSubViewsWithAndWithoutTheGDisplay) {
    struct Case {
        uint8_t layout, gDisplay;
        std::vector<uint8_t> views;  // after each press
    } cases[] = {
        {3, 1, {1, 2, 0, 1}},
        {3, 0, {1, 0, 1, 0}},
        {4, 1, {1, 2, 3, 4, 0}},
        {4, 0, {1, 2, 3, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("layout " + std::to_string(c.layout) + " G " + std::to_string(c.gDisplay));
        unitSettings.gForceDisplay = c.gDisplay;
        displayPage = c.layout;
        vfrSubView = vfrEmsSubView = 0;
        bool gSeen = false;
        for (uint8_t expected : c.views) {
            frame(4);
            uint8_t view = c.layout == 3 ? vfrSubView : vfrEmsSubView;
            EXPECT_EQ(view, expected);
            frame();
            bool g = c.layout == 3 ? gMeterAt(350, 216) : gMeterAt(75, 216);
            EXPECT_EQ(g, expected == (c.layout == 3 ? 2 : 4));
            gSeen = gSeen || g;
        }
        EXPECT_EQ(gSeen, c.gDisplay == 1);
    }
}

TEST_F(FlightLayouts, CompassCalibrationBoxOverEveryLayout) {
    compassCalActive = 1;
    compassCalCount = 12;
    compassCalFit = 955;
    for (uint8_t layout = 0; layout < 5; layout++) {
        SCOPED_TRACE("layout " + std::to_string(layout));
        displayPage = layout;
        frame();
        EXPECT_TRUE(textAt(240, 75, "COMPASS", 12, alignCentre, colourRed));
        EXPECT_TRUE(textAt(240, 135, "COUNT: 12", 10, alignCentre, colourWhite));
        EXPECT_TRUE(textAt(240, 160, "FIT: 95.5%", 10, alignCentre, colourWhite));
        EXPECT_EQ(pixelAt(135, 70), colourWhite);
        EXPECT_EQ(pixelAt(140, 190), colourBlack);
    }
    compassCalActive = 0;
    displayPage = 0;
    frame();
    EXPECT_FALSE(textAt(240, 75, "COMPASS", 12, alignCentre, colourRed));
}

// The red crosses over a missing attitude sensor come last, over the fields; with no attitude
// source the picture is plain grey and nothing crosses it.
TEST_F(FlightLayouts, AttitudeFailuresLieOverTheFields) {
    ahrsPresent = 0;
    drawLayout(0);
    EXPECT_EQ(pixelAt(190 - 5, 91), colourRed);
    EXPECT_EQ(pixelAt(240, 136), colourRed);
    drawLayout(2);
    EXPECT_EQ(pixelAt(120 - 5, 91), colourRed);
    unitSettings.attitudeSource = 2;
    drawLayout(0);
    EXPECT_EQ(countColour(100, 60, 380, 200, colourRed), 0);
    EXPECT_EQ(pixelAt(200, 100), colourDarkGrey);
}

}  // namespace
