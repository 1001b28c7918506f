#include "gfx/mif.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "gfx/icon_data.h"
#include "gfx/mif_encoder.h"
#include "gfx/palette.h"
#include "host/platform.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t untouched = 200;  // what the buffers hold before a decode
constexpr const char* testPicture = "SDCARD\\TEST.MIF";

Bytes header(uint16_t w, uint16_t h) { return {(uint8_t)w, (uint8_t)(w >> 8), (uint8_t)h, (uint8_t)(h >> 8)}; }

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A literal of n pixels 1, 2, 3, ... (at most 127).
Bytes literal(size_t n, uint8_t first = 1) {
    Bytes b{(uint8_t)n};
    for (size_t i = 0; i < n; i++) b.push_back((uint8_t)(first + i));
    return b;
}

void writeCard(const char* cardPath, const Bytes& bytes) {
    std::filesystem::create_directories("SDCARD");
    char path[256];
    ASSERT_TRUE(cardPathToHost(cardPath, path, sizeof path));
    FILE* f = std::fopen(path, "wb");
    ASSERT_NE(f, nullptr);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

uint8_t bg(int x, int y) { return backgroundBuffer[y * screenWidth + x]; }
uint8_t fb(int x, int y) { return frameBuffer[y * screenWidth + x]; }

struct Pixel {
    int x, y;
    uint8_t colour;
};

class MifFile : public ::testing::Test {
  protected:
    void SetUp() override { std::memset(backgroundBuffer, untouched, sizeof backgroundBuffer); }
    void load(const Bytes& bytes, int16_t x = 0, int16_t y = 0) {
        writeCard(testPicture, bytes);
        loadMifToBackground(x, y, testPicture);
    }
    // Pixels that differ from the untouched value.
    size_t changed() const {
        size_t n = 0;
        for (uint8_t v : backgroundBuffer) n += v != untouched;
        return n;
    }
};

TEST_F(MifFile, DecodesRunsAndLiterals) {
    // 130 pixels in a row make the run's control byte the 128th byte of packets, its value the 129th.
    Bytes runAcrossRefill = header(130, 1) + literal(126, 1) + Bytes{0x84, 77};
    struct Case {
        const char* name;
        Bytes file;
        std::vector<Pixel> expected;
        size_t pixelsWritten;
    } cases[] = {
        {"one literal pixel", header(1, 1) + Bytes{0x01, 0x2F}, {{0, 0, 47}}, 1},
        {"run then literal", header(8, 1) + Bytes{0x85, 0x0F, 0x03, 0x01, 0x02, 0x03},
         {{0, 0, 15}, {4, 0, 15}, {5, 0, 1}, {6, 0, 2}, {7, 0, 3}},
         8},
        {"rows start afresh", header(3, 2) + Bytes{0x83, 5} + Bytes{0x02, 7, 8, 0x81, 9},
         {{2, 0, 5}, {0, 1, 7}, {1, 1, 8}, {2, 1, 9}},
         6},
        {"black pixels are written", header(2, 1) + Bytes{0x82, 0}, {{0, 0, 0}, {1, 0, 0}}, 2},
        {"run split by the refill", runAcrossRefill, {{0, 0, 1}, {125, 0, 126}, {126, 0, 77}, {129, 0, 77}}, 130},
        {"packet overshooting the width", header(4, 2) + Bytes{0x86, 9} + Bytes{0x84, 10},
         {{3, 0, 9}, {4, 0, 9}, {5, 0, 9}, {6, 0, untouched}, {0, 1, 10}, {3, 1, 10}, {4, 1, untouched}},
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        load(c.file);
        EXPECT_EQ(mifResult, mifOk);
        for (const Pixel& p : c.expected) EXPECT_EQ(bg(p.x, p.y), p.colour) << p.x << "," << p.y;
        EXPECT_EQ(changed(), c.pixelsWritten);
    }
}

TEST_F(MifFile, LiteralAcrossRefillKeepsOrder) {
    // Empty runs push the literal's control byte to the 127th byte of packets.
    Bytes packets;
    for (int i = 0; i < 62; i++) packets.insert(packets.end(), {0x80, 0});  // 124 bytes, no pixels
    packets.insert(packets.end(), {0xFF, 5});                               // 127 pixels, bytes 125-126
    packets = packets + literal(13, 30);                                    // control is byte 127
    load(header(140, 1) + packets);
    EXPECT_EQ(mifResult, mifOk);
    for (int x = 0; x < 13; x++) EXPECT_EQ(bg(127 + x, 0), 30 + x);
}

TEST_F(MifFile, PixelsOffTheBufferAreDropped) {
    // A full-size picture whose every row overshoots by 28: the last row must not run past the buffer.
    Bytes file = header(480, 272);
    for (int r = 0; r < 272; r++) file.insert(file.end(), {0xFF, (uint8_t)r, 0xFF, (uint8_t)r, 0xFF, (uint8_t)r, 0xFF, (uint8_t)r});
    load(file);
    EXPECT_EQ(mifResult, mifOk);
    EXPECT_EQ(bg(0, 1), 1);
    EXPECT_EQ(bg(479, 271), (uint8_t)271);

    // A picture loaded to the right keeps what spills past x = 479 off the next row.
    SetUp();
    load(header(100, 2) + Bytes{0xE4, 3} + Bytes{0xE4, 4}, 400, 0);
    EXPECT_EQ(mifResult, mifOk);
    EXPECT_EQ(bg(479, 0), 3);
    EXPECT_EQ(bg(0, 1), untouched);
    EXPECT_EQ(bg(479, 1), 4);
    EXPECT_EQ(changed(), 160u);

    // Off the bottom and off the top-left.
    SetUp();
    load(header(2, 2) + Bytes{0x82, 1, 0x82, 2}, 478, 271);
    EXPECT_EQ(changed(), 2u);
    SetUp();
    load(header(2, 2) + Bytes{0x82, 1, 0x82, 2}, -1, -1);
    EXPECT_EQ(bg(0, 0), 2);
    EXPECT_EQ(changed(), 1u);
}

TEST_F(MifFile, EndsWithTheFile) {
    Bytes fullRows = header(4, 3) + Bytes{0x84, 6};
    Bytes emptyPackets = header(10, 10);
    for (int i = 0; i < 500; i++) emptyPackets.insert(emptyPackets.end(), {0x00, 0x80, 0x00});
    Bytes exactlyOneChunk = header(127, 2) + literal(127) + Bytes{0x81};  // 129 bytes: ends after a control
    Bytes chunkThenNothing = header(127, 3) + literal(127);               // 128 bytes, next fill finds none
    struct Case {
        const char* name;
        Bytes file;
        size_t pixelsWritten;
    } cases[] = {
        {"no packets at all", header(4, 3), 0},
        {"ends after the first row", fullRows, 4},
        {"ends after a run's control byte", fullRows + Bytes{0x84}, 4},
        {"ends inside a literal", fullRows + Bytes{0x04, 1, 2}, 6},
        {"a stream of empty packets", emptyPackets, 0},
        {"ends after a control byte past a refill", exactlyOneChunk, 127},
        {"ends on a refill boundary", chunkThenNothing, 127},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        load(c.file);
        EXPECT_EQ(mifResult, mifTruncated);
        EXPECT_EQ(changed(), c.pixelsWritten);
    }
}

TEST_F(MifFile, RejectsBadHeaders) {
    Bytes onePixel{0x81, 9};
    struct Case {
        const char* name;
        Bytes file;
        uint8_t result;
    } cases[] = {
        {"width 0", header(0, 10) + onePixel, mifBadHeader},
        {"width 481", header(481, 10) + onePixel, mifBadHeader},
        {"height 0", header(10, 0) + onePixel, mifBadHeader},
        {"height 273", header(10, 273) + onePixel, mifBadHeader},
        {"width 65535", header(65535, 1) + onePixel, mifBadHeader},
        {"three-byte header", Bytes{1, 0, 1}, mifBadHeader},
        {"empty file", Bytes{}, mifBadHeader},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        load(c.file);
        EXPECT_EQ(mifResult, c.result);
        EXPECT_EQ(changed(), 0u);
    }
    SetUp();
    loadMifToBackground(0, 0, "SDCARD\\NOSUCH.MIF");
    EXPECT_EQ(mifResult, mifCannotOpen);
    loadMifToBackground(0, 0, nullptr);
    EXPECT_EQ(mifResult, mifCannotOpen);
    EXPECT_EQ(changed(), 0u);

    // The largest accepted size fills the whole buffer.
    Bytes full = header(480, 272);
    for (int r = 0; r < 272; r++) full.insert(full.end(), {0xFF, 1, 0xFF, 1, 0xFF, 1, 0xE7, 1});
    load(full);
    EXPECT_EQ(mifResult, mifOk);
    EXPECT_EQ(changed(), (size_t)frameBufferSize);
}

TEST(Background, ClearCopyAndPixel) {
    clearBackground();
    putBackgroundPixel(3, 2, 9);
    putBackgroundPixel(479, 271, 8);
    putBackgroundPixel(480, 0, 7);  // dropped, not written onto the next row
    putBackgroundPixel(-1, 5, 7);
    putBackgroundPixel(0, 272, 7);
    EXPECT_EQ(bg(3, 2), 9);
    EXPECT_EQ(bg(479, 271), 8);
    EXPECT_EQ(bg(0, 1), 0);
    fillScreen(5);
    copyBackground();
    EXPECT_EQ(fb(3, 2), 9);
    EXPECT_EQ(fb(479, 271), 8);
    EXPECT_EQ(fb(0, 0), 0);
    clearBackground();
    for (uint8_t v : backgroundBuffer) ASSERT_EQ(v, 0);
}

TEST(SampleCard, SplashPictureLeavesRoomForTheTexts) {
    loadMifToBackground(0, 0, EFIS_SOURCE_DIR "/card/SDCARD/SPLASH.MIF");
    ASSERT_EQ(mifResult, mifOk);
    EXPECT_EQ(mifWidth, 480);
    EXPECT_EQ(mifHeight, 272);
    EXPECT_EQ(mifPacketBytes + 4, std::filesystem::file_size(EFIS_SOURCE_DIR "/card/SDCARD/SPLASH.MIF"));
    // The registration, serial number and version are written in white over the bottom rows.
    for (int y = 238; y < screenHeight; y++)
        for (int x = 0; x < screenWidth; x++) ASSERT_EQ(bg(x, y), colourBlack) << x << "," << y;
}

// A 50 x 50 picture whose column x has colour x + 1, coded as single-pixel literals per row.
Bytes columnPicture() {
    Bytes b = header(50, 50);
    for (int r = 0; r < 50; r++) b = b + literal(50, 1);
    return b;
}

TEST(MifMemory, ClipsAtTheScreenEdges) {
    Bytes pic = columnPicture();
    MifImage image{pic.data(), (uint32_t)pic.size()};
    struct Case {
        int16_t x, y;
        int firstColumn, columns, firstRow, rows;  // the part of the picture that shows
    } cases[] = {
        {460, 100, 0, 20, 0, 50},   // left 20 columns only
        {-30, 0, 30, 20, 0, 50},    // right 20 columns
        {0, 250, 0, 50, 0, 22},     // top 22 rows
        {10, -45, 0, 50, 45, 5},    // bottom 5 rows
        {480, 0, 0, 0, 0, 0},       // nothing
        {-32768, -32768, 0, 0, 0, 0},
        {32767, 32767, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        fillScreen(untouched);
        drawMifImage(c.x, c.y, &image);
        EXPECT_EQ(mifResult, mifOk);
        size_t n = 0;
        for (int y = 0; y < screenHeight; y++)
            for (int x = 0; x < screenWidth; x++) {
                if (fb(x, y) == untouched) continue;
                n++;
                int col = x - c.x, row = y - c.y;
                EXPECT_EQ(fb(x, y), col + 1);
                EXPECT_TRUE(col >= c.firstColumn && col < c.firstColumn + c.columns && row >= c.firstRow &&
                            row < c.firstRow + c.rows)
                    << x << "," << y;
            }
        EXPECT_EQ(n, (size_t)(c.columns * c.rows));
    }
}

TEST(MifMemory, NeverReadsPastTheImage) {
    // The backing bytes hold a complete picture, but the image is told it has only the first row.
    Bytes pic = header(4, 3) + Bytes{0x84, 1} + Bytes{0x84, 2} + Bytes{0x84, 3};
    MifImage shortImage{pic.data(), 6};
    fillScreen(untouched);
    drawMifImage(0, 0, &shortImage);
    EXPECT_EQ(mifResult, mifTruncated);
    EXPECT_EQ(fb(3, 0), 1);
    EXPECT_EQ(fb(0, 1), untouched);

    // A picture longer than one 128-byte piece, with a packet across the boundary, in memory.
    Bytes big = header(130, 2) + literal(126, 1) + Bytes{0x84, 77} + Bytes{0xFF, 5, 0x83, 6};
    MifImage bigImage{big.data(), (uint32_t)big.size()};
    drawMifImage(0, 0, &bigImage);
    EXPECT_EQ(mifResult, mifOk);
    EXPECT_EQ(mifPacketBytes, big.size() - 4);
    EXPECT_EQ(fb(126, 0), 77);
    EXPECT_EQ(fb(129, 0), 77);
    EXPECT_EQ(fb(129, 1), 6);

    // Nothing to decode.
    Bytes tiny{1, 0, 1};
    MifImage tinyImage{tiny.data(), 3};
    MifImage empty{pic.data(), 0};
    Bytes zero = header(0, 5) + Bytes{0x81, 1};
    MifImage zeroWidth{zero.data(), (uint32_t)zero.size()};
    fillScreen(untouched);
    drawMifImage(0, 0, nullptr);
    drawMifImage(0, 0, &tinyImage);
    EXPECT_EQ(mifResult, mifBadHeader);
    drawMifImage(0, 0, &empty);
    drawMifImage(0, 0, &zeroWidth);
    for (uint8_t v : frameBuffer) ASSERT_EQ(v, untouched);
}

// Codes the pixels, draws them at (0, 0) over a screen of 255 and checks every pixel came back,
// nothing was drawn beside the picture and the decoder used exactly the coded bytes.
void expectRoundTrip(const Bytes& pixels, int32_t w, int32_t h) {
    Bytes coded((size_t)mifEncodedLimit(w, h));
    int32_t n = encodeMif(pixels.data(), w, h, coded.data(), (int32_t)coded.size());
    ASSERT_GT(n, 4);
    MifImage image{coded.data(), (uint32_t)n};
    fillScreen(255);
    drawMifImage(0, 0, &image);
    EXPECT_EQ(mifResult, mifOk);
    EXPECT_EQ(mifPacketBytes, (uint32_t)(n - 4));
    for (int y = 0; y < screenHeight; y++)
        for (int x = 0; x < screenWidth; x++) {
            uint8_t want = x < w && y < h ? pixels[(size_t)(y * w + x)] : 255;
            ASSERT_EQ(fb(x, y), want) << x << "," << y;
        }
}

TEST(MifEncoder, RoundTrips) {
    std::mt19937 random(7);
    struct Case {
        const char* name;
        int32_t w, h;
        uint8_t (*pixel)(int x, int y, std::mt19937& random);
    } cases[] = {
        {"one colour, runs longer than 127", 480, 272, [](int, int, std::mt19937&) -> uint8_t { return 9; }},
        {"no two alike, literals longer than 127", 480, 3,
         [](int x, int y, std::mt19937&) -> uint8_t { return (uint8_t)((x + y) % 254); }},
        {"pairs", 301, 4, [](int x, int, std::mt19937&) -> uint8_t { return (uint8_t)(x / 2 % 3); }},
        {"pairs inside literals", 255, 2,
         [](int x, int, std::mt19937&) -> uint8_t { return (uint8_t)(x % 5 == 0 ? 7 : x % 5 == 1 ? 7 : x); }},
        {"noise", 200, 150, [](int, int, std::mt19937& r) -> uint8_t { return (uint8_t)(r() % 4); }},
        {"one column", 1, 272, [](int, int y, std::mt19937&) -> uint8_t { return (uint8_t)y; }},
        {"a run then a literal of 127", 254, 1,
         [](int x, int, std::mt19937&) -> uint8_t { return (uint8_t)(x < 127 ? 0 : x - 126); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes pixels((size_t)(c.w * c.h));
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++) pixels[(size_t)(y * c.w + x)] = c.pixel(x, y, random);
        expectRoundTrip(pixels, c.w, c.h);
    }
}

TEST(MifEncoder, RefusesWhatItCannotCode) {
    Bytes pixels(481 * 273, 1);
    uint8_t out[64];
    EXPECT_EQ(encodeMif(pixels.data(), 0, 10, out, sizeof out), -1);
    EXPECT_EQ(encodeMif(pixels.data(), 481, 10, out, sizeof out), -1);
    EXPECT_EQ(encodeMif(pixels.data(), 10, 273, out, sizeof out), -1);
    EXPECT_EQ(encodeMif(nullptr, 10, 10, out, sizeof out), -1);
    EXPECT_EQ(mifEncodedLimit(481, 1), 0);
    // Too small an output is refused without writing past it.
    Bytes noise(100 * 3);
    for (size_t i = 0; i < noise.size(); i++) noise[i] = (uint8_t)(i * 7);
    Bytes guarded(64, 0xAA);
    EXPECT_EQ(encodeMif(noise.data(), 100, 3, guarded.data(), 40), -1);
    for (size_t i = 40; i < guarded.size(); i++) ASSERT_EQ(guarded[i], 0xAA);
    // A plain row is a few runs.
    Bytes plain(480 * 2, 3);
    Bytes coded((size_t)mifEncodedLimit(480, 2));
    EXPECT_EQ(encodeMif(plain.data(), 480, 2, coded.data(), (int32_t)coded.size()), 4 + 2 * 8);
}

TEST(MifEncoder, NearestPaletteColour) {
    // Every palette colour finds an entry of exactly that colour.
    for (int i = 0; i < 255; i++) {
        uint32_t rgb = paletteRgb[(size_t)i] & 0xFFFFFF;
        EXPECT_EQ(paletteRgb[nearestPaletteIndex(rgb)] & 0xFFFFFF, rgb) << i;
    }
    struct Case {
        uint32_t rgb, expected;
    } cases[] = {{0xFE0101, 0xFF0000}, {0x010101, 0x000000}, {0x7F7F7F, 0x808080}, {0xFEFEFE, 0xFFFFFF}};
    for (const Case& c : cases) EXPECT_EQ(paletteRgb[nearestPaletteIndex(c.rgb)] & 0xFFFFFF, c.expected);
    // The unused last entry is never chosen, even for the colour it shows.
    EXPECT_NE(nearestPaletteIndex(0x800000), 255);
}

TEST(BuiltInIcons, EachDecodesToExactlyItsSize) {
    int shortOnes = 0;
    for (int32_t i = 0; i < builtInIconCount; i++) {
        const MifImage* image = builtInIcons[i].image;
        SCOPED_TRACE(builtInIcons[i].name);
        ASSERT_GE(image->size, 4u);
        int w = image->bytes[0] | image->bytes[1] << 8, h = image->bytes[2] | image->bytes[3] << 8;
        EXPECT_EQ(w, 50);
        EXPECT_TRUE(h == 50 || h == 42) << h;
        shortOnes += h == 42;
        fillScreen(255);
        drawMifImage(10, 20, image);
        EXPECT_EQ(mifResult, mifOk);
        EXPECT_EQ(mifPacketBytes, image->size - 4);  // no bytes left over
        for (int y = 0; y < screenHeight; y++)
            for (int x = 0; x < screenWidth; x++) {
                bool inside = x >= 10 && x < 10 + w && y >= 20 && y < 20 + h;
                ASSERT_EQ(fb(x, y) != 255, inside) << x << "," << y;
            }
    }
    EXPECT_EQ(builtInIconCount, 30);
    EXPECT_EQ(shortOnes, 1);
    EXPECT_EQ(&iconWarning, builtInIcons[1].image);
    EXPECT_EQ(iconWarning.bytes[2], 42);
}

}  // namespace
