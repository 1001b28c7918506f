// The main screen: layout stepping, the resets that go with it, the altimeter setting, the
// sub-views, the list keys, the quick menu rows and the frame order.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "airdata/airdata.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/unit.h"
#include "records/records.h"
#include "records/working_state.h"
#include "ui/fuel_arrangement.h"
#include "ui/main_screen.h"
#include "ui/page.h"
#include "ui/quick_menu.h"

namespace {

class MainScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        applySettingsDefaults();
        deriveFuelArrangement();
        currentPage = mainScreenPage;
        displayPage = 0;
        baroSetting = 1013250;
        vfrSubView = vfrEmsSubView = 0;
        overlayCountdown = 0;
        overlayHandler = nullptr;
        keyCode = 0;
        leanMode = cruiseMode = scanPhase = 0;
        egtScanIndex = chtScanIndex = 0;
        faultListIndex = faultListCount = 0;
        infoCurrentLine = infoLineCount = 0;
        ahrsPresent = 0;
        indicatedAirspeedMph = 0;
        flightActive = 0;
    }
    // One frame with a key pending.
    static void press(uint8_t key) {
        keyCode = key;
        mainScreenPage();
    }
    // Layout enable flags from a ten-bit mask (bit n: layout n; 6 and 7 go together).
    static void enableLayouts(uint16_t mask) {
        unitSettings.showEfisPage = mask >> 0 & 1;
        unitSettings.showEfisEmsPage = mask >> 1 & 1;
        unitSettings.showEfisHsiPage = mask >> 2 & 1;
        unitSettings.showVfrPage = mask >> 3 & 1;
        unitSettings.showVfrEmsPage = mask >> 4 & 1;
        unitSettings.showEmsPage = mask >> 5 & 1;
        unitSettings.ecuType = (mask >> 6 & 1) ? 1 : 0;
        unitSettings.showGpsPage = mask >> 8 & 1;
        unitSettings.showInfoPage = mask >> 9 & 1;
    }
};

TEST_F(MainScreen, SoftKeysStepToTheNearestEnabledLayout) {
    struct Case {
        uint16_t enabled;
        uint8_t from;
        uint8_t key;
        uint8_t to;
    } cases[] = {
        {0x33F, 0, 5, 1},  {0x33F, 5, 5, 8},  {0x33F, 9, 5, 0},   // ECU layouts off by default
        {0x33F, 0, 1, 9},  {0x33F, 8, 1, 5},                      // downwards past 6 and 7
        {0x3FF, 5, 5, 6},  {0x3FF, 7, 1, 6},                      // ECU TYPE ROTAX 912iS
        {0x021, 0, 5, 5},  {0x021, 5, 5, 0},                      // only 0 and 5
        {0x021, 0, 1, 5},  {0x021, 5, 1, 0},
        {0x000, 3, 1, 2},  {0x000, 3, 5, 4},                      // none: one step either way
        {0x000, 0, 1, 9},  {0x000, 9, 5, 0},
        {0x200, 9, 5, 9},  {0x200, 9, 1, 9},                      // only one: stays
        {0x33F, 200, 5, 0}, {0x33F, 200, 1, 9},                   // out of range comes back in
    };
    for (const Case& c : cases) {
        enableLayouts(c.enabled);
        displayPage = c.from;
        press(c.key);
        EXPECT_EQ(displayPage, c.to) << "enabled " << std::hex << c.enabled << std::dec << " from " << (int)c.from
                                     << " key " << (int)c.key;
        EXPECT_EQ(keyCode, 0);
    }
}

TEST_F(MainScreen, LayoutChangeResetsTheEngineStrip) {
    struct Case {
        uint8_t from;
        uint8_t key;
        uint8_t to;
        bool modesCleared;
    } cases[] = {
        {5, 1, 4, true},  {3, 1, 2, true},  {4, 1, 3, false}, {1, 1, 0, false},
        {0, 5, 1, true},  {2, 5, 3, true},  {3, 5, 4, false}, {4, 5, 5, false},
    };
    enableLayouts(0x3FF);
    unitSettings.egtChannels = 4;
    for (const Case& c : cases) {
        displayPage = c.from;
        leanMode = cruiseMode = scanPhase = 1;
        egtScanIndex = 3;
        chtScanIndex = 9;
        faultListIndex = faultListCount = 2;
        press(c.key);
        ASSERT_EQ(displayPage, c.to);
        uint8_t kept = c.modesCleared ? 0 : 1;
        EXPECT_EQ(leanMode, kept) << (int)c.from << " -> " << (int)c.to;
        EXPECT_EQ(cruiseMode, kept);
        EXPECT_EQ(scanPhase, kept);
        EXPECT_EQ(egtScanIndex, 0);
        EXPECT_EQ(chtScanIndex, 4);
        EXPECT_EQ(faultListIndex, 0);
        EXPECT_EQ(faultListCount, 0);
    }
    // Whatever the channel setting holds, the CHT scan starts on one of the twelve channels.
    unitSettings.egtChannels = 200;
    press(5);
    EXPECT_EQ(chtScanIndex, 11);
}

TEST_F(MainScreen, KnobStepsTheAltimeterSettingWithinItsLimits) {
    struct Case {
        uint8_t unit;
        uint8_t key;
        int32_t afterOne;
        int32_t last;
    } cases[] = {
        {0, 7, 1014250, 1079250},
        {0, 8, 1012250, 941250},
        {1, 7, 1013588, 1080174},
        {1, 8, 1012912, 940580},
    };
    for (uint8_t layout : {0, 1, 2, 3, 4}) {
        for (const Case& c : cases) {
            unitSettings.pressureUnit = c.unit;
            displayPage = layout;
            baroSetting = 1013250;
            press(c.key);
            EXPECT_EQ((int32_t)baroSetting, c.afterOne);
            for (int i = 0; i < 400; i++) press(c.key);
            EXPECT_EQ((int32_t)baroSetting, c.last) << "unit " << (int)c.unit << " key " << (int)c.key;
        }
    }
}

TEST_F(MainScreen, KeysThatDoNothingOnALayout) {
    enableLayouts(0x3FF);
    struct Case {
        uint8_t layout;
        uint8_t key;
    } cases[] = {{5, 4}, {6, 4}, {8, 4}, {9, 4}, {5, 7}, {5, 8}, {6, 7}, {8, 7}, {8, 8}};
    for (const Case& c : cases) {
        displayPage = c.layout;
        baroSetting = 1013250;
        vfrSubView = vfrEmsSubView = 0;
        press(c.key);
        EXPECT_EQ(displayPage, c.layout);
        EXPECT_EQ((int32_t)baroSetting, 1013250);
        EXPECT_EQ(vfrSubView, 0);
        EXPECT_EQ(vfrEmsSubView, 0);
        EXPECT_EQ(overlayCountdown, 0);
        EXPECT_EQ(keyCode, 0);
    }
}

TEST_F(MainScreen, Key4CyclesTheVfrSubViews) {
    struct Case {
        uint8_t layout;
        uint8_t gForce;
        std::vector<uint8_t> views;
    } cases[] = {
        {3, 1, {1, 2, 0, 1}},
        {3, 0, {1, 0, 1, 0}},
        {4, 1, {1, 2, 3, 4, 0}},
        {4, 0, {1, 2, 3, 0, 1}},
    };
    for (const Case& c : cases) {
        unitSettings.gForceDisplay = c.gForce;
        displayPage = c.layout;
        vfrSubView = vfrEmsSubView = 0;
        std::vector<uint8_t> seen;
        for (size_t i = 0; i < c.views.size(); i++) {
            press(4);
            seen.push_back(c.layout == 3 ? vfrSubView : vfrEmsSubView);
        }
        EXPECT_EQ(seen, c.views) << "layout " << (int)c.layout << " g " << (int)c.gForce;
    }
    // A stale sub-view (2 with the G-force display switched off) goes back to the first.
    unitSettings.gForceDisplay = 0;
    displayPage = 3;
    vfrSubView = 2;
    press(4);
    EXPECT_EQ(vfrSubView, 0);
}

TEST_F(MainScreen, KnobScrollsTheFaultListAndTheInformationLines) {
    displayPage = 7;
    faultListCount = 3;
    std::vector<uint8_t> seen;
    for (uint8_t key : {7, 7, 7, 8, 8}) {
        press(key);
        seen.push_back(faultListIndex);
    }
    EXPECT_EQ(seen, (std::vector<uint8_t>{1, 2, 0, 2, 1}));
    // An empty list counts as one page.
    faultListCount = 0;
    faultListIndex = 0;
    press(7);
    EXPECT_EQ(faultListIndex, 0);
    press(8);
    EXPECT_EQ(faultListIndex, 0);

    displayPage = 9;
    infoLineCount = 0;
    press(7);
    EXPECT_EQ(infoCurrentLine, 0);
    infoLineCount = 3;
    for (int i = 0; i < 5; i++) press(7);
    EXPECT_EQ(infoCurrentLine, 2);
    for (int i = 0; i < 5; i++) press(8);
    EXPECT_EQ(infoCurrentLine, 0);
}

TEST_F(MainScreen, QuickMenuRowCounts) {
    struct Case {
        const char* what;
        uint8_t layout;
        void (*setup)();
        uint8_t count;
    } cases[] = {
        {"flight, defaults", 0, [] {}, 9},  // + START FLIGHT (flight detect MANUAL)
        {"flight, automatic detect", 2, [] { unitSettings.flightDetectMode = 1; }, 8},
        {"flight, AHRS and transponder", 0, [] { ahrsPresent = 1; unitSettings.transponderType = 1; }, 12},
        {"flight, servo on the ground", 0, [] { unitSettings.apPitchServoInstalled = 1; }, 10},
        {"flight, servo in the air", 0, [] { unitSettings.apPitchServoInstalled = 1; indicatedAirspeedMph = 31; }, 9},
        {"flight, servo during a flight", 0, [] { unitSettings.apBankServoInstalled = 1; flightActive = 1; }, 9},
        {"flight and engine, defaults", 1, [] {}, 10},  // + FUEL TOTALS (flow 1 on)
        {"flight and engine, calculated tank", 1, [] { unitSettings.tank1Mode = 1; deriveFuelArrangement(); }, 11},
        {"flight and engine, everything", 1,
         [] {
             unitSettings.tank1Mode = 1;
             deriveFuelArrangement();
             ahrsPresent = 1;
             unitSettings.transponderType = 2;
             unitSettings.apBankServoInstalled = 1;
         },
         15},
        {"VFR", 3, [] { unitSettings.tank1Mode = 1; deriveFuelArrangement(); }, 8},
        {"VFR/EMS", 4, [] { unitSettings.tank1Mode = 1; deriveFuelArrangement(); }, 10},
        {"VFR/EMS, no flow", 4, [] { unitSettings.flow1On = 0; unitSettings.flightDetectMode = 1; }, 7},
        {"EMS, defaults", 5, [] {}, 11},
        {"EMS, no thermocouples", 5, [] { unitSettings.egtChannels = unitSettings.chtChannels = 0; }, 9},
        {"EMS, CHT only, RPM off", 5, [] { unitSettings.egtChannels = 0; unitSettings.rpm1DisplayMode = 2; }, 9},
        {"ECU status", 6, [] {}, 3},
        {"GPS", 8, [] { ahrsPresent = 1; }, 3},
        {"information", 9, [] {}, 5},
    };
    for (const Case& c : cases) {
        SetUp();
        c.setup();
        displayPage = c.layout;
        press(6);
        EXPECT_EQ(quickMenuItemCount, c.count) << c.what;
        EXPECT_EQ(selectedRow, c.count - 1) << c.what;
        EXPECT_EQ(quickMenuItems[c.count - 1], quickExit) << c.what;
        EXPECT_EQ(quickMenuItems[0], quickMenu) << c.what;
        EXPECT_EQ(overlayCountdown, 10) << c.what;
        EXPECT_EQ(overlayHandler, quickMenuOverlay) << c.what;
    }
    // In the EMS menu without thermocouples neither mode is offered.
    SetUp();
    unitSettings.egtChannels = unitSettings.chtChannels = 0;
    buildQuickMenu(5);
    for (uint8_t i = 0; i < quickMenuItemCount; i++) {
        EXPECT_NE(quickMenuItems[i], quickCruiseMode);
        EXPECT_NE(quickMenuItems[i], quickLeanMode);
    }
}

TEST_F(MainScreen, AnOpenQuickMenuTakesTheKeysAndKeepsItsRows) {
    ahrsPresent = 1;
    press(6);
    ASSERT_EQ(quickMenuItemCount, 11);
    // The knob now moves the highlight instead of the altimeter setting.
    press(7);
    EXPECT_EQ(selectedRow, 9);
    EXPECT_EQ((int32_t)baroSetting, 1013250);
    press(8);
    press(8);
    EXPECT_EQ(selectedRow, 0);  // from the top row round to the bottom
    // A condition that changes while the menu is open does not change its rows.
    press(7);  // from the bottom row round to the top
    ahrsPresent = 0;
    mainScreenPage();
    EXPECT_EQ(quickMenuItemCount, 11);
    EXPECT_EQ(selectedRow, 10);
    EXPECT_EQ(quickMenuItems[10], quickExit);
    // A soft key does not step the layout under the menu; EXIT closes it.
    press(5);
    EXPECT_EQ(displayPage, 0);
    press(6);
    EXPECT_EQ(overlayCountdown, 0);
    press(7);
    EXPECT_EQ((int32_t)baroSetting, 1014250);
}

TEST_F(MainScreen, QuickMenuIsDrawnFromItsRowList) {
    press(6);
    ASSERT_EQ(quickMenuItemCount, 9);
    mainScreenPage();
    // Black box inside a white frame x 350..479 from row 257 - 18 n.
    EXPECT_EQ(frameBuffer[(257 - 18 * 9) * 480 + 400], 15);
    EXPECT_NE(frameBuffer[(257 - 18 * 9) * 480 + 349], 15);  // the layout, left of the frame
    EXPECT_EQ(frameBuffer[200 * 480 + 350], 15);
    EXPECT_EQ(frameBuffer[200 * 480 + 479], 15);
    EXPECT_EQ(frameBuffer[271 * 480 + 400], 15);
    // The top row (EXIT) in red, the bottom row (MENU) in white.
    auto rowHas = [](int16_t y, uint8_t colour) {
        for (int16_t yy = y; yy < y + 12; yy++)
            for (int16_t x = 360; x < 420; x++)
                if (frameBuffer[yy * 480 + x] == colour) return true;
        return false;
    };
    EXPECT_TRUE(rowHas(247 - 18 * 8, 247));
    EXPECT_FALSE(rowHas(247, 247));
    EXPECT_TRUE(rowHas(247, 15));
}

uint8_t drawsSeen = 0;
int32_t baroWhenDrawn = 0;
void recordingLayout() {
    drawsSeen++;
    baroWhenDrawn = baroSetting;
    fillScreen(3);
}

TEST_F(MainScreen, LayoutIsDrawnBeforeTheKeyActs) {
    layoutDrawers[0] = recordingLayout;
    drawsSeen = 0;
    press(7);
    EXPECT_EQ(drawsSeen, 1);
    EXPECT_EQ(baroWhenDrawn, 1013250);
    mainScreenPage();
    EXPECT_EQ(baroWhenDrawn, 1014250);
    EXPECT_EQ(frameBuffer[0], 3);
    layoutDrawers[0] = nullptr;
    // A layout without its drawer leaves nothing of the last frame.
    mainScreenPage();
    for (int32_t i = 0; i < frameBufferSize; i++) ASSERT_EQ(frameBuffer[i], 0) << i;
}

void otherPage() { keyCode = 0; }

TEST_F(MainScreen, MessagePageReturnsOnAnyKey) {
    returnPage = otherPage;
    currentPage = messagePage;
    messagePage();
    EXPECT_EQ(currentPage, messagePage);
    // "DONE" in white about (285, 120).
    bool white = false;
    for (int16_t y = 120; y < 140; y++)
        for (int16_t x = 250; x < 320; x++) white |= frameBuffer[y * 480 + x] == 15;
    EXPECT_TRUE(white);
    keyCode = 3;
    messagePage();
    EXPECT_EQ(currentPage, otherPage);
    EXPECT_EQ(keyCode, 0);
}

}  // namespace
