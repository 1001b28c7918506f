// Frame buffer and the drawing primitives every screen is built from.
#pragma once
#include <cstdint>

constexpr int16_t screenWidth = 480;   // pixels
constexpr int16_t screenHeight = 272;  // pixels
constexpr int32_t frameBufferSize = screenWidth * screenHeight;

extern uint8_t frameBuffer[frameBufferSize];  // palette index per pixel, row-major

extern float sinTable[361];     // sin(a degrees), a = 0..360
extern float cosTable[361];     // cos(a degrees), a = 0..360
extern float sinTableNeg[361];  // sin(-k degrees), k = 0..360
extern float cosTableNeg[361];  // cos(-k degrees), k = 0..360

extern int16_t clipRight;       // right clip limit for clipLine, exclusive (pixels)
extern int16_t clippedLine[4];  // x0, y0, x1, y1 of the last clipLine call

void buildTrigTables();
float lookupSin(int16_t a);
float lookupCos(int16_t a);
// Reduces any angle into -360..360 (degrees), keeping its direction.
int16_t reduceDegrees(int32_t a);

void putPixel(int16_t x, int16_t y, uint8_t colour);
void drawLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void drawThickLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void drawHSpan(int16_t x0, int16_t x1, int16_t y, uint8_t colour);
void drawVSpan(int16_t y0, int16_t y1, int16_t x, uint8_t colour);
void drawFrame(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void fillBox(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void fillCheckered(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);

uint8_t clipOutcode(int16_t x, int16_t y);
uint8_t clipLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1);

void drawCircle(int16_t cx, int16_t cy, int16_t r, uint8_t colour);
void drawArcDots(int16_t cx, int16_t cy, int16_t r, int16_t a0, int16_t a1, uint8_t colour);
void drawArcDotsMirrored(int16_t cx, int16_t cy, int16_t r, int16_t a0, int16_t a1, uint8_t colour);
void drawRadialTicks(int16_t cx, int16_t cy, int16_t length, int16_t r, int16_t a0, int16_t a1,
                     uint8_t colour);
void drawRadialTicksMirrored(int16_t cx, int16_t cy, int16_t length, int16_t r, int16_t a0, int16_t a1,
                             uint8_t colour);
void fillScreen(uint8_t colour);
