#include "ui/fuel_arrangement.h"

#include "records/persistence.h"
#include "records/working_state.h"

uint8_t fuelArrangement;

enum : uint8_t { tankSender = 0, tankCalculated = 1, tankOff = 2 };

void deriveFuelArrangement() {
    // Any non-zero flow flag counts as on: a recalled settings image may hold other values.
    bool f1 = unitSettings.flow1On != 0, f2 = unitSettings.flow2On != 0;
    uint8_t t1 = unitSettings.tank1Mode, t2 = unitSettings.tank2Mode;
    bool differential = unitSettings.dualFlowMode > 0;
    if (!f1 && !f2) {
        if (t1 == tankSender && t2 == tankSender) fuelArrangement = 4;
        else if (t1 == tankSender && t2 == tankOff) fuelArrangement = 2;
        else if (t2 == tankSender && t1 == tankOff) fuelArrangement = 3;
        else fuelArrangement = 9;
    } else if (t1 == tankOff && t2 == tankOff) {
        if (f1 && f2) fuelArrangement = differential ? 8 : 7;
        else fuelArrangement = f1 ? 5 : 6;
        unitSettings.tankLitreResolution = 0;
    } else if (f1 && f2) {
        if (t1 < tankOff && t2 < tankOff) fuelArrangement = differential ? 11 : 10;
        else if (t1 < tankOff && t2 == tankOff) fuelArrangement = differential ? 12 : 9;
        else if (t2 < tankOff && t1 == tankOff) fuelArrangement = differential ? 13 : 9;
        else fuelArrangement = 9;
    } else if (t1 < tankOff && t2 < tankOff) {
        if (t1 == tankSender && t2 == tankSender) {
            fuelArrangement = 11;
        } else {
            fuelArrangement = 14;
            // One sender feeds both tanks: both use its K-factor.
            if (f1) unitSettings.flow2KFactor = unitSettings.flow1KFactor;
            else unitSettings.flow1KFactor = unitSettings.flow2KFactor;
        }
    } else if (f1 && t1 < tankOff) {
        fuelArrangement = 0;
    } else if (f2 && t2 < tankOff) {
        fuelArrangement = 1;
    } else {
        fuelArrangement = 9;
    }
}

uint8_t fuelRefillOffered() {
    uint8_t t1 = unitSettings.tank1Mode, t2 = unitSettings.tank2Mode;
    if (t1 != tankCalculated && t2 != tankCalculated) return 0;
    switch (fuelArrangement) {
    case 0:
    case 1:
    case 10:
    case 12:
    case 13:
    case 14: return 1;
    case 11: return !(t1 == tankSender && t2 == tankSender);
    default: return 0;
    }
}
