// The frame loop: key path, frame order, power-off and no allocation per frame.
#include <gtest/gtest.h>

#include <vector>

#include "counting_new.h"
#include "fake_platform.h"
#include "host/keys.h"
#include "host/unit.h"
#include "ui/page.h"

namespace {

std::vector<uint8_t> keysSeen;  // keyCode as each frame's page found it
void recordingPage() {
    keysSeen.push_back(keyCode);
    keyCode = 0;
}

TEST(Keys, SecondClickWhilePendingIsDropped) {
    keyCode = 0;
    Image4Click();
    Button3Click();
    EXPECT_EQ(keyCode, 3);
    keyCode = 0;
    Button3Click();
    EXPECT_EQ(keyCode, 7);
    keyCode = 0;
    struct {
        void (*click)();
        uint8_t code;
    } table[] = {{Image2Click, 1}, {Image3Click, 2}, {Image4Click, 3}, {Image5Click, 4},
                 {Image7Click, 5}, {Image8Click, 6}, {Button3Click, 7}, {Button4Click, 8}};
    for (auto& k : table) {
        k.click();
        EXPECT_EQ(keyCode, k.code);
        keyCode = 0;
    }
    EXPECT_EQ(keyCodeByName("soft5"), 5);
    EXPECT_EQ(keyCodeByName("minus"), 8);
    EXPECT_EQ(keyCodeByName("7"), 7);
    EXPECT_EQ(keyCodeByName("soft6"), 0);
}

TEST(FrameLoop, KeyClickedBetweenFramesReachesTheNextFramesPage) {
    FakePlatform host;
    PageHandler saved = currentPage;
    currentPage = recordingPage;
    keysSeen.clear();
    int frame = 0;
    host.betweenFrames = [&] {
        frame++;
        if (frame == 2) Image3Click();
        if (frame == 3) Image2Click(), Image5Click();  // second one dropped
        if (frame == 5) Button2Click();
    };
    for (int i = 0; i < 5 && !powerOffRequest; i++) runFrame();
    currentPage = saved;
    EXPECT_EQ(keysSeen, (std::vector<uint8_t>{0, 0, 2, 1, 0}));
    EXPECT_EQ(host.framesPresented, 5);
    powerOffRequest = 0;
}

TEST(FrameLoop, HostFlagsFollowTheCheckBoxes) {
    FakePlatform host;
    host.setControl("CheckBox6", 1);
    host.setControl("CheckBox8", 0);
    host.setControl("CheckBox7", 1);
    PageHandler saved = currentPage;
    currentPage = recordingPage;
    runFrame();
    EXPECT_EQ(altSensorStatus, 2);
    EXPECT_EQ(asiSensorStatus, 0);
    EXPECT_EQ(alarmsEnabled, 1);
    EXPECT_EQ(ahrsPresent, 1);
    alarmLamp = 1;
    runFrame();
    EXPECT_TRUE(host.lamp);
    alarmLamp = 0;
    currentPage = saved;
}

TEST(FrameLoop, PowerOnRunsUntilOffAndIgnoresASecondOn) {
    FakePlatform host;
    int frames = 0;
    host.betweenFrames = [&] {
        if (++frames == 3) Button1Click();  // "&On" while running: ignored, no nested loop
        if (frames == 10) Button2Click();
    };
    Button1Click();
    EXPECT_EQ(unitRunning, 0);
    EXPECT_GE(frames, 10);
    EXPECT_EQ(powerOffRequest, 1);
}

TEST(FrameLoop, OneFrameAllocatesNothing) {
    FakePlatform host;
    runFrame();  // first frame may build lazy tables
    long before = allocations.load();
    for (int i = 0; i < 3; i++) runFrame();
    EXPECT_EQ(allocations.load() - before, 0);
}

}  // namespace
