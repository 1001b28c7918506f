#include "efis/airspeed_dial.h"

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using AirspeedDial = Instruments;
constexpr int16_t cx = 87, cy = 67;

// The hand turns 330 / span degrees per speed unit, in floating point (in integers the default
// span would give 0 and freeze it at 12 o'clock), and stops at 340.
TEST_F(AirspeedDial, HandFollowsTheSpeed) {
    struct Case {
        uint16_t span, ias;
        int16_t x, y;  // a point of the white hand at radius 40
    } cases[] = {
        {350, 175, cx + 10, cy + 38},  // 165 degrees: just past 6 o'clock
        {350, 0, cx, cy - 40},         // 12 o'clock
        {350, 350, cx - 20, cy - 34},  // 330 degrees
        {350, 400, cx - 13, cy - 37},  // limited to 340
        {100, 50, cx + 10, cy + 38},
        {0, 5, cx + 10, cy + 38},      // a span below 10 reads as 10
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("span " + std::to_string(c.span) + " ias " + std::to_string(c.ias));
        unitSettings.asiSpan = c.span;
        indicatedAirspeed = c.ias;
        fillScreen(colourBlack);
        drawAsiDial(cx, cy);
        EXPECT_EQ(pixelAt(c.x, c.y), colourWhite);
        // The hand's tip is black over the bands.
        EXPECT_EQ(pixelAt(cx + (c.x - cx) * 3 / 2, cy + (c.y - cy) * 3 / 2), colourBlack);
    }
}

TEST_F(AirspeedDial, BandsOnTheScale) {
    struct Case {
        uint16_t vs0, vs1, vfe, vno, vne;
        int16_t x, y;  // a point of the band at radius 60
        uint8_t colour;
    } cases[] = {
        // Dial angles: vs0 18, vs1 28, vfe 47, vno 169, vne 207 degrees with the default span.
        {20, 30, 50, 180, 220, cx - 10, cy + 59, colourYellow},  // 190 degrees
        {20, 30, 50, 180, 220, cx + 60, cy, colourGreen},        // 90 degrees
        {20, 30, 50, 180, 220, cx - 60, cy, colourRed},          // 270 degrees, beyond vne
        {20, 30, 50, 180, 220, cx + 20, cy - 56, colourWhite},   // 20 degrees, vs0..vs1
        {20, 30, 50, 180, 1000, cx - 60, cy, colourYellow},      // vne past the span: yellow to 340
        {200, 30, 10, 250, 300, cx + 20, cy - 56, colourRed},    // vs0 above vs1: no white band
    };
    for (const Case& c : cases) {
        unitSettings.vs0 = c.vs0;
        unitSettings.vs1 = c.vs1;
        unitSettings.vfe = c.vfe;
        unitSettings.vno = c.vno;
        unitSettings.vne = c.vne;
        indicatedAirspeed = 0;
        fillScreen(colourBlack);
        drawAsiDial(cx, cy);
        EXPECT_EQ(pixelAt(c.x, c.y), c.colour) << c.x - cx << "," << c.y - cy;
        // Nothing of the bands in the gap between 340 and 360 degrees.
        EXPECT_EQ(pixelAt(cx - 10, cy - 59), colourBlack);
    }
}

TEST_F(AirspeedDial, ScaleLabelsRoundToTens) {
    struct Case {
        int16_t dx, dy;
        uint8_t align;
        const char* text;
    } cases[] = {{39, -41, alignRight, "40"}, {49, 14, alignRight, "130"}, {-25, 35, alignLeft, "210"},
                 {-52, -15, alignLeft, "300"}, {-40, -41, alignLeft, "340"}};
    drawAsiDial(cx, cy);
    Frame dial;
    saveFrame(dial);
    for (const Case& c : cases) {
        fillScreen(colourBlack);
        drawText(cx + c.dx, cy + c.dy, c.text, 8, c.align, colourLightGrey);
        // The bands reach into some label boxes: compare the label's own colour only.
        int wrong = 0;
        for (int y = cy + c.dy; y <= cy + c.dy + 15; y++)
            for (int x = textStartX; x <= textEndX - 2; x++)
                if ((dial.at(x, y) == colourLightGrey) != (pixelAt(x, y) == colourLightGrey)) wrong++;
        EXPECT_GT(countColour(textStartX, cy + c.dy, textEndX, cy + c.dy + 15, colourLightGrey), 0) << c.text;
        EXPECT_EQ(wrong, 0) << c.text;
    }
}

TEST_F(AirspeedDial, ValueWarns) {
    struct Case {
        uint16_t ias;
        uint8_t flight, blink;
        uint8_t box, text;
    } cases[] = {{100, 0, 1, colourBlack, colourWhite}, {200, 0, 1, colourYellow, colourBlack},
                 {230, 0, 1, colourRed, colourWhite},   {230, 0, 0, colourBlack, colourWhite},
                 {25, 1, 1, colourRed, colourWhite},    {25, 0, 1, colourBlack, colourWhite}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ias) + " flight " + std::to_string(c.flight));
        indicatedAirspeed = c.ias;
        flightActive = c.flight;
        fastBlink = c.blink;
        fillScreen(colourBlack);
        drawAsiDial(cx, cy);
        // The value is the dial's last text: its extent is still in textStartX and textEndX.
        EXPECT_EQ(pixelAt(textStartX - 1, cy + 68), c.box);
        EXPECT_EQ(pixelAt(textEndX, cy + 91), c.box);
        EXPECT_NE(pixelAt(textEndX + 1, cy + 91), c.box == colourBlack ? 255 : c.box);
        EXPECT_GT(countColour(textStartX, cy + 64, textEndX, cy + 96, c.text), 0);
    }
}

TEST_F(AirspeedDial, SweepStaysInItsSquare) {
    for (uint16_t span : {0, 10, 350, 450, 65535})
        for (uint32_t ias = 0; ias <= 999; ias += 37) {
            unitSettings.asiSpan = span;
            unitSettings.vne = (uint16_t)(ias * 3);
            unitSettings.vs0 = (uint16_t)(999 - ias);
            indicatedAirspeed = (uint16_t)ias;
            asiSensorStatus = ias % 2 ? 2 : 0;
            fillScreen(colourDarkGrey);
            drawAsiDial(cx, cy);
            ASSERT_EQ(outside(cx - 70, 0, cx + 70, cy + 97, colourDarkGrey), 0) << span << " " << ias;
        }
}

}  // namespace
