#include "efis/digit_drum.h"

#include <climits>
#include <vector>

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

enum Font : uint8_t { Tall, Small, Large };

struct Piece {
    Font font;
    int16_t dx, y;  // x from the tape's left edge, top row
    const char* text;
};

void drawPiece(int16_t a, const Piece& p) {
    int16_t x = (int16_t)(a + p.dx);
    if (p.font == Tall) drawRollerDigitsTall(x, p.y, p.text);
    else if (p.font == Small) drawRollerDigits(x, p.y, p.text);
    else drawRollerDigitsLarge(x, p.y, p.text);
}

// Each readout against the pieces it must be made of: the drum faces at x a + 65, hundreds at
// a + 48 (with a sign at a + 32), thousands and ten-thousands at a + 26 and a + 4 in the large
// font on the full-width layout, at a + 31 and a + 14 otherwise. Faces fully outside their
// windows draw nothing and are left out.
TEST(DigitDrum, WindowsShowTheRightFaces) {
    struct Case {
        int32_t altitude;
        uint8_t page;
        std::vector<Piece> pieces;
    } cases[] = {
        // The drum reads "00" at its rest row 127 (entry 3), hundreds "0", thousands "1".
        {1000, 0, {{Tall, 65, 152, "90"}, {Tall, 65, 127, "00"}, {Tall, 65, 102, "10"},
                   {Small, 48, 127, "0"}, {Large, 26, 122, "1"}}},
        // At 1095 (r = 235) the hundreds roll: "0" at 137 and "1" at 112.
        {1095, 0, {{Tall, 65, 162, "80"}, {Tall, 65, 137, "90"}, {Tall, 65, 112, "00"}, {Tall, 65, 87, "10"},
                   {Small, 48, 137, "0"}, {Small, 48, 112, "1"}, {Large, 26, 122, "1"}}},
        // 9995: thousands and ten-thousands roll together.
        {9995, 0, {{Tall, 65, 162, "80"}, {Tall, 65, 137, "90"}, {Tall, 65, 112, "00"}, {Tall, 65, 87, "10"},
                   {Small, 48, 137, "9"}, {Small, 48, 112, "0"}, {Large, 26, 147, "9"}, {Large, 26, 110, "0"},
                   {Large, 4, 110, "1"}}},
        // 995 on a narrow layout: a blank thousands place rolls into "1".
        {995, 1, {{Tall, 65, 162, "80"}, {Tall, 65, 137, "90"}, {Tall, 65, 112, "00"}, {Tall, 65, 87, "10"},
                  {Small, 48, 137, "9"}, {Small, 48, 112, "0"}, {Small, 31, 112, "1"}}},
        // 5: the table that counts up on both sides of zero.
        {5, 0, {{Tall, 65, 164, "10"}, {Tall, 65, 139, "00"}, {Tall, 65, 114, "10"}, {Tall, 65, 89, "20"},
                {Small, 48, 127, "0"}}},
        // -5: the third table, drawn downward, and the sign before a zero hundreds place.
        {-5, 0, {{Tall, 65, 91, "10"}, {Tall, 65, 116, "00"}, {Tall, 65, 141, "10"}, {Tall, 65, 166, "20"},
                 {Small, 32, 127, "-0"}}},
        // -120: the fourth table.
        {-120, 0, {{Tall, 65, 79, "00"}, {Tall, 65, 104, "10"}, {Tall, 65, 129, "20"}, {Tall, 65, 154, "30"},
                   {Tall, 65, 179, "40"}, {Small, 32, 127, "-1"}}},
        // -1500 narrow: the sign moves to the thousands place.
        {-1500, 2, {{Tall, 65, 78, "80"}, {Tall, 65, 103, "90"}, {Tall, 65, 128, "00"}, {Tall, 65, 153, "10"},
                    {Tall, 65, 178, "20"}, {Small, 32, 127, " 5"}, {Small, 14, 127, "-1"}}},
        // -995: "-9" rises away while "0" and "-1" come up from below.
        {-995, 0, {{Tall, 65, 93, "80"}, {Tall, 65, 118, "90"}, {Tall, 65, 143, "00"}, {Tall, 65, 168, "10"},
                   {Small, 48, 143, "0"}, {Small, 32, 118, "-9"}, {Large, 4, 136, "-1"}}},
        // -195: the hundreds place rolls from "-1" to "-2".
        {-195, 0, {{Tall, 65, 93, "80"}, {Tall, 65, 118, "90"}, {Tall, 65, 143, "00"}, {Tall, 65, 168, "10"},
                   {Small, 32, 143, "-2"}, {Small, 32, 118, "-1"}}},
        // Beyond what five places can show, the readout stops at its ends.
        {150000, 0, {{Tall, 65, 150, "80"}, {Tall, 65, 125, "90"}, {Tall, 65, 100, "00"}, {Small, 48, 127, "9"},
                     {Large, 26, 122, "9"}, {Large, 4, 122, "9"}}},
        {INT32_MIN, 0, {{Tall, 65, 80, "70"}, {Tall, 65, 105, "80"}, {Tall, 65, 130, "90"}, {Tall, 65, 155, "00"},
                        {Small, 32, 127, " 9"}, {Large, 4, 122, "-9"}}},
    };
    buildTrigTables();
    const int16_t a = 200;
    for (const Case& c : cases) {
        SCOPED_TRACE("altitude " + std::to_string(c.altitude) + " layout " + std::to_string(c.page));
        displayPage = c.page;
        fillScreen(colourBlack);
        drawAltitudeDrum(a, c.altitude);
        Frame drum;
        saveFrame(drum);
        fillScreen(colourBlack);
        for (const Piece& p : c.pieces) drawPiece(a, p);
        EXPECT_EQ(differences(drum, 0, 0, 479, 271), 0);
    }
}

TEST(DigitDrum, EveryAltitudeStaysInItsWindows) {
    const int16_t a = 200;
    for (uint8_t page : {0, 1}) {
        displayPage = page;
        for (int32_t alt = -12000; alt <= 102000; alt += 97) {
            fillScreen(colourDarkGrey);
            drawAltitudeDrum(a, alt);
            // The readout box and the drum window, nothing around them.
            ASSERT_EQ(outside(a + 4, 102, a + 97, 170, colourDarkGrey), 0) << "altitude " << alt;
            ASSERT_EQ(countNot(a + 4, 102, a + 64, 119, colourDarkGrey), 0) << "altitude " << alt;
            ASSERT_EQ(countNot(a + 4, 153, a + 64, 170, colourDarkGrey), 0) << "altitude " << alt;
        }
    }
}

}  // namespace
