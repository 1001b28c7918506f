// The power-on screens: splash, maintenance and airframe notices, and how keys end them.
#include "host/startup_screens.h"

#include <gtest/gtest.h>

#include <vector>

#include "fake_platform.h"
#include "gfx/palette.h"
#include "host/keys.h"
#include "host/unit.h"
#include "ui/page.h"
#include "records/working_state.h"

namespace {

// What each presented frame showed: the red of a notice at its centre, or not.
struct Watcher {
    FakePlatform host;
    std::vector<bool> noticeFrames;
    std::vector<int> keyAt;  // frame numbers after which a key is clicked
    Watcher() {
        host.betweenFrames = [this] {
            noticeFrames.push_back(frameBuffer[120 * 480 + 240] == colourRed ||
                                   frameBuffer[160 * 480 + 100] == colourRed);
            for (int k : keyAt)
                if (k == (int)noticeFrames.size()) Image2Click();
        };
    }
};

TEST(StartupScreens, NoticesOnlyForExpiredTimers) {
    struct Case {
        uint16_t maintenanceH;
        uint8_t maintenanceM;
        uint16_t airframeH;
        uint8_t airframeM;
        int frames;   // presented in all
        int notice;   // of those, red notices
    } cases[] = {
        {0, 0, 0, 0, 2500 + 2500 + 500, 3000},
        {0, 1, 0, 0, 2500 + 500, 500},
        {5, 0, 0, 0, 2500 + 500, 500},
        {0, 0, 7, 0, 2500 + 2500, 2500},
        {1, 0, 0, 1, 2500, 0},
    };
    for (const Case& c : cases) {
        Watcher w;
        maintenanceHours = c.maintenanceH;
        maintenanceMinutes = c.maintenanceM;
        airframeHours = c.airframeH;
        airframeMinutes = c.airframeM;
        runStartupScreens();
        int notices = 0;
        for (bool n : w.noticeFrames) notices += n;
        EXPECT_EQ((int)w.noticeFrames.size(), c.frames) << c.maintenanceH << " " << c.airframeH;
        EXPECT_EQ(notices, c.notice);
    }
}

TEST(StartupScreens, AKeyEndsEachScreenAndReachesNoPage) {
    Watcher w;
    maintenanceHours = maintenanceMinutes = airframeHours = airframeMinutes = 0;
    w.keyAt = {3, 5, 6};  // splash after 3 frames, then each notice
    runStartupScreens();
    // Splash frames 1-3, maintenance 4-5, airframe 6; the frame that saw the key is not shown.
    EXPECT_EQ(w.noticeFrames, (std::vector<bool>{false, false, false, true, true, true}));
    EXPECT_EQ(keyCode, 0);
}

TEST(StartupScreens, ClosingTheWindowEndsThemAtOnce) {
    Watcher w;
    maintenanceHours = maintenanceMinutes = airframeHours = airframeMinutes = 0;
    w.host.betweenFrames = [&] {
        w.noticeFrames.push_back(false);
        if (w.noticeFrames.size() == 2) FormClose();
    };
    runStartupScreens();
    EXPECT_EQ(w.noticeFrames.size(), 2u);
    hostClosing = 0;
}

}  // namespace
