// The records, their layout checks, their defaults and the min/max reset.
#include "records/records.h"

#include <cstring>

#include "airdata/airdata.h"
#include "records/persistence.h"

UnitSettings unitSettings;
CalibrationRecord calibration;
RetainedState retainedState;
MinMaxRecord minMax;

// Layout: every field at the offset of its row, every record at its size. A wrong type in any
// row moves the fields after it and stops the build here.
#define ASSERT_FIELD(offset, type, name, ...) \
    static_assert(offsetof(Rec, name) == (offset), #name " must start at byte " #offset);
#define ASSERT_ARRAY(offset, type, count, name, ...) ASSERT_FIELD(offset, type, name)
#define ASSERT_RECORD(offset, type, name) ASSERT_FIELD(offset, type, name)
#define ASSERT_RECORDS(offset, type, count, name) ASSERT_FIELD(offset, type, name)
#define ASSERT_LAYOUT(Record, TABLE, size)                                   \
    namespace layout##Record {                                               \
    using Rec = Record;                                                      \
    TABLE(ASSERT_FIELD, ASSERT_ARRAY, ASSERT_RECORD, ASSERT_RECORDS)         \
    static_assert(sizeof(Rec) == (size), #Record " must be " #size " bytes"); \
    }

ASSERT_LAYOUT(CalibrationTable, CALIBRATION_TABLE_FIELDS, 85)
ASSERT_LAYOUT(PressureChannel, PRESSURE_CHANNEL_FIELDS, 115)
ASSERT_LAYOUT(TemperatureChannel, TEMPERATURE_CHANNEL_FIELDS, 108)
ASSERT_LAYOUT(CurrentChannel, CURRENT_CHANNEL_FIELDS, 16)
ASSERT_LAYOUT(GenericChannel, GENERIC_CHANNEL_FIELDS, 109)
ASSERT_LAYOUT(UnitSettings, UNIT_SETTINGS_FIELDS, 2016)
ASSERT_LAYOUT(CalibrationRecord, CALIBRATION_RECORD_FIELDS, 87)
ASSERT_LAYOUT(RetainedState, RETAINED_STATE_FIELDS, 42)
ASSERT_LAYOUT(MinMaxRecord, MIN_MAX_FIELDS, 112)
static_assert(retainedClearOffset == 15 && retainedClearSize == 27);
static_assert(sizeof(CalibrationTable::points) == calibrationPointSlots * 2 * sizeof(uint16_t));

// Defaults: a row with a default writes it into r (of type Rec); a text is zero-padded after its
// terminator because the whole array is initialised. Nested records get their defaults by hand.
#define DEFAULT_FIELD(offset, type, name, ...) __VA_OPT__(r.name = __VA_ARGS__;)
#define DEFAULT_ARRAY(offset, type, count, name, ...)                                         \
    __VA_OPT__({                                                                              \
        const type value[count] = __VA_ARGS__;                                                \
        std::memcpy(reinterpret_cast<char*>(&r) + offsetof(Rec, name), value, sizeof value); \
    })
#define DEFAULT_NONE(...)
#define APPLY_DEFAULTS(TABLE) TABLE(DEFAULT_FIELD, DEFAULT_ARRAY, DEFAULT_NONE, DEFAULT_NONE)

// A text field: the text, then zeros to the end of the field.
template <size_t N>
static void setText(char (&field)[N], const char* text) {
    std::memset(field, 0, N);
    for (size_t i = 0; i + 1 < N && text[i]; i++) field[i] = text[i];
}

// Pressure and temperature senders: value 10k at reading 100k for k = 1..16, the rest unused.
static void setSenderTable(CalibrationTable& t) {
    std::memset(&t, 0, sizeof t);
    t.pointCount = 16;
    for (int k = 1; k <= 16; k++) {
        t.points[2 * (k - 1)] = (uint16_t)(10 * k);
        t.points[2 * (k - 1) + 1] = (uint16_t)(100 * k);
    }
}

// Generic channels: value 0 at reading 0, value 100 at full scale.
static void setGenericTable(CalibrationTable& t) {
    std::memset(&t, 0, sizeof t);
    t.pointCount = 2;
    t.points[2] = 100;
    t.points[3] = 4095;
}

static void applyChannelDefaults(PressureChannel& r) {
    using Rec [[maybe_unused]] = PressureChannel;
    APPLY_DEFAULTS(PRESSURE_CHANNEL_FIELDS)
    setSenderTable(r.calibration);
}

static void applyChannelDefaults(TemperatureChannel& r) {
    using Rec [[maybe_unused]] = TemperatureChannel;
    APPLY_DEFAULTS(TEMPERATURE_CHANNEL_FIELDS)
    setSenderTable(r.calibration);
}

static void applyChannelDefaults(CurrentChannel& r) {
    using Rec [[maybe_unused]] = CurrentChannel;
    APPLY_DEFAULTS(CURRENT_CHANNEL_FIELDS)
}

static void applyChannelDefaults(GenericChannel& r) {
    using Rec [[maybe_unused]] = GenericChannel;
    APPLY_DEFAULTS(GENERIC_CHANNEL_FIELDS)
    setGenericTable(r.calibration);
}

void applySettingsDefaults() {
    using Rec [[maybe_unused]] = UnitSettings;
    Rec& r = unitSettings;
    // Every scalar, text and array of the table, including the slot modes 2, 1, 2, 4, the
    // backlight 31 and the page and waypoint-type flags 1.
    APPLY_DEFAULTS(UNIT_SETTINGS_FIELDS)

    for (int slot = 0; slot < 4; slot++) {
        applyChannelDefaults(r.pressureChannels[slot]);
        applyChannelDefaults(r.temperatureChannels[slot]);
        applyChannelDefaults(r.currentChannels[slot]);
        applyChannelDefaults(r.genericChannels[slot]);
    }
    setText(r.temperatureChannels[0].label, "OILT");
    setText(r.pressureChannels[1].label, "OILP");

    // Fuel pressure: a 0.5-4.5 V sender reading psi in tenths, otherwise the pressure defaults.
    applyChannelDefaults(r.fuelPressureChannel);
    r.fuelPressureChannel.sensorType = 1;
    r.fuelPressureChannel.sender = 2;
    r.fuelPressureChannel.unit = 2;
    setText(r.fuelPressureChannel.label, "FP  ");

    applyChannelDefaults(r.mainCurrentChannel);

    // The fuel arrangement follows from the fuel fields just written; the code that derives it
    // is called here once it exists (power-on derives it again in any case).

    saveSettings();
}

void applyCalibrationDefaults() {
    using Rec [[maybe_unused]] = CalibrationRecord;
    Rec& r = calibration;
    APPLY_DEFAULTS(CALIBRATION_RECORD_FIELDS)  // every field but serialNumber
    saveCalibration();
}

void resetMinMax() {
    // Each minimum and maximum starts again from the present value of its reading, in the unit
    // and scaling shown (RPM in its display mode). A reading is copied here, into both its min
    // and its max field, by the change that brings the code producing it; until then its fields
    // keep their values. Still to come, in record order: bus volts
    // (minVolts, maxVolts), manifold pressure, wind speed,
    // GPS ground speed, RPM 1 and 2, the 12 thermocouples, the pressure, temperature, current
    // and generic readings of the four analog slots, fuel pressure and the main ammeter.
    minMax.maxIas = indicatedAirspeed;
    minMax.maxAltitude = altitude;
    minMax.minOat = oat;
    minMax.maxOat = oat;
    minMax.minG = gForce;
    minMax.maxG = gForce;
    minMax.negativeGCycles = 0;
    minMax.positiveGCycles = 0;
    saveMinMax();
}
