#include "gfx/primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "drawn_points.h"

namespace {

class Primitives : public ::testing::Test {
  protected:
    void SetUp() override {
        buildTrigTables();
        clipRight = 480;
    }
};

TEST_F(Primitives, PutPixelDropsOffScreen) {
    struct Case {
        int16_t x, y;
        bool written;
    } cases[] = {{-1, 10, false}, {480, 10, false}, {10, -1, false}, {10, 272, false},
                 {0, 0, true},    {479, 271, true}, {-32768, 0, false}};
    for (const Case& c : cases) {
        Points p = drawn([&] { putPixel(c.x, c.y, 9); });
        EXPECT_EQ(p.size(), c.written ? 1u : 0u) << c.x << "," << c.y;
    }
    fillScreen(0);
    putPixel(479, 271, 5);
    EXPECT_EQ(frameBuffer[frameBufferSize - 1], 5);
}

TEST_F(Primitives, LinesStepAsBresenham) {
    struct Case {
        int16_t x0, y0, x1, y1;
        Points expected;
    } cases[] = {
        {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {4, 2, 0, 0, {{4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {7, 7, 7, 7, {{7, 7}}},
        {5, 0, 5, 3, {{5, 0}, {5, 1}, {5, 2}, {5, 3}}},
        {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drawn([&] { drawLine(c.x0, c.y0, c.x1, c.y1, 1); }), c.expected)
            << c.x0 << "," << c.y0 << "-" << c.x1 << "," << c.y1;
    }
}

TEST_F(Primitives, NegativeEndpointDoesNotCrossTheScreen) {
    // Compared signed, a line from x = -5 runs rightwards and keeps only its visible part.
    Points p = drawn([] { drawLine(-5, 10, 5, 10, 1); });
    EXPECT_EQ(p.size(), 6u);
    EXPECT_TRUE(p.count({0, 10}) && p.count({5, 10}));
}

TEST_F(Primitives, ThickLinePlotsACross) {
    Points p = drawn([] { drawThickLine(10, 10, 10, 10, 1); });
    EXPECT_EQ(p, (Points{{10, 10}, {9, 10}, {11, 10}, {10, 9}, {10, 11}}));
    EXPECT_EQ(drawn([] { drawThickLine(0, 0, 0, 0, 1); }).size(), 3u);
}

TEST_F(Primitives, FramesAndBoxes) {
    EXPECT_TRUE(drawn([] { drawFrame(10, 20, 50, 20, 1); }).empty());
    EXPECT_TRUE(drawn([] { fillBox(10, 20, 50, 20, 1); }).empty());
    EXPECT_EQ(drawn([] { drawFrame(10, 20, 10, 25, 1); }).size(), 6u);
    EXPECT_EQ(drawn([] { fillBox(10, 20, 10, 25, 1); }).size(), 6u);
    EXPECT_EQ(drawn([] { fillBox(0, 0, 9, 9, 1); }).size(), 100u);
    EXPECT_EQ(drawn([] { drawFrame(0, 0, 9, 9, 1); }).size(), 36u);
}

TEST_F(Primitives, BoxesAreClippedToTheScreen) {
    // Boxes derived from text extents may reach past any edge; nothing lands outside.
    EXPECT_EQ(drawn([] { fillBox(-2, -3, 1, 1, 1); }).size(), 4u);
    EXPECT_EQ(drawn([] { fillBox(478, 270, 490, 300, 1); }).size(), 4u);
    EXPECT_EQ(drawn([] { drawFrame(-5, -5, 500, 300, 1); }).size(), 0u);
    EXPECT_EQ(drawn([] { drawHSpan(-100, 1000, 271, 1); }).size(), 480u);
    EXPECT_EQ(drawn([] { drawVSpan(-100, 1000, 479, 1); }).size(), 272u);
    EXPECT_TRUE(drawn([] { drawHSpan(5, 4, 0, 1); }).empty());
    EXPECT_TRUE(drawn([] { fillCheckered(470, 265, 500, 300, 1); }).size() > 0);
}

TEST_F(Primitives, CheckeredAlternatesRowsInsideABlackOutline) {
    fillScreen(0);
    fillCheckered(10, 10, 20, 14, 3);
    EXPECT_EQ(frameBuffer[11 * 480 + 11], 3);  // odd row: shifted by one
    EXPECT_EQ(frameBuffer[11 * 480 + 12], 0);
    EXPECT_EQ(frameBuffer[12 * 480 + 12], 3);  // even row
    EXPECT_EQ(frameBuffer[12 * 480 + 13], 0);
    for (int x = 10; x <= 20; x++) EXPECT_EQ(frameBuffer[10 * 480 + x], 0);
}

TEST_F(Primitives, ClipLine) {
    struct Case {
        int16_t right, x0, y0, x1, y1;
        uint8_t accepted;
        int16_t r[4];
    } cases[] = {
        {480, -10, 100, 500, 100, 1, {0, 100, 479, 100}},
        {353, -10, 100, 500, 100, 1, {0, 100, 352, 100}},
        {480, 10, 300, 400, 280, 0, {0, 0, 0, 0}},
        {480, 10, 10, 20, 20, 1, {10, 10, 20, 20}},
        {480, 240, -100, 240, 400, 1, {240, 0, 240, 271}},
        // The crossing is computed at row 272, then the row set to 271.
        {480, -32768, -32768, 32767, 32767, 1, {0, 0, 272, 271}},
    };
    for (const Case& c : cases) {
        clipRight = c.right;
        EXPECT_EQ(clipLine(c.x0, c.y0, c.x1, c.y1), c.accepted);
        for (int i = 0; i < 4; i++) EXPECT_EQ(clippedLine[i], c.r[i]) << "case " << c.x0 << " index " << i;
    }
    clipRight = 480;
    EXPECT_EQ(clipOutcode(-1, -1), 2 | 8);
    EXPECT_EQ(clipOutcode(480, 272), 1 | 4);
}

TEST_F(Primitives, Circles) {
    EXPECT_EQ(drawn([] { drawCircle(50, 50, 0, 1); }), (Points{{50, 50}}));
    EXPECT_EQ(drawn([] { drawCircle(50, 50, 1, 1); }), (Points{{50, 51}, {50, 49}, {51, 50}, {49, 50}}));
    // One pixel thick: every point of a larger circle lies at its radius, rounded.
    for (auto [x, y] : drawn([] { drawCircle(100, 100, 40, 1); })) {
        double d = std::hypot(x - 100, y - 100);
        EXPECT_NEAR(d, 40, 1.0);
    }
}

TEST_F(Primitives, TrigTables) {
    EXPECT_FLOAT_EQ(lookupSin(-90), -1.0f);
    EXPECT_FLOAT_EQ(lookupCos(-360), 1.0f);
    EXPECT_NE(lookupSin(360), 0.0f);
    EXPECT_FLOAT_EQ(lookupSin(360), (float)std::sin(360 * 3.141592653589793 / 180));
    // Beyond a full turn the angle is reduced first instead of reading past the table.
    EXPECT_FLOAT_EQ(lookupSin(450), lookupSin(90));
    EXPECT_FLOAT_EQ(lookupCos(-725), lookupCos(-5));
    EXPECT_FLOAT_EQ(lookupSin(32767), lookupSin(32767 % 360));
}

TEST_F(Primitives, ArcsAndTicks) {
    EXPECT_EQ(drawn([] { drawArcDots(100, 100, 20, 10, 11, 1); }).size(), 1u);
    EXPECT_EQ(drawn([] { drawArcDots(100, 100, 20, 0, 1, 1); }), (Points{{120, 100}}));
    EXPECT_EQ(drawn([] { drawArcDotsMirrored(100, 100, 20, 0, 1, 1); }), (Points{{80, 100}, {81, 100}}));
    EXPECT_TRUE(drawn([] { drawArcDots(100, 100, 20, 30, 30, 1); }).empty());
    EXPECT_TRUE(drawn([] { drawArcDots(100, 100, 20, 200, -200, 1); }).empty());
    Points tick = drawn([] { drawRadialTicks(100, 100, 5, 20, 0, 1, 1); });
    EXPECT_TRUE(tick.count({120, 100}) && tick.count({115, 100}) && !tick.count({113, 100}));
    Points mirrored = drawn([] { drawRadialTicksMirrored(100, 100, 5, 20, 0, 1, 1); });
    EXPECT_TRUE(mirrored.count({80, 100}) && mirrored.count({85, 100}));
    EXPECT_TRUE(drawn([] { drawRadialTicks(100, 100, 5, 20, 5, 5, 1); }).empty());
}

TEST_F(Primitives, FillScreen) {
    fillScreen(42);
    for (int i = 0; i < frameBufferSize; i++) ASSERT_EQ(frameBuffer[i], 42);
}

}  // namespace
