// Numeric helpers shared with the engine processing, and the flight state.
#include "airdata/airdata.h"

uint8_t flightActive;
int32_t staticPressure;

int16_t celsiusToFahrenheit(int16_t celsius) { return (int16_t)(celsius * 18 / 10 + 32); }

int32_t roundTenth(int32_t x) {
    float tenth = (float)x * 0.1f;
    return (int32_t)(tenth >= 0.0f ? tenth + 0.5f : tenth - 0.5f);
}
