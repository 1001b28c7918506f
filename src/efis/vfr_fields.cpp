#include "efis/vfr_fields.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "gfx/palette.h"
#include "gfx/text.h"
#include "nav/gps_state.h"

static void field(int16_t x, int16_t y, const char* label, const char* value) {
    drawText(x, y, label, 8, alignCentre, colourLightGrey);
    drawText(x, (int16_t)(y + 15), value, 8, alignCentre, colourWhite);
}

void drawTasField(int16_t x, int16_t y) {
    char text[12];
    std::snprintf(text, sizeof text, "%d", (int)trueAirspeedMph);
    field(x, y, "TAS", text);
}

void drawGsField(int16_t x, int16_t y) {
    char text[12];
    if (gpsPositionValid == 0) std::snprintf(text, sizeof text, "---");
    else std::snprintf(text, sizeof text, "%d", (int)groundSpeed);
    field(x, y, "GS", text);
}

void drawDaField(int16_t x, int16_t y) {
    char text[16];
    if (oatCelsius > 99 || oatCelsius < -99) std::snprintf(text, sizeof text, "-----");
    else std::snprintf(text, sizeof text, "%d", (int)densityAltitude);
    field(x, y, "DA", text);
}
