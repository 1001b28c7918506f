// The unit's records: settings, calibration, retained working state and min/max. Each is packed
// (no gaps, no alignment) and little-endian, so its bytes are the image that the card holds.
//
// A recalled image can hold any value: a settings file is copied in as it stands, so every field
// may carry any bit pattern. Bound fields at the point of use: clamp a field used as an index or
// a count to its table, guard a division by it, read a text only within its field (a full field
// may have no terminator), and never trust an enumeration to be one of its options.
//
// Multi-byte fields are unaligned: read and write them directly (unitSettings.vne = 220), but
// never bind a reference or a pointer to one. The compiler refuses a non-const reference, yet
// silently binds a const one: std::min(unitSettings.vne, x), std::clamp or a test's EXPECT_EQ
// then read the field misaligned, which the sanitizer build stops on. Pass a copy instead
// (uint16_t vne = unitSettings.vne; or +unitSettings.vne). Nested records, byte fields and
// texts have alignment 1 and bind freely.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>

#include "records/record_fields.h"

static_assert(std::endian::native == std::endian::little, "the records are little-endian images");

#define RECORD_DECLARE_FIELD(offset, type, name, ...) type name;
#define RECORD_DECLARE_ARRAY(offset, type, count, name, ...) type name[count];
#define RECORD_DECLARE_RECORD(offset, type, name) type name;
#define RECORD_DECLARE_RECORDS(offset, type, count, name) type name[count];
#define RECORD_DECLARE(TABLE) \
    TABLE(RECORD_DECLARE_FIELD, RECORD_DECLARE_ARRAY, RECORD_DECLARE_RECORD, RECORD_DECLARE_RECORDS)

#pragma pack(push, 1)
struct CalibrationTable { RECORD_DECLARE(CALIBRATION_TABLE_FIELDS) };
struct PressureChannel { RECORD_DECLARE(PRESSURE_CHANNEL_FIELDS) };
struct TemperatureChannel { RECORD_DECLARE(TEMPERATURE_CHANNEL_FIELDS) };
struct CurrentChannel { RECORD_DECLARE(CURRENT_CHANNEL_FIELDS) };
struct GenericChannel { RECORD_DECLARE(GENERIC_CHANNEL_FIELDS) };
struct UnitSettings { RECORD_DECLARE(UNIT_SETTINGS_FIELDS) };
struct CalibrationRecord { RECORD_DECLARE(CALIBRATION_RECORD_FIELDS) };
struct RetainedState { RECORD_DECLARE(RETAINED_STATE_FIELDS) };
struct MinMaxRecord { RECORD_DECLARE(MIN_MAX_FIELDS) };
#pragma pack(pop)

extern UnitSettings unitSettings;       // every setting, edited in place by the setup pages
extern CalibrationRecord calibration;  // sensor calibration, serial number, calibration date
extern RetainedState retainedState;    // working state kept across pages (see working_state.h)
extern MinMaxRecord minMax;            // lowest and highest readings since the last reset

// Number of points a CalibrationTable has room for.
constexpr uint8_t calibrationPointSlots = 21;

// Power-on clears the bytes from pitchZero through airframeHours together.
constexpr size_t retainedClearOffset = offsetof(RetainedState, pitchZero);
constexpr size_t retainedClearSize =
    offsetof(RetainedState, airframeHours) + sizeof(RetainedState::airframeHours) - retainedClearOffset;

// Every default of the settings record, the analog channels with their calibration tables, then
// saveSettings. Called at power-on after loadSettings.
void applySettingsDefaults();
// Every default of the calibration record except the serial number, then saveCalibration.
void applyCalibrationDefaults();
// Starts the min/max record again from the present readings, then saveMinMax.
void resetMinMax();
