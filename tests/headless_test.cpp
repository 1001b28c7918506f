// End to end through the scripted host: power on, frames, a key, a snapshot, power off.
#include "host/headless/headless_host.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/palette.h"
#include "png_reader.h"
#include "test_dir.h"
#include "ui/page.h"

namespace {

std::string writeScript(const std::string& name, const std::string& text) {
    std::string path = testDir() + "/" + name;
    std::ofstream(path) << text;
    return path;
}

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

TEST(Headless, ScriptRunsTheUnitAndSnapsTheFrame) {
    std::string dir = testDir();
    std::string script = writeScript("efis_e2e.script",
                                     "# a whole session\n"
                                     "clock 2026-05-01T12:00:00Z\n"
                                     "power on\n"
                                     "key soft1\n"
                                     "frames 5000\n"
                                     "expect powerOffRequest 0\n"
                                     "key soft3\n"
                                     "frames 1\n"
                                     "expect keyCode 0\n"
                                     "snap efis_e2e.png\n"
                                     "tick 12\n"
                                     "expect tickCount 12\n"
                                     "power off\n"
                                     "frames 3\n"
                                     "expect unitRunning 0\n");
    ASSERT_EQ(runHeadlessScript(script.c_str(), dir.c_str()), 0);
    IndexedPng png;
    ASSERT_TRUE(readIndexedPng(dir + "/efis_e2e.png", png));
    EXPECT_EQ(png.width, 480);
    EXPECT_EQ(png.height, 272);
    ASSERT_EQ(png.pixels.size(), 480u * 272u);
    for (int i = 0; i < 256; i++) ASSERT_EQ(png.palette[i], paletteRgb[i] & 0xFFFFFF);
    EXPECT_EQ(png.pixels[0], 15);  // the corner of the EFIS layout's ground-speed box
}

TEST(Headless, SameScriptSameBytes) {
    std::string dir = testDir();
    std::string script = writeScript("efis_twice.script", "power on\nframes 6000\nkey push\nframes 2\nsnap efis_twice.png\n");
    ASSERT_EQ(runHeadlessScript(script.c_str(), dir.c_str()), 0);
    std::vector<uint8_t> first = fileBytes(dir + "/efis_twice.png");
    ASSERT_EQ(runHeadlessScript(script.c_str(), dir.c_str()), 0);
    EXPECT_EQ(fileBytes(dir + "/efis_twice.png"), first);
    EXPECT_GT(first.size(), 1000u);
}

TEST(Headless, FailuresAndMalformedLines) {
    std::string dir = testDir();
    struct Case {
        const char* text;
        int32_t code;
    } cases[] = {
        {"expect keyCode 3\n", 1},
        {"frobnicate\n", 2},
        {"frames many\n", 2},
        {"key soft9\n", 2},
        {"clock 2026-13-01T00:00:00Z\n", 2},
        {"print noSuchThing\n", 2},
        {"power\n", 2},
        {"# only a comment\n\n", 0},
        {"print keyCode displayPage powerOffRequest tickCount\n", 0},
    };
    for (const Case& c : cases) {
        std::string script = writeScript("efis_bad.script", c.text);
        EXPECT_EQ(runHeadlessScript(script.c_str(), dir.c_str()), c.code) << c.text;
    }
    EXPECT_EQ(runHeadlessScript("/nonexistent/script", dir.c_str()), 2);
}

}  // namespace
