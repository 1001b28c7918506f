// Normal acceleration: the G alarm, the G records and the cycle counts.
#include "airdata/airdata.h"
#include "ems/alarms.h"
#include "records/persistence.h"
#include "records/records.h"

float gForce;
uint8_t gNegativeLatch;
uint8_t gPositiveLatch;

void processGForce() {
    float g10 = gForce * 10.0f;  // the limits are in tenths of g

    // Each direction alarms at its caution or at its high limit, as its selector says.
    bool positive = unitSettings.gPositiveAlarm == 0 ? g10 > unitSettings.gPositiveCaution
                                                     : unitSettings.gPositiveAlarm == 1 && g10 > unitSettings.gPositiveHigh;
    bool negative = unitSettings.gNegativeAlarm == 0 ? g10 < unitSettings.gNegativeCaution
                                                     : unitSettings.gNegativeAlarm == 1 && g10 < unitSettings.gNegativeHigh;
    setAlarm(alarmGForce, positive || negative);

    if (gForce < minMax.minG) {
        minMax.minG = gForce;
        saveMinMax();
    }
    if (gForce > minMax.maxG) {
        minMax.maxG = gForce;
        saveMinMax();
    }

    // One count per excursion beyond a cycle threshold, however long it lasts.
    if (g10 < unitSettings.gNegativeCycle) {
        if (gNegativeLatch == 0) {
            gNegativeLatch = 1;
            minMax.negativeGCycles = (int16_t)(minMax.negativeGCycles + 1);
            saveMinMax();
        }
    } else {
        gNegativeLatch = 0;
    }
    if (g10 > unitSettings.gPositiveCycle) {
        if (gPositiveLatch == 0) {
            gPositiveLatch = 1;
            minMax.positiveGCycles = (int16_t)(minMax.positiveGCycles + 1);
            saveMinMax();
        }
    } else {
        gPositiveLatch = 0;
    }
}
