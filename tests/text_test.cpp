#include "gfx/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "drawn_points.h"
#include "gfx/font_data.h"
#include "gfx/mif.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/state_registry.h"
#include "host/unit.h"
#include "ui/page.h"

namespace {

Points within(const Points& p, int xMin, int xMax, int yMin, int yMax) {
    Points r;
    for (auto [x, y] : p)
        if (x >= xMin && x <= xMax && y >= yMin && y <= yMax) r.insert({x, y});
    return r;
}

Points shifted(const Points& p, int dx, int dy) {
    Points r;
    for (auto [x, y] : p) r.insert({x + dx, y + dy});
    return r;
}

uint16_t le16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }

struct FontTable {
    uint8_t number;
    const uint8_t* record;
    uint32_t size;
    uint16_t first, last;
    uint8_t height, minWidth, maxWidth, digitWidth;
};

const FontTable fontTables[] = {
    {8, fontRecord8, fontRecord8Size, 0, 255, 16, 3, 14, 8},
    {9, fontRecord9, fontRecord9Size, 32, 127, 19, 4, 16, 9},
    {10, fontRecord10, fontRecord10Size, 0, 255, 21, 4, 21, 11},
    {12, fontRecord12, fontRecord12Size, 32, 127, 24, 5, 21, 12},
    {16, fontRecord16, fontRecord16Size, 32, 127, 33, 7, 27, 16},
    {20, fontRecord20, fontRecord20Size, 32, 127, 41, 8, 34, 19},
};

TEST(Fonts, ProportionalFontsMeetTheirTables) {
    for (const FontTable& f : fontTables) {
        SCOPED_TRACE("font " + std::to_string(f.number));
        const uint8_t* r = f.record;
        EXPECT_EQ(fontRecord(f.number), r);
        EXPECT_EQ(le16(r), 0);
        EXPECT_EQ(le16(r + 2), f.first);
        EXPECT_EQ(le16(r + 4), f.last);
        EXPECT_EQ(r[7], f.height);
        int count = f.last - f.first + 1;
        uint32_t expectedOffset = 8 + 4 * (uint32_t)count;  // glyphs follow the table, in order
        int narrowest = 255, widest = 0;
        for (int c = f.first; c <= f.last; c++) {
            const uint8_t* e = r + 8 + 4 * (c - f.first);
            uint32_t offset = (uint32_t)e[0] << 16 | (uint32_t)e[3] << 8 | e[2];
            int w = e[1];
            ASSERT_EQ(offset, expectedOffset) << "code " << c;
            int bytesPerRow = (w + 7) / 8;
            expectedOffset += (uint32_t)(bytesPerRow * f.height);
            ASSERT_LE(expectedOffset, f.size) << "code " << c;
            EXPECT_GE(w, f.minWidth) << "code " << c;
            EXPECT_LE(w, f.maxWidth) << "code " << c;
            if (c != 0) narrowest = std::min(narrowest, w), widest = std::max(widest, w);
            bool ink = false;
            for (int row = 0; row < f.height; row++) {
                const uint8_t* bytes = r + offset + row * bytesPerRow;
                for (int b = 0; b < bytesPerRow; b++) ink |= bytes[b] != 0;
                if (w % 8) {
                    EXPECT_EQ(bytes[bytesPerRow - 1] & (0xFF >> (w % 8)), 0) << "padding, code " << c << " row " << row;
                }
            }
            if (c > 32 && c < 127) {
                EXPECT_TRUE(ink) << "no glyph for code " << c;
            }
            if (c >= '0' && c <= '9') {
                int expected = f.number == 8 && c == '1' ? f.digitWidth - 1 : f.digitWidth;
                EXPECT_EQ(w, expected) << "digit " << (char)c;
            }
        }
        EXPECT_EQ(expectedOffset, f.size);
        EXPECT_EQ(narrowest, f.minWidth);
        EXPECT_EQ(widest, f.maxWidth);
    }
    EXPECT_EQ(fontRecord(11), fontRecord8);
    EXPECT_EQ(fontRecord(0), fontRecord8);
}

TEST(Fonts, WindowsCodesOfFonts8And10HaveGlyphs) {
    // The degree sign, the euro sign, accented capitals, the arrows and the box.
    const uint8_t codes[] = {0xB0, 0x80, 0xC9, 0xDC, 0xE9, 17, 24, 26, 27, 127};
    for (uint8_t font : {8, 10})
        for (uint8_t c : codes) {
            char s[2] = {(char)c, 0};
            EXPECT_FALSE(drawn([&] { drawText(10, 10, s, font, alignLeft, 15); }).empty())
                << "font " << (int)font << " code " << (int)c;
        }
}

struct ColumnTable {
    uint8_t size;
    const uint8_t* cells;
    uint32_t bytes;
    uint8_t last, stride, columns, bytesPerColumn;
};

const ColumnTable columnTables[] = {
    {10, columnFont10, columnFont10Size, 57, 16, 8, 2},
    {12, columnFont12, columnFont12Size, 90, 32, 10, 2},
    {20, columnFont20, columnFont20Size, 57, 48, 16, 3},
    {30, columnFont30, columnFont30Size, 57, 92, 23, 4},
};

TEST(Fonts, ColumnFontsMeetTheirTables) {
    for (const ColumnTable& f : columnTables) {
        SCOPED_TRACE("column font " + std::to_string(f.size));
        EXPECT_EQ(f.bytes, (uint32_t)(f.last - 31) * f.stride);
        for (int c = '0'; c <= '9'; c++) {
            const uint8_t* cell = f.cells + (c - 32) * f.stride;
            int drawnBytes = f.columns * f.bytesPerColumn;
            bool ink = false;
            for (int i = 0; i < drawnBytes; i++) ink |= cell[i] != 0;
            EXPECT_TRUE(ink) << (char)c;
        }
        for (int c = 32; c <= f.last; c++)  // size 12 draws 20 of its 32 bytes: the rest stays clear
            for (int i = f.columns * f.bytesPerColumn; i < f.stride; i++)
                EXPECT_EQ(f.cells[(c - 32) * f.stride + i], 0) << "code " << c << " byte " << i;
    }
}

// ---- drawText ----

struct ExtentCase {
    const char* text;
    uint8_t font, align;
    int16_t x;
    int16_t start, end;
};

TEST(DrawText, AlignmentAndExtents) {
    // Font 8: digits are 8 wide, "1" is 7; each glyph advances its width plus one.
    const ExtentCase cases[] = {
        {"", 8, alignCentre, 100, 100, 100},
        {"", 8, alignRight, 100, 100, 100},
        {"11", 8, alignLeft, 100, 100, 116},
        {"11", 8, alignRight, 100, 84, 100},
        {"11", 8, alignCentre, 100, 92, 108},
        {"0", 8, alignCentre, 100, 96, 105},   // odd sum: the half rounds down
        {"11", 11, alignLeft, 100, 100, 116},  // an unknown font number is font 8
        {"11", 8, 7, 100, 92, 108},            // an unknown alignment centres
        {"00", 9, alignRight, 50, 30, 50},
        {"000", 20, alignLeft, 0, 0, 60},
        {"12", 16, alignCentre, 240, 223, 257},
        {"0", 10, alignRight, 5, -7, 5},       // starts off the left edge
        {"1", 12, alignLeft, 470, 470, 483},   // ends off the right edge
    };
    for (const ExtentCase& c : cases) {
        drawText(c.x, 20, c.text, c.font, c.align, 15);
        EXPECT_EQ(textStartX, c.start) << "'" << c.text << "' font " << (int)c.font << " align " << (int)c.align;
        EXPECT_EQ(textEndX, c.end) << "'" << c.text << "' font " << (int)c.font << " align " << (int)c.align;
    }
}

TEST(DrawText, GlyphsFollowWithOneGap) {
    Points one = drawn([] { drawText(100, 10, "1", 8, alignLeft, 15); });
    Points two = drawn([] { drawText(100, 10, "11", 8, alignLeft, 15); });
    Points expected = one;
    for (auto p : shifted(one, 8, 0)) expected.insert(p);
    EXPECT_EQ(two, expected);
    ASSERT_FALSE(one.empty());
    for (auto [x, y] : one) {  // inside the glyph's box: 7 columns, 16 rows from the top row
        EXPECT_GE(x, 100);
        EXPECT_LE(x, 106);
        EXPECT_GE(y, 10);
        EXPECT_LT(y, 26);
    }
    // Right-aligned, the last glyph column is x - 2 at most.
    for (auto [x, y] : drawn([] { drawText(200, 10, "W0", 12, alignRight, 15); })) EXPECT_LE(x, 198);
}

TEST(DrawText, DrawsOnlyGlyphPixelsInTheColour) {
    fillScreen(5);
    drawText(240, 100, "AB\xB0", 10, alignCentre, 249);
    int ink = 0;
    for (int32_t i = 0; i < frameBufferSize; i++) {
        ASSERT_TRUE(frameBuffer[i] == 5 || frameBuffer[i] == 249);
        ink += frameBuffer[i] == 249;
    }
    EXPECT_GT(ink, 0);
}

TEST(DrawText, CodesOutsideTheFontAreSkipped) {
    // Fonts 9 to 20 hold 32-127 only: other bytes take no pixels, no advance, no share of the sum.
    struct Case {
        const char* text;
        const char* same;
        uint8_t font, align;
    } cases[] = {
        {"1\xB0" "2", "12", 9, alignLeft},
        {"\x01" "12\xFF", "12", 12, alignCentre},
        {"\x80\x80" "A", "A", 20, alignRight},
        {"\x1B", "", 16, alignCentre},
    };
    for (const Case& c : cases) {
        Points expected = drawn([&] { drawText(200, 50, c.same, c.font, c.align, 15); });
        int16_t start = textStartX, end = textEndX;
        Points got = drawn([&] { drawText(200, 50, c.text, c.font, c.align, 15); });
        EXPECT_EQ(got, expected) << c.same;
        EXPECT_EQ(textStartX, start) << c.same;
        EXPECT_EQ(textEndX, end) << c.same;
    }
}

TEST(DrawText, FieldsAreReadNoFurtherThanTheirSize) {
    struct {
        char name[6];
        char after[6];
    } record;
    std::memcpy(record.name, "ABCDEF", 6);  // full: no terminator
    std::memcpy(record.after, "GHIJK", 6);
    Points expected = drawn([] { drawText(10, 10, "ABCDEF", 10, alignLeft, 15); });
    int16_t end = textEndX;
    EXPECT_EQ(drawn([&] { drawTextField(10, 10, record.name, sizeof record.name, 10, alignLeft, 15); }), expected);
    EXPECT_EQ(textEndX, end);
    // A shorter text ends at its terminator as usual.
    record.name[3] = 0;
    Points abc = drawn([] { drawText(10, 10, "ABC", 10, alignRight, 15); });
    EXPECT_EQ(drawn([&] { drawTextField(10, 10, record.name, sizeof record.name, 10, alignRight, 15); }), abc);
}

// ---- column fonts ----

// The pixels of one cell as its bytes give them: columns left to right, bit 0 the top pixel.
Points cellPixels(const ColumnTable& f, char c, int x, int y) {
    Points p;
    const uint8_t* cell = f.cells + (c - 32) * f.stride;
    for (int k = 0; k < f.columns; k++)
        for (int j = 0; j < f.bytesPerColumn; j++)
            for (int b = 0; b < 8; b++)
                if (cell[k * f.bytesPerColumn + j] >> b & 1) p.insert({x + k, y + 8 * j + b});
    return p;
}

TEST(ColumnText, CellsAdvanceByTheirColumns) {
    for (const ColumnTable& f : columnTables) {
        SCOPED_TRACE("column font " + std::to_string(f.size));
        Points expected = cellPixels(f, '4', 20, 30);
        for (auto p : cellPixels(f, '2', 20 + f.columns, 30)) expected.insert(p);
        EXPECT_EQ(drawn([&] { drawColumnText(20, 30, "42", f.size, 15); }), expected);
        // A code outside the font draws nothing but keeps its cell.
        Points gap = cellPixels(f, '4', 20, 30);
        for (auto p : cellPixels(f, '2', 20 + 2 * f.columns, 30)) gap.insert(p);
        EXPECT_EQ(drawn([&] { drawColumnText(20, 30, "4\x7F" "2", f.size, 15); }), gap);
        EXPECT_EQ(drawn([&] { drawColumnText(20, 30, "4\x05" "2", f.size, 15); }), gap);
    }
    EXPECT_TRUE(drawn([] { drawColumnText(20, 30, "42", 16, 15); }).empty());
    // Capitals exist in size 12 only.
    EXPECT_FALSE(drawn([] { drawColumnText(20, 30, "X", 12, 15); }).empty());
    EXPECT_TRUE(drawn([] { drawColumnText(20, 30, "X", 20, 15); }).empty());
}

TEST(ColumnText, ClippedWindows) {
    struct Case {
        const char* name;
        uint8_t size;
        int16_t x, y;
        int xMin, xMax, yMin, yMax;  // the window that must apply
        void (*draw)(int16_t x, int16_t y);
    } cases[] = {
        {"drum tall", 20, 10, 90, 0, 479, 102, 170, [](int16_t x, int16_t y) { drawRollerDigitsTall(x, y, "90"); }},
        {"drum layout 0", 20, 10, 110, 0, 479, 120, 152, [](int16_t x, int16_t y) { displayPage = 0, drawRollerDigits(x, y, "58"); }},
        {"drum layout 2", 20, 10, 110, 0, 479, 123, 149, [](int16_t x, int16_t y) { displayPage = 2, drawRollerDigits(x, y, "58"); }},
        {"drum large", 30, 10, 140, 0, 479, 120, 152, [](int16_t x, int16_t y) { drawRollerDigitsLarge(x, y, "37"); }},
        {"x window", 30, 100, 50, 110, 130, 0, 271, [](int16_t x, int16_t y) { drawColumnTextClipped(x, y, "88", 30, 15, 110, 130, 0, 271); }},
        {"scale label", 12, -4, 100, -1000, 1000, 105, 110, [](int16_t x, int16_t y) { drawScaleLabelClipped(x, y, "080", 15, 105, 110); }},
        // Sizes 10 and 12 ignore the window of the general call.
        {"size 12 unclipped", 12, 10, 100, -1000, 1000, -1000, 1000, [](int16_t x, int16_t y) { drawColumnTextClipped(x, y, "12", 12, 15, 0, 12, 104, 106); }},
        {"size 10 unclipped", 10, 10, 100, -1000, 1000, -1000, 1000, [](int16_t x, int16_t y) { drawColumnTextClipped(x, y, "12", 10, 15, 0, 12, 104, 106); }},
    };
    const char* texts[] = {"90", "58", "58", "37", "88", "080", "12", "12"};
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; i++) {
        const Case& c = cases[i];
        Points whole = drawn([&] { drawColumnText(c.x, c.y, texts[i], c.size, 15); });
        Points expected = within(whole, c.xMin, c.xMax, c.yMin, c.yMax);
        EXPECT_EQ(drawn([&] { c.draw(c.x, c.y); }), expected) << c.name;
        EXPECT_FALSE(expected.empty()) << c.name;
    }
    // A drum digit whose cell is wholly outside the window draws nothing.
    displayPage = 0;
    EXPECT_TRUE(drawn([] { drawRollerDigits(10, 153, "8"); }).empty());
    EXPECT_TRUE(drawn([] { drawRollerDigits(10, 96, "8"); }).empty());
}

TEST(ColumnText, TapeLabelsKeepToTheStrip) {
    struct Case {
        int16_t x;
        int16_t rightLimit;
    } cases[] = {{75, 353}, {330, 353}, {200, 480}, {60, 100}};
    for (const Case& c : cases) {
        Points whole = drawn([&] { drawText(c.x, 3, "270", 9, alignCentre, 15); });
        Points expected = within(whole, 70, c.rightLimit - 20, 0, 271);
        EXPECT_EQ(drawn([&] { drawTapeLabel(c.x, 3, "270", c.rightLimit); }), expected) << c.x;
        if (c.x == 75 || c.x == 330) {
            EXPECT_NE(expected, whole) << c.x;  // something was cut
        }
    }
}

// ---- information view ----

class InfoDisplay : public ::testing::Test {
  protected:
    void SetUp() override {
        sdCardMounted = 1;
        infoViewMode = 2;
        std::memset(infoLines, 0, sizeof infoLines);
        for (int n = 0; n < infoMaxLines; n++) std::snprintf(infoLines[n], infoLineLength, "LINE %02d", n);
        infoLineCount = infoMaxLines;
        infoCurrentLine = 0;
    }
    // The pixels of one colour on the screen as drawInfoDisplay left it.
    static Points colour(uint8_t c) {
        Points p;
        for (int y = 0; y < screenHeight; y++)
            for (int x = 0; x < screenWidth; x++)
                if (frameBuffer[y * screenWidth + x] == c) p.insert({x, y});
        return p;
    }
    static Points text(const char* s, int16_t y) {
        fillScreen(0);
        drawText(0, y, s, 10, alignLeft, 15);
        return colour(15);
    }
};

TEST_F(InfoDisplay, HighlightScrollsOnceItPassesLineTwelve) {
    struct Case {
        uint8_t current;
        int16_t highlightY;
        int firstLine;
    } cases[] = {{0, 0, 0}, {5, 100, 0}, {12, 240, 0}, {13, 240, 1}, {20, 240, 8}, {29, 240, 17}};
    for (const Case& c : cases) {
        infoCurrentLine = c.current;
        fillScreen(9);
        drawInfoDisplay();
        Points red = colour(colourRed);
        EXPECT_EQ(red, text(infoLines[c.current], c.highlightY)) << (int)c.current;
        fillScreen(9);
        drawInfoDisplay();
        Points top = within(colour(colourWhite), 0, 479, 0, 19);
        if (c.firstLine != c.current) {
            EXPECT_EQ(top, text(infoLines[c.firstLine], 0)) << (int)c.current;
        }
    }
}

TEST_F(InfoDisplay, StaysWithinItsThirtyLines) {
    // A highlight past the last line reads nothing beyond the store: the rows that would show
    // lines 30 and on stay empty, and no line is red.
    for (uint8_t current : {30, 42, 255}) {
        infoCurrentLine = current;
        fillScreen(9);
        drawInfoDisplay();
        EXPECT_TRUE(colour(colourRed).empty()) << (int)current;
        EXPECT_TRUE(colour(9).empty()) << (int)current;
        Points white = colour(colourWhite);
        int firstLine = current - 12, shown = firstLine < infoMaxLines ? infoMaxLines - firstLine : 0;
        EXPECT_EQ(within(white, 0, 479, shown * 20, 271), Points{}) << (int)current;
        EXPECT_EQ(white.empty(), shown == 0) << (int)current;
    }
    // Thirteen rows at most, the last at y = 240.
    infoCurrentLine = 17;
    drawInfoDisplay();
    Points white = colour(colourWhite), red = colour(colourRed);
    EXPECT_EQ(within(red, 0, 479, 240, 271), red);
    EXPECT_EQ(within(white, 0, 479, 0, 239), white);
}

TEST_F(InfoDisplay, FullLinesEndAtTheirSizeOrTheRightEdge) {
    std::memset(infoLines[0], 'I', infoLineLength);  // 60 bytes, no terminator, line 1 follows
    std::memset(infoLines[1], 'W', infoLineLength);
    infoCurrentLine = 5;
    drawInfoDisplay();
    Points white = colour(colourWhite);
    EXPECT_EQ(within(white, 0, 479, 0, 19), text(std::string(60, 'I').c_str(), 0));
    // The W line stops once x has passed 459: its last glyph starts at 459 at most.
    int wWidth = fontRecord10[8 + 4 * 'W' + 1];
    Points wLine = within(white, 0, 479, 20, 39);
    ASSERT_FALSE(wLine.empty());
    int lastX = 0;
    for (auto [x, y] : wLine) lastX = std::max(lastX, x);
    EXPECT_LE(lastX, 459 + wWidth);
    EXPECT_GT(lastX, 459 - wWidth);
}

TEST_F(InfoDisplay, PictureOrNameWhenNothingIsShown) {
    for (int32_t i = 0; i < frameBufferSize; i++) backgroundBuffer[i] = (uint8_t)(i * 7);
    infoViewMode = 1;
    drawInfoDisplay();
    EXPECT_EQ(std::memcmp(frameBuffer, backgroundBuffer, frameBufferSize), 0);

    fillScreen(0);
    drawText(240, 90, "INFORMATION", 20, alignCentre, 15);
    drawText(240, 140, "DISPLAY", 20, alignCentre, 15);
    Points name = colour(15);
    struct Case {
        uint8_t card, mode;
    } cases[] = {{1, 0}, {0, 1}, {0, 2}, {1, 3}};
    for (const Case& c : cases) {
        sdCardMounted = c.card;
        infoViewMode = c.mode;
        fillScreen(9);
        drawInfoDisplay();
        EXPECT_EQ(colour(15), name) << (int)c.card << "," << (int)c.mode;
        EXPECT_EQ(colour(9).size(), 0u);
    }
}

TEST_F(InfoDisplay, HighlightStepsStopAtTheEnds) {
    struct Case {
        uint8_t count, current;
        int8_t step;
        uint8_t after;
    } cases[] = {
        {0, 0, 1, 0},  // no lines: stays on the first
        {3, 0, 1, 1},  {3, 1, 1, 2}, {3, 2, 1, 2}, {3, 2, -1, 1}, {3, 0, -1, 0},
        {30, 29, 1, 29}, {1, 0, 1, 0},
    };
    for (const Case& c : cases) {
        infoLineCount = c.count;
        infoCurrentLine = c.current;
        stepInfoLine(c.step);
        EXPECT_EQ(infoCurrentLine, c.after) << (int)c.count << " " << (int)c.current << " " << (int)c.step;
    }
}

TEST(TextState, HeadlessHostPrintsExtentsAndLines) {
    registerAllState();
    drawText(100, 0, "11", 8, alignRight, 15);
    char out[80];
    ASSERT_TRUE(formatState("textStartX", out, sizeof out));
    EXPECT_STREQ(out, "84");
    ASSERT_TRUE(formatState("textEndX", out, sizeof out));
    EXPECT_STREQ(out, "100");
    std::memset(infoLines[29], 'Z', infoLineLength);  // full: printed up to its size only
    ASSERT_TRUE(formatState("infoLines.29", out, sizeof out));
    EXPECT_EQ(std::string(out), std::string(60, 'Z'));
    EXPECT_TRUE(formatState("infoCurrentLine", out, sizeof out));
}

}  // namespace
