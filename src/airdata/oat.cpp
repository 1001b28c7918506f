// Outside air temperature, its records and its alarm; runs every frame.
#include "airdata/airdata.h"
#include "ems/alarms.h"
#include "records/persistence.h"
#include "records/records.h"

uint16_t oatRaw;
int16_t oatCelsius;
int16_t oat;

void processOat() {
    // 0.1612 kelvin per count.
    oatCelsius = (int16_t)((int32_t)oatRaw * 1612 / 10000 - 273 + calibration.oatCalOffset);
    oat = unitSettings.oatUnit == 1 ? celsiusToFahrenheit(oatCelsius) : oatCelsius;

    if (oat < minMax.minOat) {
        minMax.minOat = oat;
        saveMinMax();
    }
    if (oat > minMax.maxOat) {
        minMax.maxOat = oat;
        saveMinMax();
    }
    bool low = oat < unitSettings.oatLowAlarm && unitSettings.oatLowAlarmOn == 1;
    bool high = oat > unitSettings.oatHighAlarm && unitSettings.oatHighAlarmOn == 1;
    setAlarm(alarmOat, low || high);
}
