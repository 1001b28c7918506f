#include "efis/vsi_dial.h"

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using VsiDial = Instruments;

// The hand: 9 o'clock at zero, clockwise over the top to 3 o'clock at full climb and along the
// bottom to 3 o'clock at full descent; limited at full scale (1000, 2000, 4000 ft/min or 5, 10,
// 20 m/s by scale).
TEST_F(VsiDial, NeedleEnd) {
    struct Case {
        uint8_t large, unit, scale;
        int16_t vs;           // ft/min, or cm/s in m/s
        int16_t dx, dy;       // a point near the hand's end (radius 55 large, 45 small)
    } cases[] = {
        {1, 0, 1, 0, -55, 0},      {1, 0, 1, 2000, 55, 0},    {1, 0, 1, 1000, 0, -55},
        {1, 0, 1, -1000, 0, 55},   {1, 0, 1, -9000, 55, 0},   {1, 0, 0, 500, 0, -55},
        {1, 0, 2, 2000, 0, -55},   {1, 1, 1, 500, 0, -55},    {1, 1, 2, -1000, 0, 55},
        {0, 0, 1, 0, -45, 0},      {0, 0, 1, 1000, 0, -45},   {0, 1, 0, -250, 0, 45},
        {1, 4, 7, 1000, 0, -55},   // settings out of range read as ft/min, 2000 ft/min
    };
    const int16_t cx = 240, cy = 120;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.vs) + (c.large ? " large" : " small") + " unit " + std::to_string(c.unit) +
                     " scale " + std::to_string(c.scale));
        unitSettings.vsiUnit = c.unit;
        unitSettings.vsiScale = c.scale;
        verticalSpeed = c.vs;
        fillScreen(colourBlack);
        drawVsiDial(c.large, cx, cy);
        EXPECT_EQ(pixelAt(cx + c.dx, cy + c.dy), colourWhite);
        // and not the other way round
        EXPECT_NE(pixelAt(cx - c.dx, cy - c.dy), colourWhite);
    }
}

TEST_F(VsiDial, LabelsByUnitAndScale) {
    struct Text {
        int16_t dx, dy;
        uint8_t align;
        const char* text;
    };
    struct Case {
        uint8_t large, unit, scale;
        int16_t vs;  // half the full scale down: the hand points at 6 o'clock, clear of these labels
        Text texts[3];
    } cases[] = {
        {1, 0, 0, -500, {{-60, -8, alignLeft, "0"}, {1, -63, alignCentre, ".5"}, {61, -8, alignRight, "1"}}},
        {1, 0, 2, -2000, {{-44, -47, alignLeft, "1"}, {43, -47, alignRight, "3"}, {-44, 32, alignLeft, "1"}}},
        {0, 1, 1, -500, {{-49, -8, alignLeft, "0"}, {52, -8, alignRight, "10"}, {33, 20, alignLeft, "8"}}},
        {1, 1, 2, -1000, {{-43, -46, alignLeft, "5"}, {1, -63, alignCentre, "10"}, {61, -8, alignRight, "20"}}},
    };
    const int16_t cx = 240, cy = 120;
    for (const Case& c : cases) {
        unitSettings.vsiUnit = c.unit;
        unitSettings.vsiScale = c.scale;
        verticalSpeed = c.vs;
        fillScreen(colourBlack);
        drawVsiDial(c.large, cx, cy);
        Frame dial;
        saveFrame(dial);
        for (const Text& t : c.texts) {
            fillScreen(colourBlack);
            drawText(cx + t.dx, cy + t.dy, t.text, 8, t.align, colourLightGrey);
            // Every pixel of the label where it belongs (the rings may cross its box).
            int missing = 0;
            for (int y = cy + t.dy; y <= cy + t.dy + 15; y++)
                for (int x = textStartX; x <= textEndX - 2; x++)
                    if (pixelAt(x, y) == colourLightGrey && dial.at(x, y) != colourLightGrey) missing++;
            EXPECT_EQ(missing, 0) << "unit " << (int)c.unit << " scale " << (int)c.scale << " '" << t.text << "'";
        }
    }
}

TEST_F(VsiDial, ReadoutShowsTheWholeValue) {
    struct Case {
        uint8_t large, unit;
        int16_t vs;
        const char* text;
    } cases[] = {{1, 0, 1200, "+1200"}, {1, 0, 6000, "+6000"}, {0, 1, -254, "-2.5"}, {0, 0, 0, "+0"}};
    const int16_t cx = 240, cy = 120;
    for (const Case& c : cases) {
        unitSettings.vsiUnit = c.unit;
        verticalSpeed = c.vs;
        fillScreen(colourBlack);
        drawVsiDial(c.large, cx, cy);
        Frame dial;
        saveFrame(dial);
        fillScreen(colourBlack);
        int16_t y0 = c.large ? cy + 64 : cy + 36, height = c.large ? 33 : 24;
        if (c.large) drawText(cx, y0, c.text, 16, alignCentre, colourWhite);
        else drawText(cx - 37, y0, c.text, 12, alignRight, colourWhite);
        int wrong = 0;
        for (int y = y0; y < y0 + height; y++)
            for (int x = textStartX; x <= textEndX - 2; x++)
                if ((dial.at(x, y) == colourWhite) != (pixelAt(x, y) == colourWhite)) wrong++;
        EXPECT_GT(countColour(textStartX, y0, textEndX, y0 + height, colourWhite), 0) << c.text;
        EXPECT_EQ(wrong, 0) << c.text;
    }
}

// At their layout places: the large dial with the cross above, the small one at the bottom.
TEST_F(VsiDial, SweepStaysInItsSquare) {
    for (uint8_t large : {0, 1})
        for (uint8_t unit : {0, 1, 2})
            for (uint8_t scale : {0, 1, 2, 3}) {
                unitSettings.vsiUnit = unit;
                unitSettings.vsiScale = scale;
                for (int32_t v = -9999; v <= 9999; v += 333) {
                    verticalSpeed = (int16_t)v;
                    altSensorStatus = v % 2 ? 2 : 0;
                    fillScreen(colourDarkGrey);
                    if (large) {
                        drawVsiDial(1, 240, 67);
                        ASSERT_EQ(outside(150, 0, 330, 164, colourDarkGrey), 0) << v;
                    } else {
                        drawVsiDial(0, 267, 217);
                        ASSERT_EQ(outside(160, 157, 339, 271, colourDarkGrey), 0) << v;
                    }
                }
                verticalSpeed = -32768;
                drawVsiDial(large, 240, 67);
            }
}

}  // namespace
