// Text: the six proportional fonts (8, 9, 10, 12, 16, 20), the four column fonts for digits
// (10, 12, 20, 30) and the information text view. Texts are Windows-1252 bytes; every glyph
// pixel goes through putPixel in the caller's colour, over what is already on the screen.
#pragma once
#include <cstddef>
#include <cstdint>

// Alignment for drawText.
enum : uint8_t { alignCentre = 0, alignLeft = 1, alignRight = 2 };

extern int16_t textStartX;  // x where the last drawText string began, after alignment (pixels)
extern int16_t textEndX;    // x just past the last glyph's one-pixel gap (pixels)

// The record of a font number; any number but 8, 9, 10, 12, 16, 20 gives font 8.
const uint8_t* fontRecord(uint8_t font);

// Draws a NUL-terminated string with its top row at y; align 0 centres on x, 1 starts at x,
// 2 ends at x (any other value centres). A code the font lacks is skipped.
void drawText(int16_t x, int16_t y, const char* text, uint8_t font, uint8_t align, uint8_t colour);
// The same for a fixed-size field that may be full without a terminator: reads at most
// fieldSize bytes.
void drawTextField(int16_t x, int16_t y, const char* text, size_t fieldSize, uint8_t font,
                   uint8_t align, uint8_t colour);

// Column fonts. A size other than 10, 12, 20, 30 draws nothing; a code outside the font draws
// nothing and advances one cell.
void drawColumnText(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t colour);
// Sizes 20 and 30 skip columns with x outside xMin..xMax and pixels with y outside yMin..yMax
// (both inclusive); sizes 10 and 12 ignore the window.
void drawColumnTextClipped(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t colour,
                           int16_t xMin, int16_t xMax, int16_t yMin, int16_t yMax);

// The digit drums of the airspeed and altitude readouts, white.
void drawRollerDigitsTall(int16_t x, int16_t y, const char* text);   // size 20, rows 102..170
void drawRollerDigits(int16_t x, int16_t y, const char* text);       // size 20, rows 120..152 on layout 0, else 123..149
void drawRollerDigitsLarge(int16_t x, int16_t y, const char* text);  // size 30, rows 120..152
// Tape scale labels in column font 12, only rows yMin..yMax.
void drawScaleLabelClipped(int16_t x, int16_t y, const char* text, uint8_t colour, int16_t yMin,
                           int16_t yMax);
// Heading tape label: font 9 centred on x, white, only columns 70..rightLimit - 20.
void drawTapeLabel(int16_t x, int16_t y, const char* text, int16_t rightLimit);

// Information text view: a picture from the card or up to 30 lines of 60 characters.
constexpr uint8_t infoMaxLines = 30;
constexpr uint8_t infoLineLength = 60;
extern uint8_t infoViewMode;                          // 0 nothing loaded, 1 picture in backgroundBuffer, 2 text lines
extern char infoLines[infoMaxLines][infoLineLength];  // NUL-terminated when shorter than 60 bytes
extern uint8_t infoLineCount;                         // lines loaded, 0..30
extern uint8_t infoCurrentLine;                       // highlighted line, 0..infoLineCount - 1

// The information layout's screen: the loaded picture or text, or its name when nothing is.
void drawInfoDisplay();
// Moves the highlighted line by one (+1 or -1), stopping at the first and last loaded lines.
void stepInfoLine(int8_t step);
