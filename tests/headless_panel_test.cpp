// The headless host's set and check commands: range, no-op moves, labels and malformed lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/headless/headless_host.h"

namespace {

int32_t runScript(const std::string& text) {
    std::string dir = std::filesystem::temp_directory_path();
    std::string path = dir + "/efis_panel.script";
    std::ofstream(path) << text;
    return runHeadlessScript(path.c_str(), dir.c_str());
}

TEST(HeadlessPanel, SetMovesAScrollBarWithinItsRange) {
    EXPECT_EQ(runScript("expect Label20 0\n"
                        "expect Label75 2240\n"          // labels show the initial positions
                        "set ScrollBar8 1000\n"          // beyond the range: stops at 350
                        "expect ScrollBar8 350\n"
                        "expect Label21 350\n"
                        "expect airspeedInput 350\n"
                        "set ScrollBar7 -99999999999999999999\n"
                        "expect ScrollBar7 -2000\n"
                        "expect altitudeFeet -2000\n"
                        "set ScrollBar38 2240\n"         // no move, no change: the input stays 0
                        "expect sensorInputs.cjcRaw 0\n"
                        "set ScrollBar38 2241\n"
                        "expect sensorInputs.cjcRaw 2241\n"
                        "set ScrollBar37 36000000\n"
                        "expect Label74 0\n"
                        "check CheckBox7 on\n"
                        "expect CheckBox7 1\n"
                        "check CheckBox7 off\n"
                        "expect CheckBox7 0\n"),
              0);
}

TEST(HeadlessPanel, MalformedLinesStopTheScript) {
    const char* lines[] = {
        "set ScrollBar7\n",         "set ScrollBar7 12x\n",    "set ScrollBar99 1\n",
        "set CheckBox1 0\n",        "set Label20 5\n",         "check CheckBox7\n",
        "check CheckBox7 maybe\n",  "check ScrollBar7 on\n",   "check CheckBox9 on\n",
        "set ScrollBar7 1 2\n",
    };
    for (const char* line : lines) EXPECT_EQ(runScript(line), 2) << line;
}

}  // namespace
