#include "efis/airspeed_dial.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/dial_parts.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/tick.h"
#include "host/unit.h"
#include "records/records.h"

namespace {

constexpr int32_t dialEnd = 340;  // the scale ends 20 degrees short of a full turn

// Dial angle of a speed, limited to the scale; k is speed units per degree.
int32_t angleOf(uint32_t v, float k) {
    float a = (float)v / k;
    if (a >= (float)dialEnd) return dialEnd;
    return a < 0 ? 0 : (int32_t)a;
}

void band(int16_t cx, int16_t cy, int16_t depth, int32_t a0, int32_t a1, uint8_t colour) {
    drawDialBand(cx, cy, 64, depth, a0, a1, -90, colour);
}

struct ScaleLabel {
    int16_t g;       // dial angle
    int16_t dx, dy;  // offset of the text from the centre
    uint8_t align;
};
constexpr ScaleLabel scaleLabels[8] = {
    {40, 39, -41, 2},  {80, 54, -15, 2},  {120, 49, 14, 2},  {160, 30, 35, 2},
    {200, -25, 35, 1}, {240, -47, 14, 1}, {280, -52, -15, 1}, {320, -40, -41, 1},
};

}  // namespace

void drawAsiDial(int16_t cx, int16_t cy) {
    uint16_t span = asiSpanFloored();
    float k = (float)span / 330.0f;  // speed units per degree
    int32_t aVs0 = angleOf(unitSettings.vs0, k);
    int32_t aVs1 = angleOf(unitSettings.vs1, k);
    int32_t aVfe = angleOf(unitSettings.vfe, k);
    int32_t aVno = angleOf(unitSettings.vno, k);
    int32_t aVne = angleOf(unitSettings.vne, k);
    band(cx, cy, 7, 0, aVs0, colourRed);
    band(cx, cy, 7, aVs0, aVs1, colourWhite);
    band(cx, cy, 7, aVs1, aVno, colourGreen);
    band(cx, cy, 7, aVno, aVne, colourYellow);
    band(cx, cy, 7, aVne, dialEnd, colourRed);
    band(cx, cy, 2, aVs0, aVfe, colourWhite);

    drawDialFace(cx, cy, 65, "ASI");
    drawText((int16_t)(cx + 48), (int16_t)(cy + 72), speedUnitLabel(), 8, 0, colourLightGrey);

    char text[16];
    for (const ScaleLabel& l : scaleLabels) {
        int32_t v = (int32_t)span * l.g / 330;
        int32_t rest = v % 10;
        v = v - rest + (rest > 4 ? 10 : 0);
        std::snprintf(text, sizeof text, "%d", (int)v);
        drawText((int16_t)(cx + l.dx), (int16_t)(cy + l.dy), text, 8, l.align, colourLightGrey);
    }

    uint16_t ias = indicatedAirspeed;
    float g = 330.0f / (float)span * (float)ias;
    int32_t hand = g >= (float)dialEnd ? dialEnd : (int32_t)g;
    drawDialHand(cx, cy, hand, 16, 57, colourWhite);
    drawDialHand(cx, cy, hand, 57, 65, colourBlack);

    std::snprintf(text, sizeof text, "%u", (unsigned)ias);
    int16_t y = (int16_t)(cy + 64);
    drawText(cx, y, text, 16, 0, colourWhite);
    if (ias > unitSettings.vne || (ias < unitSettings.vs1 && flightActive == 1)) {
        if (fastBlink == 1) {
            fillBox((int16_t)(textStartX - 1), (int16_t)(cy + 68), textEndX, (int16_t)(cy + 91), colourRed);
            drawText(cx, y, text, 16, 0, colourWhite);
        }
    } else if (ias > unitSettings.vno) {
        fillBox((int16_t)(textStartX - 1), (int16_t)(cy + 68), textEndX, (int16_t)(cy + 91), colourYellow);
        drawText(cx, y, text, 16, 0, colourBlack);
    }

    if (asiSensorStatus == 0) crossOut((int16_t)(cx - 60), 20, (int16_t)(cx + 60), 140);
}
