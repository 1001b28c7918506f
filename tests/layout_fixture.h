// Common ground for the flight-layout tests: the instruments' fixture with every data field's
// input at a quiet value (no alarm, no caution), and a check that a text stands where a field
// should draw it.
#pragma once
#include <cstring>
#include <string>

#include "efis/attitude_indicator.h"
#include "efis/flight_layouts.h"
#include "efis/instrument_common.h"
#include "efis/wind.h"
#include "ems/fuel_range.h"
#include "ems/volts.h"
#include "gfx/text.h"
#include "host/clock.h"
#include "instrument_fixture.h"
#include "links/autopilot.h"
#include "links/transponder.h"
#include "nav/leg_progress.h"
#include "records/flight_time.h"
#include "ui/fuel_arrangement.h"
#include "ui/timer_overlay.h"

class Layouts : public Instruments {
  protected:
    void SetUp() override {
        Instruments::SetUp();
        ahrsPresent = 1;
        attitudeExceeded = 0;
        pitchAngle = bankAngle = slipValue = turnRate = 0;
        gForce = 1.0f;
        std::memset(&minMax, 0, sizeof minMax);
        oat = oatCelsius = 15;
        volts = 125;
        glideRatio = 0;
        staticPressure = 0;
        trueAirspeedMph = 0;
        gpsFixMode = 0;
        gpsSpeedMph = 0;
        timerOn = 0;
        timerSeconds = 0;
        flightTimeSeconds = 0;
        utcDateTime = DateTime{};
        localDateTime = DateTime{};
        localSeconds = 0;
        maintenanceHours = 50;
        airframeHours = 100;
        transponderMode = identActive = 0;
        transponderReply = 0;
        transponderLinkOk = 1;
        apEngaged = 0;
        fuelEnduranceMinutes = fuelRange = 0;
        fuelAtWaypoint = 0;
        fuelArrangement = 0;
        std::memset(activeWaypointName, 0, sizeof activeWaypointName);
        distanceKm = 0;
        eteSeconds = 0;
        windSpeed = 0;
        vfrSubView = vfrEmsSubView = 0;
    }

    // Draws layout 0..4 as the main screen does.
    static void drawLayout(uint8_t layout) {
        static void (*const drawers[5])() = {drawEfisLayout, drawEfisEmsLayout, drawEfisHsiLayout, drawVfrLayout,
                                             drawVfrEmsLayout};
        displayPage = layout;
        drawers[layout]();
    }
};

// True when every pixel the text would set is in the frame in that colour: the text stands
// there, whatever lies around it. Leaves textStartX/textEndX as the text's.
inline bool textAt(int16_t x, int16_t y, const char* text, uint8_t font, uint8_t align, uint8_t colour) {
    static Frame saved;
    saveFrame(saved);
    fillScreen(0);
    drawText(x, y, text, font, align, 1);
    int16_t start = textStartX, end = textEndX;
    bool any = false, all = true;
    for (int32_t i = 0; i < frameBufferSize; i++) {
        if (frameBuffer[i] != 1) continue;
        any = true;
        if (saved.pixels[i] != colour) all = false;
    }
    std::memcpy(frameBuffer, saved.pixels, sizeof saved.pixels);
    textStartX = start;
    textEndX = end;
    return any && all;
}
