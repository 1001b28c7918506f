// The picture tool, run as the pilot runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/mif_encoder.h"
#include "gfx/palette.h"
#include "host/headless/png_writer.h"
#include "png_reader.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const std::string tool = EFIS_BINARY_DIR "/efis-mif";
const fs::path work = fs::absolute("efis_mif_work");

struct ToolRun {
    int exitCode;
    std::string err;
};

ToolRun runTool(const std::string& args) {
    fs::create_directories(work);
    // One file per test, since ctest may run them side by side.
    std::string errFile =
        (work / (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".err")).string();
    std::string command = "\"" + tool + "\" " + args + " 2> \"" + errFile + "\" > /dev/null";
    int status = std::system(command.c_str());
    std::ifstream f(errFile);
    std::string err{std::istreambuf_iterator<char>(f), {}};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
}

// The path of a file in the work folder, which is made when needed.
std::string file(const char* name) {
    fs::create_directories(work);
    return (work / name).string();
}

std::string at(const char* name) { return "\"" + (work / name).string() + "\""; }

void writeFile(const char* name, const Bytes& bytes) {
    fs::create_directories(work);
    std::ofstream f(work / name, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
}

Bytes readFile(const char* name) {
    std::ifstream f(work / name, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(f), {}};
}

TEST(EfisMif, PalettePictureSurvivesTheRoundTrip) {
    // Every palette entry but the unused last one, in rows that mix runs and single pixels.
    const int32_t w = 37, h = 23;
    Bytes pixels((size_t)(w * h));
    for (int32_t i = 0; i < w * h; i++) pixels[(size_t)i] = (uint8_t)((i / 3 % 2 ? i : i / 9) % 255);
    ASSERT_TRUE(writeIndexedPng(file("in.png").c_str(), pixels.data(), w, h, paletteRgb.data()));
    ToolRun encode = runTool("encode " + at("in.png") + " " + at("OUT.MIF"));
    ASSERT_EQ(encode.exitCode, 0) << encode.err;
    EXPECT_EQ(encode.err, "");
    Bytes mif = readFile("OUT.MIF");
    ASSERT_GE(mif.size(), 4u);
    EXPECT_EQ(mif[0] | mif[1] << 8, w);
    EXPECT_EQ(mif[2] | mif[3] << 8, h);

    ToolRun decode = runTool("decode " + at("OUT.MIF") + " " + at("back.png"));
    ASSERT_EQ(decode.exitCode, 0) << decode.err;
    IndexedPng back;
    ASSERT_TRUE(readIndexedPng(file("back.png"), back));
    ASSERT_EQ(back.width, w);
    ASSERT_EQ(back.height, h);
    // The same colours (a colour that stands twice in the palette may come back under its other index).
    for (size_t i = 0; i < pixels.size(); i++)
        ASSERT_EQ(back.palette[back.pixels[i]], paletteRgb[pixels[i]] & 0xFFFFFF) << i;
}

TEST(EfisMif, TrueColourPictureTakesTheNearestColours) {
    const int32_t w = 480, h = 272;  // the largest picture the unit shows
    std::vector<uint32_t> rgba((size_t)(w * h));
    for (int32_t y = 0; y < h; y++)
        for (int32_t x = 0; x < w; x++)
            rgba[(size_t)(y * w + x)] = (uint32_t)(x * 255 / w) << 24 | (uint32_t)(y * 255 / h) << 16 | 0x40u << 8 |
                                        (x < 10 ? 0x00u : x < 20 ? 0x80u : 0xFFu);
    Bytes bytes;  // the words as R, G, B, A bytes
    for (uint32_t p : rgba)
        for (int s = 24; s >= 0; s -= 8) bytes.push_back((uint8_t)(p >> s));
    ASSERT_TRUE(writeRgbaPng(file("rgb.png").c_str(), bytes.data(), w, h));
    ToolRun encode = runTool("encode " + at("rgb.png") + " " + at("RGB.MIF"));
    ASSERT_EQ(encode.exitCode, 0) << encode.err;
    ToolRun decode = runTool("decode " + at("RGB.MIF") + " " + at("rgb-back.png"));
    ASSERT_EQ(decode.exitCode, 0) << decode.err;
    IndexedPng back;
    ASSERT_TRUE(readIndexedPng(file("rgb-back.png"), back));
    ASSERT_EQ(back.width, w);
    ASSERT_EQ(back.height, h);
    for (int32_t y = 0; y < h; y += 7)
        for (int32_t x = 0; x < w; x += 5) {
            uint32_t p = rgba[(size_t)(y * w + x)], a = p & 0xFF;
            // Transparent parts show over black.
            uint32_t r = ((p >> 24) * a + 127) / 255, g = ((p >> 16 & 0xFF) * a + 127) / 255,
                     b = ((p >> 8 & 0xFF) * a + 127) / 255;
            uint32_t want = paletteRgb[nearestPaletteIndex(r << 16 | g << 8 | b)] & 0xFFFFFF;
            ASSERT_EQ(back.palette[back.pixels[(size_t)(y * w + x)]], want) << x << "," << y;
        }
}

TEST(EfisMif, BadInputGetsOneLineAndAFailure) {
    Bytes small(4 * 4, 15);
    ASSERT_TRUE(writeIndexedPng(file("small.png").c_str(), small.data(), 4, 4, paletteRgb.data()));
    Bytes big(481 * 10, 1);
    ASSERT_TRUE(writeIndexedPng(file("wide.png").c_str(), big.data(), 481, 10, paletteRgb.data()));
    ASSERT_TRUE(writeIndexedPng(file("tall.png").c_str(), big.data(), 10, 273, paletteRgb.data()));
    Bytes png = readFile("small.png");
    writeFile("cut.png", Bytes(png.begin(), png.begin() + (long)png.size() / 2));
    writeFile("text.png", {'h', 'e', 'l', 'l', 'o', '\n'});
    writeFile("short.MIF", {4, 0});
    writeFile("wide.MIF", {0xE1, 0x01, 1, 0, 0x81, 1});
    writeFile("flat.MIF", {4, 0, 0, 0, 0x84, 1});
    writeFile("cut.MIF", {4, 0, 2, 0, 0x84, 1, 0x84});
    writeFile("empty.MIF", {4, 0, 10, 0});
    writeFile("good.MIF", {4, 0, 1, 0, 0x84, 1});
    struct Case {
        std::string args;
        const char* mentions;  // part of the message
    } cases[] = {
        {"encode " + at("wide.png") + " " + at("X.MIF"), "at most 480 x 272"},
        {"encode " + at("tall.png") + " " + at("X.MIF"), "at most 480 x 272"},
        {"encode " + at("none.png") + " " + at("X.MIF"), "cannot open"},
        {"encode " + at("text.png") + " " + at("X.MIF"), "not a PNG picture"},
        {"encode " + at("cut.png") + " " + at("X.MIF"), "ends early"},
        {"encode " + at("small.png") + " " + at("no/such/folder/X.MIF"), "cannot write"},
        {"decode " + at("none.MIF") + " " + at("x.png"), "cannot open"},
        {"decode " + at("short.MIF") + " " + at("x.png"), "too short"},
        {"decode " + at("wide.MIF") + " " + at("x.png"), "481 x 1"},
        {"decode " + at("flat.MIF") + " " + at("x.png"), "4 x 0"},
        {"decode " + at("cut.MIF") + " " + at("x.png"), "ends before"},
        {"decode " + at("empty.MIF") + " " + at("x.png"), "ends before"},
        {"decode " + at("small.png") + " " + at("x.png"), "not a MIF one"},
        {"decode " + at("good.MIF") + " " + at("no/such/folder/x.png"), "cannot write"},
        {"encode " + at("small.png"), "expected"},
        {"convert " + at("small.png") + " " + at("X.MIF"), "expected"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        ToolRun r = runTool(c.args);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;  // one line
    }
    EXPECT_FALSE(fs::exists(work / "X.MIF"));
    EXPECT_FALSE(fs::exists(work / "x.png"));
    EXPECT_NE(runTool("").exitCode, 0);
}

TEST(EfisMif, SheetOfBuiltInPictures) {
    ToolRun r = runTool("icons " + at("sheet.png"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    IndexedPng sheet;
    ASSERT_TRUE(readIndexedPng(file("sheet.png"), sheet));
    EXPECT_EQ(sheet.width, 480);
    EXPECT_EQ(sheet.height, 272);
}

}  // namespace
