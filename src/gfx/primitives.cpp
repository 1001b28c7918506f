#include "gfx/primitives.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

uint8_t frameBuffer[frameBufferSize];  // zero from program start: the panel is black before power-on

float sinTable[361];
float cosTable[361];
float sinTableNeg[361];
float cosTableNeg[361];

int16_t clipRight = screenWidth;
int16_t clippedLine[4];

void buildTrigTables() {
    for (int a = 0; a <= 360; a++) {
        double rad = a * 3.141592653589793 * (1.0 / 180.0);
        sinTable[a] = (float)std::sin(rad);
        cosTable[a] = (float)std::cos(rad);
    }
    for (int n = 0; n >= -360; n--) {
        double rad = n * 3.141592653589793 * (1.0 / 180.0);
        sinTableNeg[-n] = (float)std::sin(rad);
        cosTableNeg[-n] = (float)std::cos(rad);
    }
}

int16_t reduceDegrees(int32_t a) {
    if (a > 360 || a < -360) a %= 360;
    return (int16_t)a;
}

float lookupSin(int16_t a) {
    a = reduceDegrees(a);
    return a >= 0 ? sinTable[a] : sinTableNeg[-a];
}

float lookupCos(int16_t a) {
    a = reduceDegrees(a);
    return a >= 0 ? cosTable[a] : cosTableNeg[-a];
}

void putPixel(int16_t x, int16_t y, uint8_t colour) {
    if ((uint16_t)x < (uint16_t)screenWidth && (uint16_t)y < (uint16_t)screenHeight)
        frameBuffer[y * screenWidth + x] = colour;
}

static void plotThick(int16_t x, int16_t y, uint8_t colour) {
    putPixel(x, y, colour);
    putPixel(x - 1, y, colour);
    putPixel(x + 1, y, colour);
    putPixel(x, y - 1, colour);
    putPixel(x, y + 1, colour);
}

// Bresenham stepping shared by the thin and thick line; a tie steps the major axis only.
template <bool thick>
static void stepLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
    int32_t dx = std::abs((int32_t)x1 - x0);
    int32_t dy = std::abs((int32_t)y1 - y0);
    int32_t sx = x0 > x1 ? -1 : 1;
    int32_t sy = y0 > y1 ? -1 : 1;
    int32_t x = x0, y = y0;
    if (dx >= dy) {
        int32_t d = 2 * dy - dx;
        for (int32_t i = 0; i <= dx; i++) {
            if (thick) plotThick((int16_t)x, (int16_t)y, colour);
            else putPixel((int16_t)x, (int16_t)y, colour);
            if (d > 0) {
                x += sx;
                y += sy;
                d += 2 * dy - 2 * dx;
            } else {
                x += sx;
                d += 2 * dy;
            }
        }
    } else {
        int32_t d = 2 * dx - dy;
        for (int32_t i = 0; i <= dy; i++) {
            if (thick) plotThick((int16_t)x, (int16_t)y, colour);
            else putPixel((int16_t)x, (int16_t)y, colour);
            if (d > 0) {
                x += sx;
                y += sy;
                d += 2 * dx - 2 * dy;
            } else {
                y += sy;
                d += 2 * dx;
            }
        }
    }
}

void drawLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
    stepLine<false>(x0, y0, x1, y1, colour);
}

void drawThickLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
    stepLine<true>(x0, y0, x1, y1, colour);
}

// Spans are the one clipped path for every box shape: callers may hand in boxes that
// reach past the screen (text extents near an edge), so nothing is written outside it.
void drawHSpan(int16_t x0, int16_t x1, int16_t y, uint8_t colour) {
    if (x0 > x1 || y < 0 || y >= screenHeight) return;
    if (x0 < 0) x0 = 0;
    if (x1 >= screenWidth) x1 = screenWidth - 1;
    if (x0 > x1) return;
    std::memset(&frameBuffer[y * screenWidth + x0], colour, (size_t)(x1 - x0 + 1));
}

void drawVSpan(int16_t y0, int16_t y1, int16_t x, uint8_t colour) {
    if (y0 > y1 || x < 0 || x >= screenWidth) return;
    if (y0 < 0) y0 = 0;
    if (y1 >= screenHeight) y1 = screenHeight - 1;
    for (int32_t y = y0; y <= y1; y++) frameBuffer[y * screenWidth + x] = colour;
}

void drawFrame(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
    if (y0 == y1) return;
    drawVSpan(y0, y1, x0, colour);
    drawHSpan(x0, x1, y0, colour);
    drawVSpan(y0, y1, x1, colour);
    drawHSpan(x0, x1, y1, colour);
}

void fillBox(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
    if (y0 == y1) return;
    for (int32_t y = y0; y <= y1; y++) drawHSpan(x0, x1, (int16_t)y, colour);
}

void fillCheckered(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
    int32_t p = 0;
    for (int32_t y = y0; y <= y1; y++) {
        for (int32_t x = x0; x < x1; x += 2) {
            int32_t px = x + p;
            if (px >= 0 && px < screenWidth && y >= 0 && y < screenHeight)
                frameBuffer[y * screenWidth + px] = colour;
        }
        p = 1 - p;
    }
    drawFrame(x0, y0, x1, y1, 0);
}

uint8_t clipOutcode(int16_t x, int16_t y) {
    uint8_t code = 0;
    if (y >= screenHeight) code |= 1;
    else if (y < 0) code |= 2;
    if (x >= clipRight) code |= 4;
    else if (x < 0) code |= 8;
    return code;
}

uint8_t clipLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
    uint8_t c0 = clipOutcode(x0, y0);
    uint8_t c1 = clipOutcode(x1, y1);
    for (;;) {
        if ((c0 | c1) == 0) {
            clippedLine[0] = x0;
            clippedLine[1] = y0;
            clippedLine[2] = x1;
            clippedLine[3] = y1;
            return 1;
        }
        if (c0 & c1) {
            clippedLine[0] = clippedLine[1] = clippedLine[2] = clippedLine[3] = 0;
            return 0;
        }
        uint8_t c = c0 ? c0 : c1;
        // 64-bit intermediates: extreme endpoints overflow a 32-bit product.
        int64_t x, y;
        int64_t ddx = (int64_t)x1 - x0, ddy = (int64_t)y1 - y0;
        if (c & 1) {
            x = x0 + ddx * (screenHeight - y0) / ddy;
            y = screenHeight - 1;
        } else if (c & 2) {
            x = x0 + ddx * (0 - y0) / ddy;
            y = 0;
        } else if (c & 4) {
            y = y0 + ddy * (clipRight - x0) / ddx;
            x = clipRight - 1;
        } else {
            y = y0 + ddy * (0 - x0) / ddx;
            x = 0;
        }
        // A crossing far outside 16 bits is outside the screen anyway; keep it there.
        if (x > 32767) x = 32767;
        if (x < -32768) x = -32768;
        if (y > 32767) y = 32767;
        if (y < -32768) y = -32768;
        if (c == c0) {
            x0 = (int16_t)x;
            y0 = (int16_t)y;
            c0 = clipOutcode(x0, y0);
        } else {
            x1 = (int16_t)x;
            y1 = (int16_t)y;
            c1 = clipOutcode(x1, y1);
        }
    }
}

static void plotCirclePoints(int16_t cx, int16_t cy, int16_t x, int16_t y, uint8_t colour) {
    if (x == 0) {
        putPixel(cx, cy + y, colour);
        putPixel(cx, cy - y, colour);
        putPixel(cx + y, cy, colour);
        putPixel(cx - y, cy, colour);
    } else if (x == y) {
        putPixel(cx + x, cy + y, colour);
        putPixel(cx - x, cy + y, colour);
        putPixel(cx + x, cy - y, colour);
        putPixel(cx - x, cy - y, colour);
    } else if (x < y) {
        putPixel(cx + x, cy + y, colour);
        putPixel(cx - x, cy + y, colour);
        putPixel(cx + x, cy - y, colour);
        putPixel(cx - x, cy - y, colour);
        putPixel(cx + y, cy + x, colour);
        putPixel(cx - y, cy + x, colour);
        putPixel(cx + y, cy - x, colour);
        putPixel(cx - y, cy - x, colour);
    }
}

void drawCircle(int16_t cx, int16_t cy, int16_t r, uint8_t colour) {
    int16_t x = 0, y = r;
    int32_t p = (5 - 4 * (int32_t)r) / 4;
    plotCirclePoints(cx, cy, x, y, colour);
    while (x < y) {
        x++;
        if (p < 0) {
            p += 2 * x + 1;
        } else {
            y--;
            p += 2 * (x - y) + 1;
        }
        plotCirclePoints(cx, cy, x, y, colour);
    }
}

// The angle loops run while a < a1, so a0 >= a1 draws nothing.
void drawArcDots(int16_t cx, int16_t cy, int16_t r, int16_t a0, int16_t a1, uint8_t colour) {
    for (int32_t a = a0; a < a1; a++) {
        putPixel((int16_t)(cx + (int32_t)(lookupCos((int16_t)a) * r)),
                 (int16_t)(cy + (int32_t)(lookupSin((int16_t)a) * r)), colour);
    }
}

void drawArcDotsMirrored(int16_t cx, int16_t cy, int16_t r, int16_t a0, int16_t a1, uint8_t colour) {
    for (int32_t a = a0; a < a1; a++) {
        int16_t x = (int16_t)(cx - (int32_t)(lookupCos((int16_t)a) * r));
        int16_t y = (int16_t)(cy + (int32_t)(lookupSin((int16_t)a) * r));
        putPixel(x, y, colour);
        putPixel(x + 1, y, colour);
    }
}

static void radialTicks(int16_t cx, int16_t cy, int16_t length, int16_t r, int16_t a0, int16_t a1,
                        uint8_t colour, int32_t side) {
    for (int32_t a = a0; a < a1; a++) {
        float c = lookupCos((int16_t)a), s = lookupSin((int16_t)a);
        int16_t xo = (int16_t)(cx + side * (int32_t)(c * r));
        int16_t yo = (int16_t)(cy + (int32_t)(s * r));
        int16_t xi = (int16_t)(cx + side * (int32_t)(c * (r - length)));
        int16_t yi = (int16_t)(cy + (int32_t)(s * (r - length)));
        drawThickLine(xo, yo, xi, yi, colour);
        putPixel(xo, yo, colour);
    }
}

void drawRadialTicks(int16_t cx, int16_t cy, int16_t length, int16_t r, int16_t a0, int16_t a1,
                     uint8_t colour) {
    radialTicks(cx, cy, length, r, a0, a1, colour, 1);
}

void drawRadialTicksMirrored(int16_t cx, int16_t cy, int16_t length, int16_t r, int16_t a0, int16_t a1,
                             uint8_t colour) {
    radialTicks(cx, cy, length, r, a0, a1, colour, -1);
}

void fillScreen(uint8_t colour) { std::memset(frameBuffer, colour, sizeof frameBuffer); }
