// Heading: the compass filter's circular mean, then the variation to true.
#include <cmath>

#include "airdata/airdata.h"
#include "nav/gps_state.h"
#include "records/records.h"

int16_t magneticHeading;
int16_t trueHeading;

static int16_t compassSamples[compassWindow];  // tenths of a degree, newest at compassNext - 1
static int32_t compassNext;                    // where the next sample goes

// Circular mean of the newest `count` samples, tenths of a degree 0..3599. The mean is truncated;
// a nudge far below a tenth keeps the rounding noise of sine and cosine from dropping a steady
// heading by a tenth (and so by a whole degree).
static int32_t compassMean(int32_t count) {
    constexpr double radiansPerTenth = 3.14159265358979323846 / 1800.0;
    double sinSum = 0.0, cosSum = 0.0;
    for (int32_t k = 1; k <= count; k++) {
        int32_t i = (compassNext - k + compassWindow) % compassWindow;
        sinSum += std::sin(compassSamples[i] * radiansPerTenth);
        cosSum += std::cos(compassSamples[i] * radiansPerTenth);
    }
    double mean = std::atan2(sinSum / count, cosSum / count) / radiansPerTenth;
    int32_t tenths = (int32_t)(mean + (mean >= 0.0 ? 1e-6 : -1e-6));
    if (tenths < 0) tenths += 3600;
    return tenths;
}

void processHeading(int32_t position) {
    if (position < 0) position = 0;
    if (position > 359) position = 359;
    int16_t sample = (int16_t)(position * 10);
    compassSamples[compassNext] = sample;
    compassNext = (compassNext + 1) % compassWindow;

    // Four samples per filter step; a recalled image may hold more than HIGH.
    int32_t filter = unitSettings.compassFilter > 3 ? 3 : unitSettings.compassFilter;
    int32_t tenths = filter == 0 ? sample : compassMean(4 * filter);
    magneticHeading = (int16_t)(tenths / 10);

    int32_t variation = unitSettings.manualMagVar;
    if ((gpsFixMode == 2 || gpsFixMode == 3) && unitSettings.magVarMode == 0)
        variation = std::isfinite(autoMagVar) && std::fabs(autoMagVar) <= 360.0f ? (int32_t)autoMagVar : 0;
    int32_t heading = magneticHeading + variation;
    while (heading < 0) heading += 360;
    while (heading > 360) heading -= 360;  // 360 itself stays 360
    trueHeading = (int16_t)heading;
}
