#include "efis/fuel_fields.h"

#include <cstdio>

#include "efis/value_box.h"
#include "ems/fuel_range.h"
#include "gfx/palette.h"
#include "gfx/text.h"
#include "nav/navigation.h"
#include "records/working_state.h"
#include "ui/fuel_arrangement.h"

// A fuel unit beyond the six reads as litres and statute miles, the default.
static uint8_t fuelUnitIndex() { return unitSettings.fuelUnit < 6 ? unitSettings.fuelUnit : 0; }

const char* fuelDistanceUnitLabel() {
    static const char* const labels[3] = {"sm", "nm", "km"};
    return labels[fuelUnitIndex() / 2];
}

const char* fuelVolumeUnitLabel() { return fuelUnitIndex() % 2 == 0 ? "L" : "G"; }

void drawFuelAtWaypoint(int16_t x, int16_t y) {
    char text[16];
    if (fuelEnduranceMinutes == fuelUnknown) std::snprintf(text, sizeof text, "---");
    else std::snprintf(text, sizeof text, "%d", (int)fuelAtWaypoint);
    int16_t valueX;
    if (displayPage == 5) {
        drawText(x, y, "WPT: ", 8, alignLeft, colourLightGrey);
        valueX = textEndX;
    } else {
        drawText(x, y, "Fuel Wpt:", 8, alignLeft, colourLightGrey);
        valueX = (int16_t)(x + 115);
    }
    // Arriving with less than nothing left.
    drawBoxedValue(valueX, y, text, 8, alignLeft, fuelAtWaypoint < 0 ? valueAlarm : valueNormal, fieldBox(y, 15));
    drawText((int16_t)(textEndX + 2), y, fuelVolumeUnitLabel(), 8, alignLeft, colourLightGrey);
}

void drawFuelBlock() {
    if (fuelArrangement >= 2 && fuelArrangement <= 9) return;
    char text[16];
    drawText(0, 165, "Fuel Endur:", 8, alignLeft, colourLightGrey);
    if (fuelEnduranceMinutes == fuelUnknown) std::snprintf(text, sizeof text, "?:??");
    else std::snprintf(text, sizeof text, "%u:%02u", fuelEnduranceMinutes / 60u, fuelEnduranceMinutes % 60u);
    drawText(115, 165, text, 8, alignLeft, colourWhite);

    drawText(0, 180, "Fuel Range:", 8, alignLeft, colourLightGrey);
    if (fuelRange == fuelUnknown) std::snprintf(text, sizeof text, "?");
    else std::snprintf(text, sizeof text, "%u", (unsigned)fuelRange);
    drawText(115, 180, text, 8, alignLeft, colourWhite);
    drawText((int16_t)(textEndX + 2), 180, fuelDistanceUnitLabel(), 8, alignLeft, colourLightGrey);

    if (navActive == 1) drawFuelAtWaypoint(0, 195);
}
