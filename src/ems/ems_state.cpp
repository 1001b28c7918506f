// The ems state that the headless host can print.
#include "ems/alarms.h"
#include "ems/engine_speed.h"
#include "ems/fuel_range.h"
#include "ems/volts.h"
#include "host/state_registry.h"

void registerEmsState() {
    registerValue("alarmFlags", alarmFlags);
    registerValue("alarmAcknowledged", alarmAcknowledged);
    registerValue("rpm1", rpm1);
    registerValue("rpm2", rpm2);
    registerValue("rpm2Percent", rpm2Percent);
    registerValue("volts", volts);
    registerValue("fuelEnduranceMinutes", fuelEnduranceMinutes);
    registerValue("fuelRange", fuelRange);
    registerValue("fuelAtWaypoint", fuelAtWaypoint);
}
