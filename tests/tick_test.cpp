// The tick: blink phases, the slow block's countdown, scanning EMS displays, the up/down timer
// and the engine clocks, over a few hundred ticks.
#include <gtest/gtest.h>

#include <vector>

#include "ems/engine_speed.h"
#include "host/tick.h"
#include "host/unit.h"
#include "records/records.h"
#include "records/working_state.h"
#include "ui/main_screen.h"
#include "ui/page.h"
#include "ui/timer_overlay.h"

namespace {

class Tick : public ::testing::Test {
  protected:
    void SetUp() override {
        applySettingsDefaults();
        tickCount = 0;
        fastBlinkCounter = fastBlink = 0;
        slowTickCounter = slowBlinkCounter = slowBlink = 0;
        egtScanTimer = chtScanTimer = scanHoldCounter = 0;
        hobbsSecondCounter = maintenanceSecondCounter = 0;
        overlayCountdown = 0;
        displayPage = 0;
        scanPhase = egtScanIndex = chtScanIndex = 0;
        timerSeconds = 0;
        timerOn = timerUp = timerRunning = 0;
        hobbsHours = hobbsHundredths = 0;
        maintenanceHours = maintenanceMinutes = 0;
        airframeHours = airframeMinutes = 0;
        telmConnected = 0;
        rpm1 = 0;
    }
    static void blocks(int32_t n) {
        for (int32_t i = 0; i < n; i++) slowBlock();
    }
    // The thermocouple channel a one-group strip shows.
    static uint8_t shown() { return scanPhase == 0 ? egtScanIndex : chtScanIndex; }
};

TEST_F(Tick, FastBlinkEveryElevenTicksSlowBlockEveryTwentieth) {
    std::vector<uint32_t> blinkChanges, slowBlocks;
    overlayCountdown = 200;
    uint8_t lastBlink = fastBlink, lastCountdown = overlayCountdown;
    for (uint32_t t = 1; t <= 100; t++) {
        Timer1Timer();
        if (fastBlink != lastBlink) blinkChanges.push_back(t);
        if (overlayCountdown != lastCountdown) slowBlocks.push_back(t);
        lastBlink = fastBlink;
        lastCountdown = overlayCountdown;
    }
    EXPECT_EQ(tickCount, 100u);
    EXPECT_EQ(blinkChanges, (std::vector<uint32_t>{11, 22, 33, 44, 55, 66, 77, 88, 99}));
    EXPECT_EQ(slowBlocks, (std::vector<uint32_t>{20, 40, 60, 80, 100}));
    // Twenty ticks of 50 ms: one slow block a second.
    EXPECT_EQ(tickPeriodMs * ticksPerSlowBlock, 1000);
}

TEST_F(Tick, OverlayCountdownStopsAtZeroAndSlowBlinkIsOnThreeOfEight) {
    overlayCountdown = 2;
    std::vector<uint8_t> phases;
    for (int i = 0; i < 16; i++) {
        slowBlock();
        phases.push_back(slowBlink);
    }
    EXPECT_EQ(overlayCountdown, 0);
    EXPECT_EQ(phases, (std::vector<uint8_t>{1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0}));
}

TEST_F(Tick, CombinedStripScansEgtThenCht) {
    unitSettings.egtChannels = 4;
    unitSettings.chtChannels = 2;
    unitSettings.egtScanMode = unitSettings.chtScanMode = 1;
    unitSettings.egtScanTime = unitSettings.chtScanTime = 0;
    for (uint8_t layout : {1, 4}) {
        displayPage = layout;
        scanPhase = egtScanIndex = 0;
        chtScanIndex = 4;
        std::vector<uint8_t> seen;
        for (int i = 0; i < 8; i++) {
            slowBlock();
            seen.push_back(shown());
        }
        EXPECT_EQ(seen, (std::vector<uint8_t>{1, 2, 3, 4, 5, 0, 1, 2})) << "layout " << (int)layout;
    }
}

TEST_F(Tick, HighestModeHoldsEachGroupForFiveBlocks) {
    unitSettings.egtScanMode = unitSettings.chtScanMode = 0;
    displayPage = 4;
    std::vector<uint8_t> phases;
    for (int i = 0; i < 12; i++) {
        slowBlock();
        phases.push_back(scanPhase);
    }
    EXPECT_EQ(phases, (std::vector<uint8_t>{0, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0}));
}

TEST_F(Tick, EmsPageScansBothGroupsOnTheirOwnTimes) {
    displayPage = 5;
    unitSettings.egtChannels = 3;
    unitSettings.chtChannels = 2;
    unitSettings.egtScanMode = unitSettings.chtScanMode = 1;
    unitSettings.egtScanTime = 0;  // every block
    unitSettings.chtScanTime = 1;  // every third block
    chtScanIndex = 0;              // below the CHT group: raised on the first step
    std::vector<uint8_t> egt, cht;
    for (int i = 0; i < 9; i++) {
        slowBlock();
        egt.push_back(egtScanIndex);
        cht.push_back(chtScanIndex);
    }
    EXPECT_EQ(egt, (std::vector<uint8_t>{1, 2, 0, 1, 2, 0, 1, 2, 0}));
    EXPECT_EQ(cht, (std::vector<uint8_t>{0, 0, 4, 4, 4, 3, 3, 3, 4}));
    EXPECT_EQ(scanPhase, 0);
    // Nothing is stepped on other layouts.
    displayPage = 0;
    blocks(10);
    EXPECT_EQ(egtScanIndex, 0);
    EXPECT_EQ(cht.back(), chtScanIndex);
}

TEST_F(Tick, ScanTimesAndTheirBounds) {
    EXPECT_EQ(scanTimeBlocks(0), 1);
    EXPECT_EQ(scanTimeBlocks(3), 10);
    EXPECT_EQ(scanTimeBlocks(6), 60);
    EXPECT_EQ(scanTimeBlocks(7), 60);
    EXPECT_EQ(scanTimeBlocks(255), 60);

    displayPage = 5;
    unitSettings.egtChannels = 4;
    unitSettings.egtScanMode = 1;
    unitSettings.egtScanTime = 3;
    blocks(9);
    EXPECT_EQ(egtScanIndex, 0);
    slowBlock();
    EXPECT_EQ(egtScanIndex, 1);
    // A scan time shortened under a running timer steps at the next block instead of waiting
    // for the timer to wrap.
    unitSettings.egtScanTime = 6;
    blocks(40);
    unitSettings.egtScanTime = 0;
    slowBlock();
    EXPECT_EQ(egtScanIndex, 2);
    EXPECT_EQ(egtScanTimer, 0);
}

TEST_F(Tick, ScanIndexesStayOnTheTwelveChannels) {
    struct Case {
        uint8_t egt, cht;
    } cases[] = {{200, 200}, {12, 0}, {12, 5}, {0, 5}, {0, 0}, {10, 200}, {255, 0}};
    unitSettings.egtScanMode = unitSettings.chtScanMode = 1;
    unitSettings.egtScanTime = unitSettings.chtScanTime = 0;
    for (const Case& c : cases) {
        unitSettings.egtChannels = c.egt;
        unitSettings.chtChannels = c.cht;
        for (uint8_t layout : {1, 5}) {
            displayPage = layout;
            egtScanIndex = 0;
            chtScanIndex = layout == 5 ? 200 : 0;  // left over from other settings: stepped back in
            uint8_t highest = 0;
            for (int i = 0; i < 60; i++) {
                slowBlock();
                if (egtScanIndex > highest) highest = egtScanIndex;
                if (chtScanIndex > highest) highest = chtScanIndex;
            }
            EXPECT_LE(highest, 11) << (int)c.egt << "/" << (int)c.cht << " layout " << (int)layout;
        }
    }
}

TEST_F(Tick, UpDownTimer) {
    struct Case {
        uint8_t on, running, up;
        uint32_t from, after5;
    } cases[] = {
        {1, 1, 1, 10, 15}, {1, 1, 0, 10, 5}, {1, 1, 0, 3, 0}, {0, 1, 1, 10, 10}, {1, 0, 1, 10, 10},
    };
    for (const Case& c : cases) {
        timerOn = c.on;
        timerRunning = c.running;
        timerUp = c.up;
        timerSeconds = c.from;
        blocks(5);
        EXPECT_EQ(timerSeconds, c.after5) << (int)c.on << (int)c.running << (int)c.up << " from " << c.from;
    }
}

TEST_F(Tick, HobbsAndMaintenanceCountWhileTheEngineRuns) {
    telmConnected = 1;
    rpm1 = (int32_t)unitSettings.hobbsMinRpm;
    maintenanceHours = 1;
    maintenanceMinutes = 0;
    blocks(35);
    EXPECT_EQ(hobbsHundredths, 0);
    slowBlock();
    EXPECT_EQ(hobbsHundredths, 1);
    blocks(23);
    EXPECT_EQ((int)maintenanceHours, 1);
    EXPECT_EQ(maintenanceMinutes, 0);
    slowBlock();
    EXPECT_EQ((int)maintenanceHours, 0);
    EXPECT_EQ(maintenanceMinutes, 59);
    blocks(60);
    EXPECT_EQ(maintenanceMinutes, 58);
    EXPECT_EQ((int)airframeHours, 0);  // never counted by the tick
    EXPECT_EQ(airframeMinutes, 0);
    EXPECT_EQ(retainedStateDirty, 0);

    // Over a hundredth of ticks through the timer itself.
    hobbsHundredths = 0;
    hobbsSecondCounter = 0;
    slowTickCounter = 0;
    for (int i = 0; i < 36 * 20; i++) Timer1Timer();
    EXPECT_EQ(hobbsHundredths, 1);
}

TEST_F(Tick, EngineClocksStopAtTheirEnds) {
    telmConnected = 1;
    rpm1 = 5000;
    hobbsHours = 10000;
    hobbsHundredths = 99;
    blocks(36);
    EXPECT_EQ((int)hobbsHours, 10000);
    EXPECT_EQ(hobbsHundredths, 0);
    // A maintenance timer at zero stays there.
    blocks(120);
    EXPECT_EQ((int)maintenanceHours, 0);
    EXPECT_EQ(maintenanceMinutes, 0);
}

TEST_F(Tick, EngineClocksNeedEngineDataAndEnoughRpm) {
    struct Case {
        uint8_t telm;
        int32_t rpm;
    } cases[] = {{0, 9000}, {0, 0}, {1, 999}};
    unitSettings.hobbsMinRpm = 1000;
    for (const Case& c : cases) {
        telmConnected = c.telm;
        rpm1 = c.rpm;
        maintenanceHours = 5;
        blocks(100);
        EXPECT_EQ(hobbsHundredths, 0) << (int)c.telm << " " << c.rpm;
        EXPECT_EQ((int)maintenanceHours, 5);
        EXPECT_EQ(maintenanceMinutes, 0);
    }
}

}  // namespace
