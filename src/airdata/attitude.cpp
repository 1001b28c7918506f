// Attitude: the panel's values become the unit's while the attitude sensor is the source.
#include "airdata/airdata.h"
#include "records/records.h"

int16_t pitchAngle;
int16_t bankAngle;
int16_t slipValue;
int16_t turnRate;
int16_t simPitch;
int16_t simBank;
int16_t simSlip;
int16_t simTurnRate;

void copyAttitude() {
    if (unitSettings.attitudeSource != 0) return;  // another source keeps the last values
    pitchAngle = simPitch;
    bankAngle = simBank;
    slipValue = simSlip;
    turnRate = simTurnRate;
}
