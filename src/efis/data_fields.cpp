#include "efis/data_fields.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/value_box.h"
#include "ems/volts.h"
#include "gfx/palette.h"
#include "gfx/text.h"
#include "nav/gps_state.h"
#include "records/records.h"

// The OAT unit picks a label and a limit; a value beyond the two reads as degrees C, the default.
static uint8_t oatUnitIndex() { return unitSettings.oatUnit == 1 ? 1 : 0; }

void formatOat(char* text, size_t size) {
    int16_t limit = oatUnitIndex() == 1 ? 300 : 150;
    if (oat > limit) std::snprintf(text, size, "---");
    else std::snprintf(text, size, "%d", (int)oat);
}

uint8_t oatState() {
    int16_t low = unitSettings.oatLowAlarm, high = unitSettings.oatHighAlarm;
    bool alarm = (unitSettings.oatLowAlarmOn != 0 && oat < low) || (unitSettings.oatHighAlarmOn != 0 && oat > high);
    return alarm ? valueAlarm : valueNormal;
}

const char* oatUnitLabel() {
    static const char* const labels[2] = {"\xB0" "C", "\xB0" "F"};
    return labels[oatUnitIndex()];
}

void formatVolts(char* text, size_t size) { std::snprintf(text, size, "%.1f", volts * 0.1); }

uint8_t voltsState() {
    return limitState(volts, unitSettings.voltsLowAlarm, unitSettings.voltsHighAlarm, unitSettings.voltsLowCaution,
                      unitSettings.voltsHighCaution);
}

void drawGReadout(int16_t x) {
    char text[24];
    std::snprintf(text, sizeof text, "%+.1f", (double)gForce);
    drawText(x, 210, text, 9, alignRight, colourWhite);
    drawText((int16_t)(x + 13), 212, "G", 8, alignRight, colourWhite);
}

void drawOatField(int16_t x, int16_t y) {
    char text[16];
    formatOat(text, sizeof text);
    drawBoxedValue(x, y, text, 9, alignLeft, oatState(), fieldBox(y, 16));
    drawText((int16_t)(textEndX + 3), (int16_t)(y + 2), oatUnitLabel(), 8, alignLeft, colourWhite);
}

void drawVoltsField(int16_t x, int16_t y) {
    char text[16];
    formatVolts(text, sizeof text);
    drawBoxedValue(x, y, text, 9, alignLeft, voltsState(), fieldBox(y, 16));
    drawText((int16_t)(textEndX + 3), (int16_t)(y + 2), "V", 8, alignLeft, colourWhite);
}

void drawGpsFixStatus(int16_t x, int16_t y) {
    if (gpsFixMode == 2) drawText(x, y, "2D", 8, alignLeft, colourWhite);
    else if (gpsFixMode == 3) drawText(x, y, "3D", 8, alignLeft, colourWhite);
    else drawText(x, y, "AQ", 8, alignLeft, colourRed);
}

void drawApAnnunciator() { drawText(102, 44, "AP", 10, alignLeft, colourRed); }
