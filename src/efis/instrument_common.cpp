#include "efis/instrument_common.h"

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "records/records.h"

static uint8_t indexOr(uint8_t value, uint8_t count, uint8_t fallback) {
    return value < count ? value : fallback;
}

uint8_t speedUnitIndex() { return indexOr(unitSettings.speedUnit, 3, 0); }
uint8_t altitudeUnitIndex() { return indexOr(unitSettings.altitudeUnit, 2, 0); }
uint8_t pressureUnitIndex() { return indexOr(unitSettings.pressureUnit, 2, 0); }
uint8_t vsiUnitIndex() { return indexOr(unitSettings.vsiUnit, 2, 0); }
uint8_t vsiScaleIndex() { return indexOr(unitSettings.vsiScale, 3, 1); }
uint8_t cdiScaleIndex() { return indexOr(unitSettings.cdiScale, 4, 3); }
uint8_t compassTapeIndex() { return indexOr(unitSettings.compassTape, 3, 1); }

uint16_t asiSpanFloored() {
    uint16_t span = unitSettings.asiSpan;
    return span < 10 ? 10 : span;
}

uint8_t asiInViewFloored() {
    uint8_t inView = unitSettings.asiInView;
    return inView < 10 ? 10 : inView;
}

const char* speedUnitLabel() {
    static const char* const labels[3] = {"mph", "km/h", "kts"};
    return labels[speedUnitIndex()];
}

const char* altitudeUnitLabel() {
    static const char* const labels[2] = {"ft", "m"};
    return labels[altitudeUnitIndex()];
}

int16_t compassDegrees(int32_t a) {
    int32_t d = a % 360;
    if (d < 0) d += 360;
    return (int16_t)d;
}

int16_t clampToScreen(int32_t v) {
    // Far enough outside the screen that nothing drawn there shows, near enough that a line to
    // it stays short.
    if (v < -2048) return -2048;
    if (v > 2047) return 2047;
    return (int16_t)v;
}

int16_t radialX(int16_t cx, int32_t a, int32_t r) {
    return clampToScreen(cx + (int32_t)(lookupCos(compassDegrees(a)) * (float)r));
}

int16_t radialY(int16_t cy, int32_t a, int32_t r) {
    return clampToScreen(cy + (int32_t)(lookupSin(compassDegrees(a)) * (float)r));
}

void drawRadialLine(int16_t cx, int16_t cy, int32_t a, int32_t r0, int32_t r1, uint8_t colour) {
    drawLine(radialX(cx, a, r0), radialY(cy, a, r0), radialX(cx, a, r1), radialY(cy, a, r1), colour);
}

void drawRadialThickLine(int16_t cx, int16_t cy, int32_t a, int32_t r0, int32_t r1, uint8_t colour) {
    drawThickLine(radialX(cx, a, r0), radialY(cy, a, r0), radialX(cx, a, r1), radialY(cy, a, r1), colour);
}

void crossOut(int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
    drawThickLine(x0, y0, x1, y1, colourRed);
    drawThickLine(x0, y1, x1, y0, colourRed);
}
