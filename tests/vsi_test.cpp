#include "efis/vsi.h"

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using VsiTape = Instruments;

// The bar grows from row 136, one pixel per 10, 20 or 40 ft/min by scale, at most 100 pixels,
// whatever unit the readout uses. Column a + 83 is clear of the short ticks.
TEST_F(VsiTape, BarLength) {
    const int16_t a = 385;
    struct Case {
        uint8_t unit, scale;
        int16_t fpm;
        int16_t lastRow;  // the bar's far end
        bool up;
    } cases[] = {
        {0, 0, 700, 67, true},    {0, 1, -350, 152, false}, {0, 2, 4000, 37, true},  {0, 2, 5000, 37, true},
        {0, 0, -32768, 235, false}, {1, 1, 2000, 37, true}, {1, 0, 20, 135, true},   {0, 1, 19, -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.fpm) + " fpm, unit " + std::to_string(c.unit) + " scale " +
                     std::to_string(c.scale));
        unitSettings.vsiUnit = c.unit;
        unitSettings.vsiScale = c.scale;
        verticalSpeedFpm = c.fpm;
        verticalSpeed = c.fpm;
        fillScreen(colourBlack);
        drawVsiTape(a);
        if (c.lastRow < 0) {
            EXPECT_EQ(countColour(a + 76, 36, a + 85, 236, colourMagenta), 0);
            continue;
        }
        EXPECT_EQ(pixelAt(a + 83, c.lastRow), colourMagenta);
        EXPECT_NE(pixelAt(a + 83, c.up ? c.lastRow - 1 : c.lastRow + 1), colourMagenta);
        EXPECT_EQ(pixelAt(a + 76, c.lastRow), colourMagenta);
        EXPECT_NE(pixelAt(a + 86, c.lastRow), colourMagenta);
        // Nothing on the other side of the zero row.
        if (c.up) EXPECT_EQ(countColour(a + 76, 137, a + 85, 236, colourMagenta), 0);
        else EXPECT_EQ(countColour(a + 76, 36, a + 85, 135, colourMagenta), 0);
    }
}

TEST_F(VsiTape, ReadoutAndScale) {
    const int16_t a = 245;
    struct Case {
        uint8_t unit, scale;
        int16_t vs;
        const char* value;
        const char* unitLabel;
        const char* top;  // the label at the top of the scale
        int16_t topRow;
    } cases[] = {
        {0, 0, 700, " +700", "fpm", "1", 26}, {0, 2, -1500, "-1500", "fpm", "4", 26},
        {1, 1, 508, " +5.1", "m/s", "1", 20}, {1, 0, -254, " -2.5", "m/s", "5", 27},
        {7, 9, 120, " +120", "fpm", "2", 26},  // out of range: ft/min, 2000 ft/min
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        unitSettings.vsiUnit = c.unit;
        unitSettings.vsiScale = c.scale;
        verticalSpeed = c.vs;
        verticalSpeedFpm = 0;
        fillScreen(colourBlack);
        drawVsiTape(a);
        Frame tape;
        saveFrame(tape);
        fillScreen(colourBlack);
        drawFrame(a + 8, 251, a + 94, 271, colourWhite);
        drawText(a + 63, 252, c.value, 9, alignRight, colourWhite);
        drawText(a + 93, 254, c.unitLabel, 8, alignRight, colourWhite);
        drawText(a + 87, c.topRow, c.top, 9, alignLeft, colourWhite);
        EXPECT_EQ(differences(tape, a + 8, 251, a + 94, 271), 0);
        EXPECT_EQ(differences(tape, a + 87, c.topRow, a + 100, c.topRow + 10), 0);
    }
}

TEST_F(VsiTape, Ticks) {
    const int16_t a = 385;
    drawVsiTape(a);
    for (int row : {36, 86, 136, 186, 236}) EXPECT_EQ(countColour(a + 75, row, a + 85, row, colourWhite), 11) << row;
    for (int row : {61, 111, 161, 211}) {
        EXPECT_EQ(countColour(a + 75, row, a + 81, row, colourWhite), 7) << row;
        EXPECT_NE(pixelAt(a + 82, row), colourWhite) << row;
    }
    EXPECT_EQ(countColour(a + 75, 36, a + 75, 236, colourWhite), 201);
}

TEST_F(VsiTape, SweepStaysInItsColumn) {
    for (int16_t a : {385, 245}) {
        for (uint8_t unit : {0, 1, 2})
            for (uint8_t scale : {0, 1, 2, 3}) {
                unitSettings.vsiUnit = unit;
                unitSettings.vsiScale = scale;
                // The panel gives -9999..9999 ft/min; five characters fit the box.
                for (int32_t v = -9999; v <= 9999; v += 211) {
                    verticalSpeed = verticalSpeedFpm = (int16_t)v;
                    fillScreen(colourDarkGrey);
                    drawVsiTape(a);
                    ASSERT_EQ(outside(a + 8, 20, a + 100, 271, colourDarkGrey), 0) << v;
                }
                verticalSpeed = verticalSpeedFpm = -32768;
                drawVsiTape(a);
            }
    }
}

}  // namespace
