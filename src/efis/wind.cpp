#include "efis/wind.h"

#include <cmath>
#include <cstdio>

#include "airdata/airdata.h"
#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "nav/gps_state.h"
#include "records/persistence.h"
#include "records/records.h"

uint16_t windSpeed;

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double degreesToRadians = pi / 180.0;

// Heading minus track, radians.
double driftAngle() { return ((double)trueHeading - (double)gpsTrackTrue) * degreesToRadians; }

}  // namespace

uint8_t windKnown() {
    return gpsPositionValid == 1 && gpsSpeedMph > 5 && unitSettings.compassDisplay == 1 ? 1 : 0;
}

uint16_t computeWindSpeed() {
    // In double: the products of two large speeds overrun a float's precision.
    double tas = trueAirspeed, gs = groundSpeed;
    double s = (float)std::sin(driftAngle() / 2.0);
    double w = std::trunc(std::sqrt(4.0 * tas * gs * s * s + (tas - gs) * (tas - gs)));
    return w >= 65535.0 ? 65535 : (uint16_t)w;
}

int16_t windArrowAngle() {
    double d = driftAngle();
    double tas = trueAirspeed, gs = groundSpeed;
    // Air vector minus ground vector in the track's frame: the direction the wind comes from.
    double x = tas * std::cos(d) - gs, y = tas * std::sin(d);
    double from = std::atan2(y, x) + (double)gpsTrackTrue * degreesToRadians;
    from = std::fmod(from, 2.0 * pi);
    if (from < 0) from += 2.0 * pi;
    double u = std::fmod(from / degreesToRadians - (double)trueHeading, 360.0);
    if (u < 0) u += 360.0;
    // Downwind on the screen, where the nose points up.
    double w = u + 90.0;
    if (w >= 360.0) w -= 360.0;
    return compassDegrees((int32_t)w);
}

void drawWindSpeed(int16_t x, int16_t y) {
    if (!windKnown()) return;
    windSpeed = computeWindSpeed();
    uint16_t highest = minMax.maxWindSpeed;
    if (windSpeed > highest) {
        minMax.maxWindSpeed = windSpeed;
        saveMinMax();
    }
    char text[12];
    std::snprintf(text, sizeof text, "%d", (int)windSpeed);
    drawText(x, y, text, 9, alignCentre, colourWhite);
}

void drawWindArrow(int16_t x, int16_t y, uint8_t large) {
    if (!windKnown()) return;
    int32_t w = windArrowAngle();
    int32_t length = large ? 20 : 13, barb = large ? 15 : 9;
    int16_t headX = radialX(x, w, length), headY = radialY(y, w, length);
    drawThickLine(radialX(x, w - 180, length), radialY(y, w - 180, length), headX, headY, colourWhite);
    // The barbs' angles pass 360 and go below 0 near north: radialX/radialY wrap them.
    drawThickLine(radialX(x, w + 35, barb), radialY(y, w + 35, barb), headX, headY, colourWhite);
    drawThickLine(radialX(x, w - 35, barb), radialY(y, w - 35, barb), headX, headY, colourWhite);
}
