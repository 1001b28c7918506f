// The efis state that the headless host can print.
#include "efis/attitude_indicator.h"
#include "efis/compass_calibration.h"
#include "efis/wind.h"
#include "host/state_registry.h"

void registerEfisState() {
    registerValue("horizonCount", horizonCount);
    registerValue("horizonX", horizonX);
    registerValue("horizonY", horizonY);
    registerValue("attitudeExceeded", attitudeExceeded);
    registerValue("compassCalActive", compassCalActive);
    registerValue("compassCalCount", compassCalCount);
    registerValue("compassCalFit", compassCalFit);
    registerValue("windSpeed", windSpeed);
}
