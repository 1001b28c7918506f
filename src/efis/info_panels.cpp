#include "efis/info_panels.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "efis/attitude_indicator.h"
#include "efis/data_fields.h"
#include "efis/instrument_common.h"
#include "efis/value_box.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/clock.h"
#include "host/tick.h"
#include "records/flight_time.h"
#include "records/working_state.h"
#include "ui/timer_overlay.h"

namespace {

constexpr int16_t firstRow = 165;
constexpr int16_t rowStep = 15;
constexpr int16_t valueX = 115;

int16_t rowY(int16_t row) { return (int16_t)(firstRow + rowStep * row); }

void label(int16_t row, const char* text) { drawText(0, rowY(row), text, 8, alignLeft, colourLightGrey); }

void value(int16_t row, const char* text) { drawText(valueX, rowY(row), text, 8, alignLeft, colourWhite); }

// A value on the box of its row (rows y + 1 .. y + 15).
void boxedValue(int16_t row, const char* text, uint8_t state) {
    drawBoxedValue(valueX, rowY(row), text, 8, alignLeft, state, fieldBox(rowY(row), 15));
}

// A unit in grey 5 pixels after the value just drawn.
void unitAfter(int16_t row, const char* text) {
    drawText((int16_t)(textEndX + 5), rowY(row), text, 8, alignLeft, colourLightGrey);
}

void clockText(char* text, size_t size, const DateTime& t) {
    std::snprintf(text, size, "%02d:%02d:%02d", (int)t.hour, (int)t.minute, (int)t.second);
}

}  // namespace

void drawTimesPanel() {
    char text[32];
    label(0, "Flight Time:");
    // The separator blinks while a flight is in progress.
    const char* format = flightActive == 1 && fastBlink == 1 ? "%d %02d" : "%d:%02d";
    std::snprintf(text, sizeof text, format, (int)(flightTimeSeconds / 3600), (int)(flightTimeSeconds / 60 % 60));
    value(0, text);

    label(1, "Zulu Time:");
    clockText(text, sizeof text, utcDateTime);
    value(1, text);
    label(2, "Local Time:");
    clockText(text, sizeof text, localDateTime);
    value(2, text);

    label(3, "Timer:");
    std::snprintf(text, sizeof text, "%1d:%02d:%02d", (int)(timerSeconds / 3600), (int)(timerSeconds / 60 % 60),
                  (int)(timerSeconds % 60));
    value(3, text);

    label(4, "Hobbs:");
    std::snprintf(text, sizeof text, "%d.%d", (int)hobbsHours, (int)(hobbsHundredths / 10));
    value(4, text);

    // A timer that has run down to nothing flashes.
    label(5, "Maintenance:");
    std::snprintf(text, sizeof text, "%d", (int)maintenanceHours);
    boxedValue(5, text, maintenanceHours == 0 && maintenanceMinutes == 0 ? valueAlarm : valueNormal);
    label(6, "Airframe:");
    std::snprintf(text, sizeof text, "%d", (int)airframeHours);
    boxedValue(6, text, airframeHours == 0 && airframeMinutes == 0 ? valueAlarm : valueNormal);
}

void drawAirPanel() {
    char text[32];
    label(0, "Volts:");
    formatVolts(text, sizeof text);
    boxedValue(0, text, voltsState());
    unitAfter(0, "V");

    label(1, "OAT:");
    if (unitSettings.oatDisplay != 0) {
        formatOat(text, sizeof text);
        boxedValue(1, text, oatState());
        unitAfter(1, oatUnitLabel());
    }

    label(2, verticalSpeedFpm > 0 ? "Climb Ratio:" : "Glide Ratio:");
    std::snprintf(text, sizeof text, "%.1f", glideRatio * 0.1);
    value(2, text);

    label(3, "Barometer:");
    bool inHg = pressureUnitIndex() == 1;
    if (inHg) std::snprintf(text, sizeof text, "%.2f", staticPressure * 0.029529884242853770442);
    else std::snprintf(text, sizeof text, "%ld", (long)staticPressure);
    value(3, text);
    unitAfter(3, inHg ? "\"Hg" : "mb");

    label(4, "Aircraft Reg:");
    // The registration may fill its field without a terminator.
    drawTextField(valueX, rowY(4), unitSettings.aircraftRegistration, sizeof unitSettings.aircraftRegistration - 1,
                  8, alignLeft, colourWhite);

    if (unitSettings.slipBallDisplay != 0) drawSlipBallBox();
}

void drawSlipBallBox() {
    fillBox(15, 251, 156, 271, colourGrey);
    drawCircle(15, 261, 10, colourGrey);
    drawCircle(155, 261, 10, colourGrey);
    // The rounded ends of the tube.
    for (int16_t x : {(int16_t)14, (int16_t)13}) drawVSpan(252, 270, x, colourGrey);
    for (int16_t x : {(int16_t)12, (int16_t)11}) drawVSpan(253, 269, x, colourGrey);
    for (int16_t i = 0; i <= 4; i++) drawVSpan((int16_t)(253 + i), (int16_t)(269 - i), (int16_t)(10 - i), colourGrey);
    for (int16_t x : {(int16_t)157, (int16_t)158}) drawVSpan(252, 270, x, colourGrey);
    for (int16_t x : {(int16_t)159, (int16_t)160}) drawVSpan(253, 269, x, colourGrey);
    drawVSpan(254, 269, 161, colourGrey);
    drawVSpan(255, 268, 162, colourGrey);
    drawVSpan(256, 267, 163, colourGrey);
    drawVSpan(257, 266, 164, colourGrey);
    drawSlipBall(85);
}
