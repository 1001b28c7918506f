#include "gfx/text.h"

#include <cstdint>

#include "gfx/font_data.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/unit.h"
#include "ui/page.h"

// The picture buffer and its copy to the screen (gfx/mif.h).
extern uint8_t backgroundBuffer[frameBufferSize];
void copyBackground();

int16_t textStartX;
int16_t textEndX;

uint8_t infoViewMode;
char infoLines[infoMaxLines][infoLineLength];
uint8_t infoLineCount;
uint8_t infoCurrentLine;

namespace {

constexpr size_t unbounded = SIZE_MAX;  // a NUL-terminated text: read up to its terminator

// A window of screen pixels, inclusive at both ends; putPixel drops what is off the screen.
struct Window {
    int32_t xMin, xMax, yMin, yMax;
};
constexpr Window noWindow{INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX};

inline void plot(int32_t x, int32_t y, uint8_t colour, const Window& w) {
    if (x < w.xMin || x > w.xMax || y < w.yMin || y > w.yMax) return;
    if (x < 0 || x >= screenWidth || y < 0 || y >= screenHeight) return;
    putPixel((int16_t)x, (int16_t)y, colour);
}

void proportionalText(int16_t x, int16_t y, const char* text, size_t maxLength, uint8_t font,
                      uint8_t align, uint8_t colour, const Window& window) {
    const uint8_t* record = fontRecord(font);
    const uint16_t first = (uint16_t)(record[2] | record[3] << 8);
    const uint16_t last = (uint16_t)(record[4] | record[5] << 8);
    const uint8_t height = record[7];

    // The width sum is 16-bit and halved by an unsigned shift, as the unit does it; a code
    // without a glyph takes no share of it.
    size_t length = 0;
    uint16_t sum = 0;
    for (; length < maxLength && text[length]; length++) {
        uint8_t c = (uint8_t)text[length];
        if (c < first || c > last) continue;
        sum = (uint16_t)(sum + record[8 + 4 * (c - first) + 1] + 1);
    }
    int32_t cx = align == alignLeft ? x : align == alignRight ? x - sum : x - (sum >> 1);
    textStartX = (int16_t)cx;

    for (size_t i = 0; i < length; i++) {
        uint8_t c = (uint8_t)text[i];
        if (c < first || c > last) continue;
        const uint8_t* entry = record + 8 + 4 * (c - first);
        const uint8_t width = entry[1];
        // Glyphs wholly off the screen cost nothing but their advance.
        if (cx < screenWidth && cx + width > 0) {
            const uint8_t* glyph = record + ((uint32_t)entry[0] << 16 | (uint32_t)entry[3] << 8 | entry[2]);
            const int bytesPerRow = (width + 7) / 8;
            for (int r = 0; r < height; r++)
                for (int b = 0; b < bytesPerRow; b++) {
                    uint8_t bits = glyph[r * bytesPerRow + b];
                    for (int bit = 0; bits && bit < 8; bit++, bits = (uint8_t)(bits << 1))
                        if (bits & 0x80) plot(cx + 8 * b + bit, y + r, colour, window);
                }
        }
        cx += width + 1;
    }
    textEndX = (int16_t)cx;
}

struct ColumnFont {
    const uint8_t* cells;
    uint8_t last;            // last character code; the first is 32
    uint8_t stride;          // bytes per cell
    uint8_t columns;         // columns drawn, which is also the advance
    uint8_t bytesPerColumn;  // 8 rows each
};

const ColumnFont* columnFont(uint8_t size) {
    static const ColumnFont fonts[4] = {
        {columnFont10, 57, 16, 8, 2},
        {columnFont12, 90, 32, 10, 2},
        {columnFont20, 57, 48, 16, 3},
        {columnFont30, 57, 92, 23, 4},
    };
    switch (size) {
    case 10: return &fonts[0];
    case 12: return &fonts[1];
    case 20: return &fonts[2];
    case 30: return &fonts[3];
    default: return nullptr;
    }
}

void columnText(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t colour,
                const Window& window) {
    const ColumnFont* font = columnFont(size);
    if (!font) return;
    static constexpr uint8_t masks[8] = {1, 2, 4, 8, 16, 32, 64, 128};
    int32_t cx = x;
    for (const char* p = text; *p; p++) {
        uint8_t c = (uint8_t)*p;
        if (c < 32 || c > font->last || cx >= screenWidth) {  // nothing to draw: one cell on
            cx += font->columns;
            continue;
        }
        const uint8_t* column = font->cells + (c - 32) * font->stride;
        for (int k = 0; k < font->columns; k++, cx++, column += font->bytesPerColumn) {
            if (cx < window.xMin || cx > window.xMax) continue;
            for (int j = 0; j < font->bytesPerColumn; j++)
                for (int b = 0; b < 8; b++)
                    if (column[j] & masks[b]) plot(cx, y + 8 * j + b, colour, window);
        }
    }
}

}  // namespace

const uint8_t* fontRecord(uint8_t font) {
    switch (font) {
    case 9: return fontRecord9;
    case 10: return fontRecord10;
    case 12: return fontRecord12;
    case 16: return fontRecord16;
    case 20: return fontRecord20;
    default: return fontRecord8;
    }
}

void drawText(int16_t x, int16_t y, const char* text, uint8_t font, uint8_t align, uint8_t colour) {
    proportionalText(x, y, text, unbounded, font, align, colour, noWindow);
}

void drawTextField(int16_t x, int16_t y, const char* text, size_t fieldSize, uint8_t font,
                   uint8_t align, uint8_t colour) {
    proportionalText(x, y, text, fieldSize, font, align, colour, noWindow);
}

void drawColumnText(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t colour) {
    columnText(x, y, text, size, colour, noWindow);
}

void drawColumnTextClipped(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t colour,
                           int16_t xMin, int16_t xMax, int16_t yMin, int16_t yMax) {
    if (size == 20 || size == 30)
        columnText(x, y, text, size, colour, Window{xMin, xMax, yMin, yMax});
    else
        columnText(x, y, text, size, colour, noWindow);
}

void drawRollerDigitsTall(int16_t x, int16_t y, const char* text) {
    drawColumnTextClipped(x, y, text, 20, colourWhite, 0, 479, 102, 170);
}

void drawRollerDigits(int16_t x, int16_t y, const char* text) {
    if (displayPage == 0)
        drawColumnTextClipped(x, y, text, 20, colourWhite, 0, 479, 120, 152);
    else
        drawColumnTextClipped(x, y, text, 20, colourWhite, 0, 479, 123, 149);
}

void drawRollerDigitsLarge(int16_t x, int16_t y, const char* text) {
    drawColumnTextClipped(x, y, text, 30, colourWhite, 0, 479, 120, 152);
}

void drawScaleLabelClipped(int16_t x, int16_t y, const char* text, uint8_t colour, int16_t yMin,
                           int16_t yMax) {
    columnText(x, y, text, 12, colour, Window{INT32_MIN, INT32_MAX, yMin, yMax});
}

void drawTapeLabel(int16_t x, int16_t y, const char* text, int16_t rightLimit) {
    proportionalText(x, y, text, unbounded, 9, alignCentre, colourWhite,
                     Window{70, rightLimit - 20, INT32_MIN, INT32_MAX});
}

void drawInfoDisplay() {
    if (sdCardMounted && infoViewMode == 1) {
        copyBackground();
        return;
    }
    clearScreen();
    if (!sdCardMounted || infoViewMode != 2) {
        drawText(240, 90, "INFORMATION", 20, alignCentre, colourWhite);
        drawText(240, 140, "DISPLAY", 20, alignCentre, colourWhite);
        return;
    }
    // Thirteen rows; once the highlight passes the thirteenth line the page scrolls under it.
    const int first = infoCurrentLine < 13 ? 0 : infoCurrentLine - 12;
    char one[2] = {0, 0};
    for (int n = first; n < infoMaxLines && (n - first) * 20 <= 240; n++) {
        const int16_t y = (int16_t)((n - first) * 20);
        const uint8_t colour = n == infoCurrentLine ? colourRed : colourWhite;
        // One character at a time, so a full 60-byte line without terminator ends at its size.
        int16_t x = 0;
        for (int k = 0; k < infoLineLength && infoLines[n][k] && x <= 459; k++) {
            one[0] = infoLines[n][k];
            drawText(x, y, one, 10, alignLeft, colour);
            x = (int16_t)(x + (textEndX - textStartX));
        }
    }
}

void stepInfoLine(int8_t step) {
    // Signed: with no lines loaded the last line is -1, not 255.
    if (step > 0 && (int)infoCurrentLine < (int)infoLineCount - 1) infoCurrentLine++;
    if (step < 0 && infoCurrentLine > 0) infoCurrentLine--;
}
