// The efis state that the headless host can print.
#include "efis/compass_calibration.h"
#include "host/state_registry.h"

void registerEfisState() {
    registerValue("compassCalActive", compassCalActive);
    registerValue("compassCalCount", compassCalCount);
    registerValue("compassCalFit", compassCalFit);
}
