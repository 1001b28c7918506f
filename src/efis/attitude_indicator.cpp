#include "efis/attitude_indicator.h"

#include <cmath>
#include <initializer_list>

#include "airdata/airdata.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/unit.h"
#include "records/records.h"
#include "ui/page.h"

// Reserved once for the program: the trace never needs more than one point per column.
uint16_t horizonX[horizonTraceSize];
uint16_t horizonY[horizonTraceSize];
uint16_t horizonCount;
uint8_t attitudeExceeded;

namespace {

constexpr int16_t bottomRow = screenHeight - 1;
constexpr uint8_t skyColour = colourBlue;
constexpr uint8_t noAttitudeColour = colourDarkGrey;
constexpr uint8_t turnBarColour = colourMagenta;

constexpr uint8_t sourceGpsFlightPath = 1;
constexpr uint8_t sourceNone = 2;

uint8_t groundColour() { return unitSettings.groundColor == 0 ? colourBrown : colourDarkGreen; }

// Beyond +-90 degrees the horizon and every rung lie off the screen, so the picture is the
// same as at +-90; clamping keeps 4 x pitch and the rung offsets well inside 16 bits.
int16_t boundedPitch() {
    int16_t p = pitchAngle;
    if (p > 90) p = 90;
    if (p < -90) p = -90;
    return p;
}

// Any bank maps to the same picture as its value within -180..180.
int16_t boundedBank() {
    int32_t b = bankAngle;
    if (b > 180 || b < -180) {
        b %= 360;
        if (b > 180) b -= 360;
        if (b < -180) b += 360;
    }
    return (int16_t)b;
}

int16_t truncToScreen(float v) {
    if (v > 32767.0f) return 32767;
    if (v < -32768.0f) return -32768;
    return (int16_t)v;
}

// Stores the pixels of the line with the same stepping as drawLine, at most horizonTraceSize.
void traceHorizon(int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
    int32_t dx = x1 > x0 ? x1 - x0 : x0 - x1;
    int32_t dy = y1 > y0 ? y1 - y0 : y0 - y1;
    int32_t sx = x0 > x1 ? -1 : 1;
    int32_t sy = y0 > y1 ? -1 : 1;
    int32_t x = x0, y = y0;
    int32_t steps = (dx >= dy ? dx : dy) + 1;
    if (steps > horizonTraceSize) steps = horizonTraceSize;
    int32_t d = dx >= dy ? 2 * dy - dx : 2 * dx - dy;
    for (int32_t i = 0; i < steps; i++) {
        horizonX[i] = (uint16_t)x;
        horizonY[i] = (uint16_t)y;
        if (dx >= dy) {
            if (d > 0) {
                y += sy;
                d += 2 * dy - 2 * dx;
            } else {
                d += 2 * dy;
            }
            x += sx;
        } else {
            if (d > 0) {
                x += sx;
                d += 2 * dx - 2 * dy;
            } else {
                d += 2 * dx;
            }
            y += sy;
        }
    }
    horizonCount = (uint16_t)steps;
}

// How each traced point paints its column or row: the span before the point, the span after.
enum class Sweep : uint8_t { Columns, Rows };

struct FillRule {
    Sweep sweep;
    bool skyFirst;  // columns: rows 0..y sky (else ground); rows: columns 0..x sky (else ground)
};

// The column sweep painted row by row, pixel for pixel the same: each traced column takes
// `before` on rows 0..y and `after` below, y being the last point traced in it. The trace is a
// straight line, so its columns are contiguous and y is monotone along them, and each row splits
// into one run of each colour. Rows of memset are several times faster than columns of stores a
// row apart, and the horizon is the largest area of the EFIS frame.
void fillColumnsByRows(uint8_t before, uint8_t after) {
    static int16_t lastY[screenWidth];  // row of the last traced point of each column
    int16_t xMin = screenWidth, xMax = -1;
    for (uint16_t i = 0; i < horizonCount; i++) {
        int16_t x = (int16_t)horizonX[i];
        if (x >= screenWidth) continue;
        lastY[x] = (int16_t)horizonY[i];
        if (x < xMin) xMin = x;
        if (x > xMax) xMax = x;
    }
    if (xMax < 0) return;
    const bool rising = lastY[xMin] <= lastY[xMax];  // rows grow to the right
    int16_t split = rising ? xMin : xMax;             // first (rising) or last column still `before`
    for (int16_t r = 0; r <= bottomRow; r++) {
        if (rising) {
            while (split <= xMax && lastY[split] < r) split++;
            drawHSpan(xMin, (int16_t)(split - 1), r, after);
            drawHSpan(split, xMax, r, before);
        } else {
            while (split >= xMin && lastY[split] < r) split--;
            drawHSpan(xMin, split, r, before);
            drawHSpan((int16_t)(split + 1), xMax, r, after);
        }
    }
}

void fillFromTrace(FillRule rule, int16_t w, uint8_t ground) {
    uint8_t before = rule.skyFirst ? skyColour : ground;
    uint8_t after = rule.skyFirst ? ground : skyColour;
    if (rule.sweep == Sweep::Columns) {
        fillColumnsByRows(before, after);
        return;
    }
    for (uint16_t i = 0; i < horizonCount; i++) {
        int16_t x = (int16_t)horizonX[i];
        int16_t y = (int16_t)horizonY[i];
        drawHSpan(x, w, y, after);
        drawHSpan(0, x, y, before);
    }
}

void fillColumns(int16_t x0, int16_t x1, uint8_t colour) {
    for (int16_t x = x0; x <= x1; x++) drawVSpan(0, bottomRow, x, colour);
}

void fillRows(int16_t y0, int16_t y1, int16_t w, uint8_t colour) {
    for (int16_t y = y0; y <= y1; y++) drawHSpan(0, w, y, colour);
}

// Fills the window on both sides of the traced horizon from where its clipped ends lie;
// returns false when the ends match no rule (the caller then fills by the centre's side).
bool fillHorizonSides(int16_t x0, int16_t y0, int16_t x1, int16_t y1, int16_t w, uint8_t ground) {
    const uint16_t last = (uint16_t)(horizonCount - 1);
    const int16_t yFirst = (int16_t)horizonY[0], yLast = (int16_t)horizonY[last];
    const int16_t xFirst = (int16_t)horizonX[0], xLast = (int16_t)horizonX[last];
    if (x0 == 0 && x1 == w) {
        fillFromTrace({Sweep::Columns, true}, w, ground);
    } else if (x0 == w && x1 == 0) {
        fillFromTrace({Sweep::Columns, false}, w, ground);
    } else if (y0 == 0 && y1 == bottomRow) {
        fillFromTrace({Sweep::Rows, false}, w, ground);
    } else if (y0 == bottomRow && y1 == 0) {
        fillFromTrace({Sweep::Rows, true}, w, ground);
    } else if (x1 == 0 && y0 == bottomRow) {
        fillFromTrace({Sweep::Columns, false}, w, ground);
        fillColumns(xFirst, w, ground);
    } else if (x0 == 0 && y1 == bottomRow) {
        fillFromTrace({Sweep::Columns, true}, w, ground);
        fillColumns(xLast, w, skyColour);
    } else if (x1 == w && y0 == bottomRow) {
        fillFromTrace({Sweep::Rows, true}, w, ground);
        fillRows(0, (int16_t)(yLast - 1), w, skyColour);
    } else if (x0 == w && y1 == bottomRow) {
        fillFromTrace({Sweep::Rows, false}, w, ground);
        fillRows(0, (int16_t)(yFirst - 1), w, ground);
    } else if (x0 == 0 && y1 == 0) {
        fillFromTrace({Sweep::Rows, true}, w, ground);
        if (yFirst > 0) fillRows(yFirst, bottomRow, w, ground);
    } else if (x1 == 0 && y0 == 0) {
        fillFromTrace({Sweep::Rows, false}, w, ground);
        if (yLast < bottomRow) fillRows(yLast, bottomRow, w, skyColour);
    } else if (y1 == 0 && x0 == w) {
        fillFromTrace({Sweep::Rows, true}, w, ground);
        fillRows(yFirst, bottomRow, w, skyColour);
    } else if (y0 == 0 && x1 == w) {
        fillFromTrace({Sweep::Rows, false}, w, ground);
        if (yLast > 0) fillRows(yLast, bottomRow, w, ground);
    } else {
        return false;
    }
    return true;
}

// A horizon lying along one window edge without spanning it, or touching only a corner, has
// no inside to fill from: the whole window is then on the centre's side, like a missed clip.
bool degenerateClip(int16_t x0, int16_t y0, int16_t x1, int16_t y1, int16_t w) {
    bool spansWidth = (x0 == 0 && x1 == w) || (x0 == w && x1 == 0);
    bool spansHeight = (y0 == 0 && y1 == bottomRow) || (y0 == bottomRow && y1 == 0);
    return (y0 == y1 && !spansWidth) || (x0 == x1 && !spansHeight);
}

void fillByCentreSide(uint8_t ground) { fillScreen(pitchAngle < 0 ? ground : skyColour); }

// Triangle outline through three points; x + 1 centres it on the scale's zero line.
void drawPointerOutline(ScreenPoint a, ScreenPoint b, ScreenPoint c) {
    drawLine((int16_t)(a.x + 1), a.y, (int16_t)(b.x + 1), b.y, colourWhite);
    drawLine((int16_t)(b.x + 1), b.y, (int16_t)(c.x + 1), c.y, colourWhite);
    drawLine((int16_t)(c.x + 1), c.y, (int16_t)(a.x + 1), a.y, colourWhite);
}

ScreenPoint pointAt(int16_t cx, int16_t r, int16_t angle) {
    float px = (float)cx + (float)r * lookupCos(angle);
    float py = (float)attitudeCentreY + (float)r * lookupSin(angle);
    return {truncToScreen(px), truncToScreen(py)};
}

// The bank-scale ticks at 10, 20, 30, 45 and 60 degrees, right side then left; x relative to cx.
struct Segment {
    int16_t x0, y0, x1, y1;  // pixels
};
constexpr Segment bankTicks[] = {
    {14, 62, 13, 67},   {26, 65, 24, 70},   {41, 65, 35, 75},   {54, 82, 50, 86},   {71, 95, 61, 100},
    {-14, 62, -13, 67}, {-26, 65, -24, 70}, {-41, 65, -36, 75}, {-54, 82, -50, 86}, {-71, 95, -61, 101},
};

// A solid shape as one span per row, relative to cx: the zero-index triangle and the side bars.
struct RowSpan {
    int16_t left, right;  // pixels from cx, inclusive
};
struct SolidShape {
    int16_t top;  // first row
    const RowSpan* rows;
    int16_t rowCount;
};

constexpr RowSpan zeroIndexRows[] = {{-4, 4}, {-3, 3}, {-3, 3}, {-2, 2}, {-2, 2}, {-1, 1}, {-1, 1}};
constexpr RowSpan leftBarRows[] = {{-96, -71}, {-97, -70}, {-96, -71}};
constexpr RowSpan rightBarRows[] = {{71, 96}, {70, 97}, {71, 96}};
constexpr SolidShape solidShapes[] = {
    {48, zeroIndexRows, 7}, {135, leftBarRows, 3}, {135, rightBarRows, 3}};

bool insideShape(const SolidShape& shape, int16_t dx, int16_t y) {
    int16_t row = (int16_t)(y - shape.top);
    if (row < 0 || row >= shape.rowCount) return false;
    return dx >= shape.rows[row].left && dx <= shape.rows[row].right;
}

// The shape turned by the angle with cosine c and sine s about (cx, 136): every pixel of the
// turned bounding box whose centre, turned back, falls on a pixel of the shape. Turning the rows
// one by one as segments would leave holes between them at some angles. Unturned (c 1, s 0)
// these are exactly the shape's row spans.
void drawSolidShape(int16_t cx, const SolidShape& shape, float c, float s) {
    int16_t minX = 32767, maxX = -32768, minY = 32767, maxY = -32768;
    for (int16_t row = 0; row < shape.rowCount; row++) {
        const RowSpan& span = shape.rows[row];
        int16_t y = (int16_t)(shape.top + row - attitudeCentreY);
        for (int16_t x : {span.left, span.right}) {
            ScreenPoint p = rotatePoint(x, y, c, s);
            if (p.x < minX) minX = p.x;
            if (p.x > maxX) maxX = p.x;
            if (p.y < minY) minY = p.y;
            if (p.y > maxY) maxY = p.y;
        }
    }
    for (int16_t ry = (int16_t)(minY - 1); ry <= maxY + 1; ry++) {
        for (int16_t rx = (int16_t)(minX - 1); rx <= maxX + 1; rx++) {
            float sx = (float)rx * c + (float)ry * s;
            float sy = (float)ry * c - (float)rx * s;
            int16_t ix = (int16_t)std::floor(sx + 0.5f), iy = (int16_t)std::floor(sy + 0.5f);
            if (!insideShape(shape, ix, (int16_t)(iy + attitudeCentreY))) continue;
            int16_t x = (int16_t)(cx + rx), y = (int16_t)(attitudeCentreY + ry);
            if (x < clipRight) putPixel(x, y, colourWhite);
        }
    }
}

// Draws the common parts of the bank scale, turned by the angle with cosine c and sine s; the
// lines go through the given segment routine.
template <typename DrawSegment>
void drawBankScaleParts(int16_t cx, float c, float s, DrawSegment segment) {
    for (const SolidShape& shape : solidShapes) drawSolidShape(cx, shape, c, s);
    segment(cx, 53, cx, 66);
    for (const Segment& t : bankTicks)
        segment((int16_t)(cx + t.x0), t.y0, (int16_t)(cx + t.x1), t.y1);
}

struct Span {
    int8_t left0, right0;  // first span relative to cx (a single span when right0 < left0)
    int8_t left1, right1;  // second span, mirrored on the other side of the ring
};

// Rows 124..136 of the ring and wings; rows 137..148 mirror them about row 136.
constexpr Span symbolRows[] = {
    {-3, 3, 0, -1},     {-5, 5, 0, -1},     {-7, 7, 0, -1},    {-8, 8, 0, -1},   {-9, 9, 0, -1},
    {-10, -3, 3, 10},   {-10, -4, 4, 10},   {-11, -6, 6, 11},  {-11, -7, 7, 11}, {-12, -7, 7, 12},
    {-38, -8, 8, 38},   {-39, -8, 8, 39},   {-40, -8, 8, 40},
};

void drawSymbolRow(int16_t cx, int16_t y, const Span& s) {
    drawHSpan((int16_t)(cx + s.left0), (int16_t)(cx + s.right0), y, colourWhite);
    if (s.right1 >= s.left1) drawHSpan((int16_t)(cx + s.left1), (int16_t)(cx + s.right1), y, colourWhite);
}

// Ball rows 253..269: the black fill's half width and the white outline's pixels.
struct BallRow {
    int8_t fillHalf;     // black span e-h..e+h, none when negative
    int8_t outline[4];   // white pixel offsets from e, 0 ends the list (row 253/269: a span)
};

constexpr BallRow ballRows[] = {
    {-1, {0}},          {2, {-4, -3, 3, 4}}, {4, {-5, 5}},  {5, {-6, 6}},  {6, {-7, 7}},
    {6, {-7, 7}},       {7, {-8, 8}},        {7, {-8, 8}},  {7, {-8, 8}},  {7, {-8, 8}},
    {7, {-8, 8}},       {6, {-7, 7}},        {6, {-7, 7}},  {5, {-6, 6}},  {4, {-5, 5}},
    {2, {-4, -3, 3, 4}}, {-1, {0}},
};

}  // namespace

ScreenPoint rotatePoint(int16_t x, int16_t y, float c, float s) {
    float fx = (float)x, fy = (float)y;
    return {truncToScreen(fx * c - fy * s), truncToScreen(fx * s + fy * c)};
}

void drawHorizon(int16_t cx, int16_t w) {
    if (w < 0) w = 0;
    if (w > screenWidth - 1) w = screenWidth - 1;
    clipRight = (int16_t)(w + 1);
    const uint8_t ground = groundColour();
    int16_t bank = boundedBank();
    float c = lookupCos(bank), s = lookupSin(bank);
    int16_t offset = (int16_t)(4 * boundedPitch());
    ScreenPoint p0 = rotatePoint(-300, offset, c, s);
    ScreenPoint p1 = rotatePoint(300, offset, c, s);
    horizonCount = 0;
    if (!clipLine((int16_t)(p0.x + cx), (int16_t)(p0.y + attitudeCentreY), (int16_t)(p1.x + cx),
                  (int16_t)(p1.y + attitudeCentreY))) {
        fillByCentreSide(ground);
        return;
    }
    const int16_t x0 = clippedLine[0], y0 = clippedLine[1], x1 = clippedLine[2], y1 = clippedLine[3];
    traceHorizon(x0, y0, x1, y1);
    if (degenerateClip(x0, y0, x1, y1, w) || !fillHorizonSides(x0, y0, x1, y1, w, ground))
        fillByCentreSide(ground);
    drawLine(x0, y0, x1, y1, colourWhite);
}

void drawPitchLadder(int16_t cx) {
    static const int16_t marks[] = {-20, -15, -10, -5, 5, 10, 15, 20};
    int16_t bank = boundedBank();
    float c = lookupCos(bank), s = lookupSin(bank);
    int16_t pitch = boundedPitch();
    for (int16_t m : marks) {
        bool longRung = m % 10 == 0;
        int16_t half = longRung ? 40 : 20;
        int16_t d = (int16_t)(4 * m + 4 * pitch);
        ScreenPoint a = rotatePoint((int16_t)-half, d, c, s);
        ScreenPoint b = rotatePoint(half, d, c, s);
        if (!clipLine((int16_t)(a.x + cx), (int16_t)(a.y + attitudeCentreY), (int16_t)(b.x + cx),
                      (int16_t)(b.y + attitudeCentreY)))
            continue;
        // Both ends are kept now: clipping the first tick overwrites clippedLine.
        const ScreenPoint ends[2] = {{clippedLine[0], clippedLine[1]}, {clippedLine[2], clippedLine[3]}};
        drawLine(ends[0].x, ends[0].y, ends[1].x, ends[1].y, colourWhite);
        if (!longRung) continue;
        int16_t a90 = reduceDegrees(m < 0 ? bank + 90 : bank - 90);
        float tc = lookupCos(a90), ts = lookupSin(a90);
        for (const ScreenPoint& e : ends) {
            int16_t tx = truncToScreen((float)e.x + 10.0f * tc);
            int16_t ty = truncToScreen((float)e.y + 10.0f * ts);
            if (clipLine(e.x, e.y, tx, ty))
                drawLine(clippedLine[0], clippedLine[1], clippedLine[2], clippedLine[3], colourWhite);
        }
    }
}

void drawBankScaleFixed(int16_t cx) {
    drawBankScaleParts(cx, 1.0f, 0.0f, [](int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
        drawLine(x0, y0, x1, y1, colourWhite);
    });
    int16_t bank = boundedBank();
    int16_t e = (int16_t)(bank >= 0 ? bank + 270 : bank + 269);
    if (e > 359) e = (int16_t)(e - 359);
    int16_t right = (int16_t)(e + 4);
    if (right > 359) right = (int16_t)(right - 359);
    int16_t left = (int16_t)(right - 8);
    if (left < 0) left = (int16_t)(left + 359);
    drawPointerOutline(pointAt(cx, 68, e), pointAt(cx, 60, right), pointAt(cx, 60, left));
}

void drawRotatedSegment(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour, int16_t cx) {
    int16_t bank = boundedBank();
    float c = lookupCos(bank), s = lookupSin(bank);
    ScreenPoint a = rotatePoint((int16_t)(x0 - cx), (int16_t)(y0 - attitudeCentreY), c, s);
    ScreenPoint b = rotatePoint((int16_t)(x1 - cx), (int16_t)(y1 - attitudeCentreY), c, s);
    if (clipLine((int16_t)(a.x + cx), (int16_t)(a.y + attitudeCentreY), (int16_t)(b.x + cx),
                 (int16_t)(b.y + attitudeCentreY)))
        drawLine(clippedLine[0], clippedLine[1], clippedLine[2], clippedLine[3], colour);
}

void drawBankScaleMoving(int16_t cx) {
    int16_t bank = boundedBank();
    drawBankScaleParts(cx, lookupCos(bank), lookupSin(bank), [cx](int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
        drawRotatedSegment(x0, y0, x1, y1, colourWhite, cx);
    });
    drawLine((int16_t)(cx - 4), 76, (int16_t)(cx + 4), 76, colourWhite);
    drawLine(cx, 68, (int16_t)(cx + 4), 76, colourWhite);
    drawLine((int16_t)(cx - 4), 76, cx, 68, colourWhite);
}

void drawAircraftSymbol(int16_t cx) {
    for (int16_t i = 0; i < 13; i++) {
        drawSymbolRow(cx, (int16_t)(124 + i), symbolRows[i]);
        if (i < 12) drawSymbolRow(cx, (int16_t)(148 - i), symbolRows[i]);
    }
    drawVSpan(109, 124, (int16_t)(cx - 2), colourWhite);
    drawVSpan(109, 124, (int16_t)(cx + 2), colourWhite);
    drawVSpan(108, 124, (int16_t)(cx - 1), colourWhite);
    drawVSpan(108, 124, (int16_t)(cx + 1), colourWhite);
    drawVSpan(107, 124, cx, colourWhite);
}

void drawSlipBall(int16_t cx) {
    // 32 bits: the difference of two 16-bit values and its double overflow 16 bits.
    int32_t b = (int32_t)slipValue - (int32_t)unitSettings.slipZero;
    if (unitSettings.slipSensitivity == 1) b *= 2;
    int32_t limit = (displayPage == 3 || displayPage == 4) ? 70 : 150;
    if (b > limit) b = limit;
    if (b < -limit) b = -limit;
    int16_t e = (int16_t)(cx + b);
    for (int16_t i = 0; i < 17; i++) {
        const BallRow& row = ballRows[i];
        int16_t y = (int16_t)(253 + i);
        if (row.fillHalf >= 0) drawHSpan((int16_t)(e - row.fillHalf), (int16_t)(e + row.fillHalf), y, colourBlack);
        if (row.fillHalf < 0) {
            drawHSpan((int16_t)(e - 2), (int16_t)(e + 2), y, colourWhite);
            continue;
        }
        for (int8_t dxo : row.outline)
            if (dxo != 0) putPixel((int16_t)(e + dxo), y, colourWhite);
    }
    for (int16_t x : {(int16_t)(cx - 11), (int16_t)(cx - 10), (int16_t)(cx + 10), (int16_t)(cx + 11)})
        drawVSpan(251, bottomRow, x, colourWhite);
}

void drawTurnRate(int16_t cx, int16_t y) {
    int32_t t = 2 * (int32_t)turnRate;
    if (t > 70) t = 70;
    if (t < -70) t = -70;
    int16_t length = (int16_t)(t < 0 ? -t : t);
    int16_t step = turnRate < 0 ? -1 : 1;
    for (int16_t i = 0; i < length; i++) drawVSpan(y, (int16_t)(y + 9), (int16_t)(cx + step * i), turnBarColour);
    for (int16_t x = (int16_t)(cx - 1); x <= cx + 1; x++) drawVSpan(y, (int16_t)(y + 9), x, turnBarColour);
    for (int16_t x : {(int16_t)(cx - 60), (int16_t)(cx - 59), (int16_t)(cx + 59), (int16_t)(cx + 60)})
        drawVSpan(y, (int16_t)(y + 9), x, colourWhite);
}

void drawGpsFlightPathNote(int16_t cx) {
    drawText(cx, 77, "GPS FLIGHT PATH", 8, alignCentre, colourRed);
    drawText(cx, 90, "NO ATTITUDE", 8, alignCentre, colourRed);
}

void drawAttitudeFailures(int16_t cx) {
    if (unitSettings.attitudeSource == sourceNone) return;
    if (ahrsPresent == 0) {
        int16_t b = displayPage == 0 ? 190 : 120;
        drawThickLine((int16_t)(b - 5), 91, (int16_t)(b + 105), 181, colourRed);
        drawThickLine((int16_t)(b - 5), 181, (int16_t)(b + 105), 91, colourRed);
        if (unitSettings.turnRateIndicator != 0) {
            drawThickLine(b, 35, (int16_t)(b + 100), 44, colourRed);
            drawThickLine(b, 44, (int16_t)(b + 100), 35, colourRed);
        }
    } else if (attitudeExceeded) {
        drawFrame((int16_t)(cx - 64), 113, (int16_t)(cx + 64), 159, colourWhite);
        fillBox((int16_t)(cx - 63), 114, (int16_t)(cx + 63), 158, colourRed);
        drawText(cx, 115, "ATTITUDE", 12, alignCentre, colourWhite);
        drawText(cx, 136, "EXCEEDED", 12, alignCentre, colourWhite);
    }
}

void drawAttitudeIndicator(int16_t cx, int16_t w) {
    const uint8_t source = unitSettings.attitudeSource;
    if (source == sourceNone) {
        fillScreen(noAttitudeColour);
        return;
    }
    drawHorizon(cx, w);
    if (unitSettings.pitchMarkers != 0) drawPitchLadder(cx);
    if (unitSettings.bankIndicator != 0) {
        if (unitSettings.bankIndicatorType == 0) drawBankScaleFixed(cx);
        else drawBankScaleMoving(cx);
    }
    if (source == sourceGpsFlightPath) drawGpsFlightPathNote(cx);
    drawAircraftSymbol(cx);
    // Any other value of the source reads as the attitude sensor, its default.
    if (unitSettings.slipBallDisplay != 0 && source != sourceGpsFlightPath) drawSlipBall(cx);
    if (unitSettings.turnRateIndicator != 0) drawTurnRate(cx, 35);
}
