// The records state that the headless host can print: every field of every record, by the names
// of the field tables ("unitSettings.vne", "unitSettings.pressureChannels[1].label",
// "calibration.calibrationDate"), plus the plain names of the working state ("baroSetting").
// Derived from the tables, so a new row is registered without a line here.
#include <deque>
#include <string>

#include "host/state_registry.h"
#include "records/flight_time.h"
#include "records/records.h"

// Names built once at start-up; the registry keeps pointers to them.
static std::deque<std::string> builtNames;

static const char* keepName(const std::string& prefix, const char* field) {
    builtNames.push_back(prefix.empty() ? std::string(field) : prefix + "." + field);
    return builtNames.back().c_str();
}

#define REGISTER_ROW(offset, type, name, ...) \
    registerState(keepName(prefix, #name), stateTypeOf<type>(), base + offsetof(Rec, name), 1);
#define REGISTER_ARRAY_ROW(offset, type, count, name, ...) \
    registerState(keepName(prefix, #name), stateTypeOf<type>(), base + offsetof(Rec, name), count);
#define REGISTER_RECORD_ROW(offset, type, name) \
    registerRecord(keepName(prefix, #name), *reinterpret_cast<const type*>(base + offsetof(Rec, name)));
#define REGISTER_RECORDS_ROW(offset, type, count, name)                                           \
    for (int i = 0; i < (count); i++)                                                             \
        registerRecord(keepName(prefix, (std::string(#name "[") + std::to_string(i) + "]").c_str()), \
                       reinterpret_cast<const type*>(base + offsetof(Rec, name))[i]);
#define REGISTER_RECORD_FIELDS(Record, TABLE)                                                   \
    static void registerRecord(const std::string& prefix, const Record& record) {                \
        using Rec [[maybe_unused]] = Record;                                                     \
        const char* base = reinterpret_cast<const char*>(&record);                               \
        TABLE(REGISTER_ROW, REGISTER_ARRAY_ROW, REGISTER_RECORD_ROW, REGISTER_RECORDS_ROW)       \
    }

// Nested records first, so that the records holding them can call them.
REGISTER_RECORD_FIELDS(CalibrationTable, CALIBRATION_TABLE_FIELDS)
REGISTER_RECORD_FIELDS(PressureChannel, PRESSURE_CHANNEL_FIELDS)
REGISTER_RECORD_FIELDS(TemperatureChannel, TEMPERATURE_CHANNEL_FIELDS)
REGISTER_RECORD_FIELDS(CurrentChannel, CURRENT_CHANNEL_FIELDS)
REGISTER_RECORD_FIELDS(GenericChannel, GENERIC_CHANNEL_FIELDS)
REGISTER_RECORD_FIELDS(UnitSettings, UNIT_SETTINGS_FIELDS)
REGISTER_RECORD_FIELDS(CalibrationRecord, CALIBRATION_RECORD_FIELDS)
REGISTER_RECORD_FIELDS(RetainedState, RETAINED_STATE_FIELDS)
REGISTER_RECORD_FIELDS(MinMaxRecord, MIN_MAX_FIELDS)

void registerRecordsState() {
    registerRecord("unitSettings", unitSettings);
    registerRecord("calibration", calibration);
    registerRecord("retainedState", retainedState);
    registerRecord("minMax", minMax);
    // The working state by its plain names, as the pages name it.
    registerRecord("", retainedState);
    registerValue("flightTimeSeconds", flightTimeSeconds);
    registerState("serialNumber", stateTypeOf<decltype(CalibrationRecord::serialNumber)>(),
                  reinterpret_cast<const char*>(&calibration) + offsetof(CalibrationRecord, serialNumber), 1);
}
