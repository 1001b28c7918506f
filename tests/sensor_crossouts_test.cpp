// A missing sensor leaves its instrument drawing under two red strokes from corner to corner.
#include <functional>
#include <string>

#include "efis/airspeed_dial.h"
#include "efis/airspeed_tape.h"
#include "efis/altitude_dial.h"
#include "efis/altitude_tape.h"
#include "efis/heading_tape.h"
#include "efis/vsi_dial.h"
#include "instrument_fixture.h"

namespace {

using Crossouts = Instruments;

enum Sensor { Airspeed, Altitude, Compass };

TEST_F(Crossouts, RedCrossOverWhatLostItsSensor) {
    struct Case {
        const char* name;
        Sensor sensor;
        uint8_t page;
        std::function<void()> draw;
        int16_t x0, y0, x1, y1;  // the cross's corners
    } cases[] = {
        {"airspeed tape", Airspeed, 0, [] { drawAirspeedTape(); }, 50, 119, 121, 153},
        {"airspeed tape narrow", Airspeed, 1, [] { drawAirspeedTape(); }, 51, 122, 102, 150},
        {"altitude tape", Altitude, 0, [] { drawAltitudeTape(347); }, 348, 119, 445, 153},
        {"altitude tape narrow", Altitude, 2, [] { drawAltitudeTape(210); }, 223, 122, 308, 150},
        {"airspeed dial", Airspeed, 3, [] { drawAsiDial(87, 67); }, 27, 20, 147, 140},
        {"altimeter", Altitude, 3, [] { drawAltimeterDial(393, 67); }, 333, 20, 453, 140},
        {"vsi dial", Altitude, 3, [] { drawVsiDial(1, 240, 67); }, 180, 20, 300, 140},
        {"small vsi dial", Altitude, 4, [] { drawVsiDial(0, 267, 217); }, 207, 165, 327, 265},
        {"heading box", Compass, 0, [] { drawHeadingTape(240, 60, 418, 70, 36); }, 214, 0, 266, 23},
        {"heading readout", Compass, 3, [] { drawHeadingReadout(197, 170); }, 197, 170, 250, 194},
    };
    for (const Case& c : cases) {
        for (bool missing : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (missing ? " missing" : " present"));
            displayPage = c.page;
            asiSensorStatus = missing && c.sensor == Airspeed ? 0 : 2;
            altSensorStatus = missing && c.sensor == Altitude ? 0 : 2;
            compassPresent = missing && c.sensor == Compass ? 0 : 1;
            fillScreen(colourBlack);
            c.draw();
            auto red = [&](int x, int y) { return pixelAt(x, y) == colourRed; };
            EXPECT_EQ(red(c.x0, c.y0), missing);
            EXPECT_EQ(red(c.x1, c.y1), missing);
            EXPECT_EQ(red(c.x0, c.y1), missing);
            EXPECT_EQ(red(c.x1, c.y0), missing);
            EXPECT_EQ(red((c.x0 + c.x1) / 2, (c.y0 + c.y1) / 2), missing);
        }
    }
}

}  // namespace
