// Drawing a flight layout allocates nothing: every frame of every layout and sub-view, with the
// fields that format texts all showing.
#include <gtest/gtest.h>

#include "counting_new.h"
#include "efis/compass_calibration.h"
#include "layout_fixture.h"
#include "ui/main_screen.h"
#include "ui/page.h"

namespace {

using LayoutAllocations = Layouts;

TEST_F(LayoutAllocations, NoLayoutAllocatesInAFrame) {
    bankAngle = 20;
    pitchAngle = 5;
    gpsPositionValid = 1;
    gpsFixMode = 3;
    gpsSpeedMph = 100;
    trueAirspeed = 110;
    groundSpeed = 90;
    timerOn = 1;
    navActive = 1;
    unitSettings.transponderType = 1;
    unitSettings.apBankServoInstalled = 1;
    apEngaged = 1;
    compassCalActive = 1;
    showMainScreen();
    struct View {
        uint8_t layout, subView;
    } views[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 4}};
    mainScreenPage();  // anything made once, made before counting
    long before = allocations.load();
    for (const View& v : views) {
        displayPage = v.layout;
        vfrSubView = vfrEmsSubView = v.subView;
        for (uint8_t blink = 0; blink < 2; blink++) {
            fastBlink = blink;
            mainScreenPage();
        }
    }
    EXPECT_EQ(allocations.load() - before, 0);
}

}  // namespace
