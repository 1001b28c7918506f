// Altitude in the chosen unit and resolution, and the density altitude.
#include "airdata/airdata.h"
#include "records/persistence.h"
#include "records/records.h"

int32_t altitudeFeet;
int32_t altitude;
int32_t densityAltitude;

static int32_t feetToMetres(int32_t feet) { return (int32_t)((int64_t)feet * 1000 / 3281); }

void processAltitude() {
    altitude = unitSettings.altitudeUnit == 1 ? feetToMetres(altitudeFeet) : altitudeFeet;

    // Displayed resolution: 1, 10, 25 or 50. A recalled image may hold anything: the highest
    // valid setting stands for everything above it.
    static const int32_t resolutionStep[] = {1, 10, 25, 50, 100};
    uint8_t resolution = unitSettings.altEncoderResolution;
    if (resolution > 3) resolution = 3;
    if (resolution != 0) {
        int32_t step = resolutionStep[resolution];
        int32_t m = altitude < 0 ? -altitude : altitude;
        m = ((m + step / 2) / step) * step;
        altitude = altitude < 0 ? -m : m;
    }

    if (altitude > minMax.maxAltitude) {
        minMax.maxAltitude = altitude;
        saveMinMax();
    }

    // About 118.6 ft of density altitude per degree C away from the standard atmosphere.
    float isaCelsius = 15.0f - 0.0019812f * (float)altitudeFeet;
    float density = ((float)oatCelsius - isaCelsius) * 118.6f + (float)altitudeFeet;
    int32_t densityFeet = (int32_t)density;
    densityAltitude = unitSettings.altitudeUnit == 1 ? feetToMetres(densityFeet) : densityFeet;
}
