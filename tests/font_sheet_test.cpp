// Draws every font on pages of the unit's screen and writes them as font-sheet.png in the build
// folder (one page under the other, and each page as font-sheet-N.png), for looking at the
// glyphs as the screen shows them. docs/screens/font-sheet.png is a copy of it: refresh it after
// regenerating the fonts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/headless/png_writer.h"
#include "host/unit.h"

namespace {

// One line of consecutive codes, drawn as one string so the spacing is the real one.
void codeLine(int16_t x, int16_t y, int from, int to, uint8_t font, uint8_t colour) {
    char s[260];
    int n = 0;
    for (int c = from; c <= to; c++)
        if (c != 0) s[n++] = (char)c;
    s[n] = 0;
    drawText(x, y, s, font, alignLeft, colour);
}

void label(int16_t y, const char* text) { drawText(479, y, text, 8, alignRight, colourCyan); }

void fontPage(uint8_t font, int perLine, int from, int to, int16_t y, int16_t pitch) {
    char name[16];
    std::snprintf(name, sizeof name, "FONT %d", font);
    label(y, name);
    for (int c = from; c <= to; c += perLine, y = (int16_t)(y + pitch))
        codeLine(0, y, c, c + perLine - 1 > to ? to : c + perLine - 1, font, colourWhite);
}

void pageFont8And9() {
    fontPage(8, 32, 0, 255, 0, 16);
    drawText(0, 130, "23\xB0" "C  73\xB0" "F  270\xB0M  \x18 \x19 \x1A \x1B \x11 \x10 \x7F", 8, alignLeft, colourYellow);
    drawText(0, 146, "ALT 12345 FT  QNH 1013  \x80 12,50  ENGINE OK", 8, alignLeft, colourGreen);
    fontPage(9, 32, 32, 127, 164, 19);
    drawText(0, 224, "N 000 030 060 090 E  -1234 FPM  TAS 123 KT", 9, alignLeft, colourYellow);
    drawText(0, 244, "1111 0000 8888  left|right  mixed Case Text", 9, alignLeft, colourGreen);
}

void pageFont10And12() {
    fontPage(10, 32, 0, 255, 0, 21);
    fontPage(12, 32, 32, 127, 170, 24);
}

void pageFont16() {
    fontPage(16, 24, 32, 127, 0, 33);
    drawText(0, 140, "12.5V  OIL 85 C  \x7F", 16, alignLeft, colourYellow);
    drawText(0, 175, "INFORMATION 0123456789", 16, alignLeft, colourGreen);
    drawText(240, 220, "CENTRED", 16, alignCentre, colourWhite);
    drawHSpan(240, 240, 255, colourRed);
    drawVSpan(215, 258, 240, colourRed);
}

void pageFont20() {
    fontPage(20, 16, 32, 127, 0, 41);
}

void pageColumnFonts() {
    label(0, "COLUMN 10 12 20 30");
    const char* signs = " !\"#$%&'()*+,-./0123456789";
    drawColumnText(0, 0, signs, 10, colourWhite);
    drawColumnText(0, 18, signs, 12, colourWhite);
    drawColumnText(0, 36, ":;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ", 12, colourWhite);
    drawColumnText(0, 56, signs, 20, colourWhite);
    // Number boxes and drums where the flight instruments put them.
    drawFrame(50, 118, 121, 154, colourWhite);
    drawColumnText(53, 122, "123", 30, colourWhite);
    drawFrame(130, 121, 182, 151, colourWhite);
    drawColumnText(133, 127, "456", 20, colourWhite);
    drawFrame(192, 101, 228, 171, colourWhite);
    for (int k = 0; k < 4; k++) {
        char two[3] = {(char)('0' + (7 + k) % 10), '0', 0};
        drawRollerDigitsTall(194, (int16_t)(90 + 25 * k), two);
    }
    drawFrame(238, 119, 310, 153, colourWhite);
    drawRollerDigitsLarge(240, 110, "789");  // top rows cut by the drum window
    drawFrame(320, 101, 356, 171, colourWhite);
    drawRollerDigits(322, 118, "9");
    drawRollerDigits(338, 143, "0");
    drawFrame(0, 180, 60, 200, colourWhite);
    drawText(3, 183, "GS", 8, alignLeft, colourWhite);
    drawColumnText(29, 184, "123", 12, colourWhite);
    drawFrame(70, 180, 123, 204, colourLightGrey);
    drawColumnText(74, 182, "270", 20, colourGreen);
    drawColumnText(140, 182, "-12.5", 10, colourYellow);
    for (int16_t t = 0; t < 4; t++) {
        drawHSpan(432, 446, (int16_t)(186 + 20 * t), colourWhite);
        char s[8];
        std::snprintf(s, sizeof s, "%3d", 40 + 10 * t);
        drawScaleLabelClipped(400, (int16_t)(180 + 20 * t), s, colourWhite, 176, 262);
    }
    drawTapeLabel(75, 210, "030", 353);  // cut left of 70
    drawTapeLabel(330, 210, "NNE", 353);  // cut right of 333
    drawVSpan(206, 232, 69, colourRed);
    drawVSpan(206, 232, 334, colourRed);
    drawColumnText(0, 238, "-0123456789+.,%", 30, colourWhite);
}

void pageInfoDisplay() {
    sdCardMounted = 1;
    infoViewMode = 2;
    const char* lines[] = {"BEFORE TAKEOFF", "  FLAPS ............ SET", "  TRIM ............. SET",
                           "  FUEL ......... ON, BOTH", "  OIL TEMP ...... 50\xB0" "C MIN",
                           "  MAGS ....... CHECKED", "  CONTROLS ...... FREE"};
    std::memset(infoLines, 0, sizeof infoLines);
    for (int i = 0; i < 7; i++) std::strncpy(infoLines[i], lines[i], infoLineLength);
    std::memset(infoLines[7], 'W', infoLineLength);  // a full line without terminator
    infoLineCount = 8;
    infoCurrentLine = 3;
    drawInfoDisplay();
}

TEST(FontSheet, WritesEveryFont) {
    void (*pages[])() = {pageFont8And9, pageFont10And12, pageFont16, pageFont20, pageColumnFonts,
                         pageInfoDisplay};
    const int pageCount = sizeof pages / sizeof pages[0];
    std::vector<uint8_t> sheet;
    for (int i = 0; i < pageCount; i++) {
        clearScreen();
        pages[i]();
        sheet.insert(sheet.end(), frameBuffer, frameBuffer + frameBufferSize);
        std::string page = std::string(EFIS_BINARY_DIR) + "/font-sheet-" + std::to_string(i + 1) + ".png";
        ASSERT_TRUE(writeIndexedPng(page.c_str(), frameBuffer, screenWidth, screenHeight, paletteRgb.data()));
    }
    std::string path = std::string(EFIS_BINARY_DIR) + "/font-sheet.png";
    ASSERT_TRUE(writeIndexedPng(path.c_str(), sheet.data(), screenWidth, screenHeight * pageCount,
                                paletteRgb.data()));
}

}  // namespace
