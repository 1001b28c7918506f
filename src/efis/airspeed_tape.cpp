#include "efis/airspeed_tape.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/tick.h"
#include "host/unit.h"
#include "nav/gps_state.h"
#include "records/working_state.h"

namespace {

constexpr int32_t tapeTop = 26;      // first row of the tape
constexpr int32_t tapeBottom = 245;  // last row of the tape
constexpr int32_t centreRow = 136;   // the current speed's row

// Speed units per pixel: the 219-pixel tape shows asiInView percent of the span.
float unitsPerPixel() { return (float)asiSpanFloored() * (1.0f / 219.0f) * (float)asiInViewFloored() / 100.0f; }

// Pixel value of a speed, in 32 bits (a large span over few percent gives large values).
int32_t pixelOf(uint32_t v, float u) { return (int32_t)((float)v / u); }

// Screen row of a speed, limited to the tape.
int32_t rowOf(uint32_t v, float u, int32_t pi) {
    int32_t y = pi - pixelOf(v, u) + centreRow;
    if (y < tapeTop) y = tapeTop;
    if (y > tapeBottom) y = tapeBottom;
    return y;
}

// A band from the upper row to the lower one; nothing when they meet or cross.
void band(int16_t x0, int32_t upper, int32_t lower, uint8_t colour) {
    if (upper < lower) fillBox(x0, (int16_t)upper, 49, (int16_t)lower, colour);
}

void marker(uint16_t speed, const char* letter, float u, int32_t pi) {
    if (speed == 10) return;  // a V-speed left at its floor has no marker
    int32_t y = rowOf(speed, u, pi);
    if (y <= tapeTop || y >= 235) return;
    drawThickLine(40, (int16_t)y, 49, (int16_t)y, colourBlack);
    for (int32_t r = y - 6; r <= y + 6; r++) drawHSpan(31, 40, (int16_t)r, colourBlack);
    drawScaleLabelClipped(31, (int16_t)(y - 6), letter, colourMagenta, 27, 244);
}

bool wide() { return displayPage == 0; }

}  // namespace

void drawAirspeedBox(uint8_t fill) {
    int16_t right = wide() ? 120 : 102;
    int16_t top = wide() ? 119 : 122;
    int16_t bottom = wide() ? 153 : 150;
    for (int16_t y = top; y <= 129; y++) drawHSpan(51, right, y, fill);
    for (int16_t y = 143; y <= bottom; y++) drawHSpan(51, right, y, fill);
    for (int16_t i = 0; i <= 6; i++) {
        drawHSpan((int16_t)(44 + i), right, (int16_t)(136 - i), fill);
        drawHSpan((int16_t)(44 + i), right, (int16_t)(136 + i), fill);
    }
    int16_t edge = (int16_t)(right + 1);
    drawHSpan(50, edge, (int16_t)(top - 1), colourWhite);
    drawHSpan(50, edge, (int16_t)(bottom + 1), colourWhite);
    drawVSpan(top, bottom, edge, colourWhite);
    drawVSpan(top, 128, 50, colourWhite);
    drawVSpan(144, bottom, 50, colourWhite);
    drawLine(43, 136, 50, 129, colourWhite);
    drawLine(43, 136, 50, 143, colourWhite);
}

void drawAirspeedTape() {
    fillCheckered(0, tapeTop, 40, tapeBottom, colourBlack);

    float u = unitsPerPixel();
    uint16_t ias = indicatedAirspeed;
    int32_t pi = pixelOf(ias, u);

    // Bands, each from its upper row down to its lower row.
    int32_t yVs0 = rowOf(unitSettings.vs0, u, pi);
    int32_t yVs1 = rowOf(unitSettings.vs1, u, pi);
    int32_t yVfe = rowOf(unitSettings.vfe, u, pi);
    int32_t yVno = rowOf(unitSettings.vno, u, pi);
    int32_t yVne = rowOf(unitSettings.vne, u, pi);
    band(40, yVs0, tapeBottom, colourRed);
    band(40, yVno, yVs1, colourGreen);
    band(40, yVne, yVno, colourYellow);
    band(40, tapeTop, yVne, colourRed);
    band(40, yVs1, yVs0, colourWhite);
    band(44, yVfe, yVs1, colourWhite);

    // Scale: a tick every 5 units, a long one with its label every 10.
    uint32_t span = asiSpanFloored();
    char label[12];
    // Start just below the first speed whose row is on the tape (w > 10, t > (Pi - 114) u).
    float firstVisible = (float)(pi - 114) * u;
    uint32_t first = firstVisible >= 10.0f ? (uint32_t)(firstVisible / 5.0f) * 5 - 5 : 0;
    for (uint32_t t = first; t <= span; t += 5) {
        int32_t w = (int32_t)((float)t / u + 124.0f - (float)pi);
        if (w >= 260) break;
        if (w <= 10) continue;
        bool onTape = w >= 15 && w <= 234;
        if (t % 10 == 0) {
            if (onTape) drawHSpan(35, 49, (int16_t)(260 - w), colourWhite);
            std::snprintf(label, sizeof label, "%3u", (unsigned)t);
            drawScaleLabelClipped(3, (int16_t)(254 - w), label, colourWhite, 27, 244);
        } else if (onTape) {
            drawHSpan(38, 49, (int16_t)(260 - w), colourWhite);
        }
    }

    marker(unitSettings.vx, "X", u, pi);
    marker(unitSettings.vy, "Y", u, pi);

    // Number box: red and flashing beyond Vne or below Vs1 in flight, yellow above Vno.
    uint8_t fill = colourBlack, text = colourWhite;
    if (ias > unitSettings.vne || (ias < unitSettings.vs1 && flightActive == 1)) {
        fill = fastBlink == 1 ? colourRed : colourBlack;
    } else if (ias > unitSettings.vno) {
        fill = colourYellow;
        text = colourBlack;
    }
    drawAirspeedBox(fill);
    char value[12];
    std::snprintf(value, sizeof value, "%3u", (unsigned)ias);
    if (wide()) drawColumnText(53, 122, value, 30, text);
    else drawColumnText(53, 127, value, 20, text);
    drawText(85, 155, speedUnitLabel(), 8, 0, colourWhite);

    if (asiSensorStatus == 0) {
        if (wide()) crossOut(50, 119, 121, 153);
        else crossOut(51, 122, 102, 150);
    }
}

void drawTasBox() {
    drawFrame(0, 251, 66, 271, colourWhite);
    fillBox(1, 252, 65, 270, colourBlack);
    drawText(3, 254, "TAS", 8, 1, colourWhite);
    char value[12];
    std::snprintf(value, sizeof value, "%d", (int)trueAirspeed);
    drawText(64, 253, value, 9, 2, colourWhite);
}

void drawGroundSpeedBox() {
    drawFrame(0, 0, 60, 20, colourWhite);
    fillBox(1, 1, 59, 19, colourBlack);
    drawText(3, 3, "GS", 8, 1, colourWhite);
    char value[12];
    if (gpsPositionValid == 1) std::snprintf(value, sizeof value, "%3d", (int)groundSpeed);
    else std::snprintf(value, sizeof value, "---");
    drawColumnText(29, 4, value, 12, colourWhite);
}
