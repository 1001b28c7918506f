#include "host/presenter.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/palette.h"
#include "gfx/primitives.h"

TEST(Presenter, ColourWordsMapWithFullAlpha) {
    struct Case {
        uint8_t index;
        uint32_t argb;
    } cases[] = {{0, 0xFF000000}, {15, 0xFFFFFFFF}, {247, 0xFFFF0000}, {246, 0xFF0000FF},
                 {16, 0xFF000080}, {223, 0xFFFFFF80}, {255, 0xFF800000}, {253, 0xFF8B4513}};
    for (const Case& c : cases) EXPECT_EQ(presenterArgb(paletteRgb[c.index]), c.argb) << (int)c.index;
}

TEST(Presenter, FrameConvertsPixelByPixel) {
    std::vector<uint8_t> frame(frameBufferSize, 0);
    frame[0] = 15;
    frame[479] = 247;
    frame[frameBufferSize - 1] = 252;
    std::vector<uint32_t> out(frameBufferSize, 0x12345678);
    frameToArgb(frame.data(), out.data());
    EXPECT_EQ(out[0], 0xFFFFFFFFu);
    EXPECT_EQ(out[1], 0xFF000000u);  // palette word 0 shows black
    EXPECT_EQ(out[479], 0xFFFF0000u);
    EXPECT_EQ(out[frameBufferSize - 1], 0xFF00FF00u);
}

TEST(Palette, FollowsItsRule) {
    EXPECT_EQ(paletteRgb[0], 0x000000u);
    EXPECT_EQ(paletteRgb[1], 0xA52A2Au);
    EXPECT_EQ(paletteRgb[15], 0xFFFFFFu);
    EXPECT_EQ(paletteRgb[16], 0x000080u);
    EXPECT_EQ(paletteRgb[17], 0x0000FFu);
    EXPECT_EQ(paletteRgb[18], 0x004000u);
    EXPECT_EQ(paletteRgb[30], 0x140000u);  // R 14 starts after 14 cube entries of R 00
    EXPECT_EQ(paletteRgb[223], 0xFFFF80u);
    EXPECT_EQ(paletteRgb[224], 0x202020u);
    EXPECT_EQ(paletteRgb[238], 0xC89696u);
    EXPECT_EQ(paletteRgb[250], 0xC0C0C0u);
    EXPECT_EQ(paletteRgb[255], 0x3F800000u);
}
