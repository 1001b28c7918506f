// Vertical speed in ft/min, or in cm/s for the m/s unit.
#include "airdata/airdata.h"
#include "records/records.h"

int16_t verticalSpeedFpm;
int16_t verticalSpeed;

void processVerticalSpeed() {
    verticalSpeedFpm = verticalSpeed;
    if (unitSettings.vsiUnit == 1) verticalSpeed = (int16_t)((float)verticalSpeedFpm * 0.508f);
}
