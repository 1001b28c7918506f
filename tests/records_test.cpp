// The records' byte images after the defaults, the power-on working state, the min/max reset and
// the registry that prints any field by name.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "host/state_registry.h"
#include "host/unit.h"
#include "records/persistence.h"
#include "records/working_state.h"
#include "ui/page.h"

// Multi-byte fields are compared by value (unary +): EXPECT_EQ takes references, and a reference
// to a packed field would read it misaligned.
namespace {

std::vector<uint8_t> bytesOf(const void* record, size_t offset, size_t count) {
    const uint8_t* p = static_cast<const uint8_t*>(record) + offset;
    return std::vector<uint8_t>(p, p + count);
}

template <typename Record>
std::vector<uint8_t> imageOf(const Record& r) {
    return bytesOf(&r, 0, sizeof r);
}

// Defaults written over a record full of 0xFF.
void defaultsOverGarbage() {
    std::memset(&unitSettings, 0xFF, sizeof unitSettings);
    std::memset(&calibration, 0xFF, sizeof calibration);
    applySettingsDefaults();
    applyCalibrationDefaults();
}

std::string printed(const std::string& name) {
    char text[512];
    if (!formatState(name.c_str(), text, sizeof text)) return "<unknown>";
    return text;
}

std::string slotName(const char* array, int slot, const char* field) {
    char name[96];
    std::snprintf(name, sizeof name, "unitSettings.%s[%d].%s", array, slot, field);
    return name;
}

struct Bytes {
    size_t offset;
    std::vector<uint8_t> expected;
    const char* what;
};

TEST(SettingsDefaults, MultiByteFieldsAreLittleEndianAtTheirOffsets) {
    defaultsOverGarbage();
    const Bytes cases[] = {
        {0, {0x32, 0x01}, "firmwareVersion 306"},
        {24, {0xCE, 0xFF}, "oatDisplayMin -50"},
        {47, {0xDC, 0x00}, "vne 220"},
        {103, {0x70, 0x17, 0x00, 0x00}, "rpm1FullScale 6000"},
        {1241, {0x29, 0x03, 0xA8, 0x02, 0x08, 0x02, 0xAB, 0x01, 0x64, 0x01, 0xFB, 0x00}, "tank1Calibration"},
        {1409, {0xB0, 0x04}, "squawkCode 1200"},
        {1521, {0x01, 0x00, 0x00, 0x00}, "apReserved1521 1 as uint32"},
        {1527, {0x01, 0x00}, "apReserved1527 1 as uint16"},
        {1552, {0x64, 0x00, 0x9C, 0xFF, 0xBA, 0xFF, 0x46, 0x00}, "gForceReserved"},
        {1562, {0xCE, 0xFF}, "gNegativeCycle -50"},
        // fuelPressureChannel: VOLTAGE, 0.5-4.5V, psi(0.1), 0..100, "FP  "
        {1278, {0x01, 0x02, 0x02, 0x00, 0x00, 0x64, 0x00, 'F', 'P', ' ', ' ', 0, 0, 0}, "fuelPressureChannel head"},
        // pressureChannels[0]: RESISTIVE, VDO, bar, then its 16-point table from byte 30
        {228, {0x00, 0x01, 0x00, 0x00, 0x00, 0x64, 0x00, 'A', 'U', 'X', ' ', 0, 0, 0}, "pressureChannels[0] head"},
        {228 + 30, {16, 10, 0, 100, 0, 20, 0, 200, 0}, "pressureChannels[0] table start"},
        {228 + 30 + 1 + 15 * 4, {160, 0, 0x40, 0x06, 0, 0}, "pressureChannels[0] 16th point, then empty"},
        // genericChannels[3] table: (0, 0), (100, 4095); the record ends the image
        {1580 + 3 * 109 + 24, {2, 0, 0, 0, 0, 0x64, 0x00, 0xFF, 0x0F, 0, 0}, "genericChannels[3] table"},
        // mainCurrentChannel: 50, -50, -40 on, 40, -30, 30 on, gain 315
        {1485, {0x32, 0x00, 0xCE, 0xFF, 0xD8, 0xFF, 0x01, 0x28, 0x00, 0xE2, 0xFF, 0x1E, 0x00, 0x01, 0x3B, 0x01},
         "mainCurrentChannel"},
    };
    for (const Bytes& c : cases)
        EXPECT_EQ(bytesOf(&unitSettings, c.offset, c.expected.size()), c.expected) << c.what;
}

TEST(CalibrationDefaults, ImageBytesAndTheSpareByte) {
    defaultsOverGarbage();
    const Bytes cases[] = {
        {4, {0x00, 0x00, 0x10, 0x27}, "altitudeOffset 0, calReserved6 10000"},
        {16, {0xA0, 0x86, 0x01, 0x00}, "staticHighReal 100000"},
        {47, {0x00, 0x08, 0x00, 0x08, 0x00, 0x08, 0x00, 0x08, 0x00, 0x08}, "currentZero 2048 each"},
        {59, {0x24, 0x97, 0x7F, 0x3B}, "accelScaleX float 0.0039"},
        {71, {0x24, 0x97, 0x7F, 0x3B}, "accelScaleZ float 0.0039"},
        {75, {'0', '1', '/', '0', '1', '/', '2', '0', '2', '2', 0, 0}, "calibrationDate, terminator, spare byte"},
    };
    for (const Bytes& c : cases)
        EXPECT_EQ(bytesOf(&calibration, c.offset, c.expected.size()), c.expected) << c.what;
}

TEST(SettingsDefaults, EveryByteIsWrittenWhateverWasThere) {
    std::memset(&unitSettings, 0, sizeof unitSettings);
    std::memset(&calibration, 0, sizeof calibration);
    applySettingsDefaults();
    applyCalibrationDefaults();
    std::vector<uint8_t> settingsFromZero = imageOf(unitSettings);
    std::vector<uint8_t> calibrationFromZero = imageOf(calibration);

    defaultsOverGarbage();
    EXPECT_EQ(imageOf(unitSettings), settingsFromZero);
    // The serial number is the only part of the calibration record the defaults leave alone.
    std::vector<uint8_t> cal = imageOf(calibration);
    EXPECT_EQ(std::vector<uint8_t>(cal.begin(), cal.begin() + 4), std::vector<uint8_t>(4, 0xFF));
    EXPECT_EQ(std::vector<uint8_t>(cal.begin() + 4, cal.end()),
              std::vector<uint8_t>(calibrationFromZero.begin() + 4, calibrationFromZero.end()));
}

TEST(SettingsDefaults, TextsAreZeroPaddedToTheEndOfTheirField) {
    registerAllState();
    defaultsOverGarbage();
    struct Text {
        std::string name;
        std::string text;
    };
    std::vector<Text> texts = {
        {"unitSettings.voltsLabel", "BAT "},
        {"unitSettings.rpm1Label", "ENGINE"},
        {"unitSettings.rpm2Label", "ROTOR "},
        {"unitSettings.aircraftRegistration", "REG NO  "},
        {"unitSettings.aircraftCallSign", "CALLSIGN"},
        {"unitSettings.infoFilePath", ""},
        {"unitSettings.fuelPressureChannel.label", "FP  "},
        {"calibration.calibrationDate", "01/01/2022"},
    };
    const char* pressureLabels[4] = {"AUX ", "OILP", "AUX ", "AUX "};
    const char* temperatureLabels[4] = {"OILT", "AUX ", "AUX ", "AUX "};
    for (int slot = 0; slot < 4; slot++) {
        texts.push_back({slotName("pressureChannels", slot, "label"), pressureLabels[slot]});
        texts.push_back({slotName("temperatureChannels", slot, "label"), temperatureLabels[slot]});
        texts.push_back({slotName("genericChannels", slot, "label"), "GEN "});
        texts.push_back({slotName("genericChannels", slot, "unitLabel"), "%  "});
    }
    for (const Text& t : texts) {
        const StateEntry* e = findState(t.name.c_str());
        ASSERT_NE(e, nullptr) << t.name;
        ASSERT_EQ(e->type, StateType::Text) << t.name;
        ASSERT_LT(t.text.size(), e->count) << t.name << ": the terminator must fit";
        std::vector<uint8_t> expected(e->count, 0);
        std::memcpy(expected.data(), t.text.data(), t.text.size());
        EXPECT_EQ(bytesOf(e->address, 0, e->count), expected) << t.name;
    }
}

TEST(SettingsDefaults, PerSlotChannelsAndTheirTables) {
    defaultsOverGarbage();
    const UnitSettings& s = unitSettings;
    EXPECT_EQ(s.oilTempInputMode, 2);
    EXPECT_EQ(s.oilPressInputMode, 1);
    EXPECT_EQ(s.aux1InputMode, 2);
    EXPECT_EQ(s.aux2InputMode, 4);
    for (int slot = 0; slot < 4; slot++) {
        SCOPED_TRACE(slot);
        // Apart from the two labels, the slots of one kind are alike.
        if (slot != 1) {
            EXPECT_EQ(imageOf(s.pressureChannels[slot]), imageOf(s.pressureChannels[0]));
        }
        if (slot != 0) {
            EXPECT_EQ(imageOf(s.temperatureChannels[slot]), imageOf(s.temperatureChannels[1]));
        }
        EXPECT_EQ(imageOf(s.currentChannels[slot]), imageOf(s.mainCurrentChannel));
        EXPECT_EQ(imageOf(s.genericChannels[slot]), imageOf(s.genericChannels[0]));
        EXPECT_EQ(s.temperatureChannels[slot].sender, 1);
        EXPECT_EQ(+s.temperatureChannels[slot].highAlarm, 135);
        EXPECT_EQ(+s.genericChannels[slot].highCaution, 80);
    }
    EXPECT_EQ(std::memcmp(s.pressureChannels[1].label, "OILP", 5), 0);
    size_t afterLabel = offsetof(PressureChannel, displayMax);
    EXPECT_EQ(bytesOf(&s.pressureChannels[1], afterLabel, sizeof(PressureChannel) - afterLabel),
              bytesOf(&s.pressureChannels[0], afterLabel, sizeof(PressureChannel) - afterLabel));
    EXPECT_EQ(std::memcmp(s.temperatureChannels[0].label, "OILT", 5), 0);

    // Pressure and temperature senders: 16 points (10k, 100k), then 5 empty point slots.
    const CalibrationTable* senderTables[] = {&s.pressureChannels[2].calibration, &s.temperatureChannels[3].calibration,
                                              &s.fuelPressureChannel.calibration};
    for (const CalibrationTable* t : senderTables) {
        EXPECT_EQ(t->pointCount, 16);
        for (int i = 0; i < calibrationPointSlots; i++) {
            uint16_t value = t->points[2 * i], reading = t->points[2 * i + 1];
            EXPECT_EQ(value, i < 16 ? 10 * (i + 1) : 0) << "point " << i;
            EXPECT_EQ(reading, i < 16 ? 100 * (i + 1) : 0) << "point " << i;
        }
    }
    EXPECT_EQ(s.genericChannels[1].calibration.pointCount, 2);
    EXPECT_EQ(s.backlight, 31);
    for (size_t i = offsetof(UnitSettings, showEfisPage); i <= offsetof(UnitSettings, waypointAlertDistance); i++)
        EXPECT_EQ(bytesOf(&s, i, 1)[0], 1) << "byte " << i;
    EXPECT_EQ(offsetof(UnitSettings, waypointAlertDistance) - offsetof(UnitSettings, showEfisPage), 14u);
}

TEST(WorkingState, PlainNamesAreTheRetainedFields) {
    std::memset(&retainedState, 0, sizeof retainedState);
    baroSetting = 1013250;
    headingBug = -2;  // odd offset: an unaligned field written through its plain name
    airframeHours = 0x1234;
    serialNumber = 7654321;
    EXPECT_EQ(bytesOf(&retainedState, 8, 4), (std::vector<uint8_t>{0x02, 0x76, 0x0F, 0x00}));
    EXPECT_EQ(bytesOf(&retainedState, 13, 2), (std::vector<uint8_t>{0xFE, 0xFF}));
    EXPECT_EQ(bytesOf(&retainedState, 40, 2), (std::vector<uint8_t>{0x34, 0x12}));
    EXPECT_EQ(bytesOf(&calibration, 0, 4), (std::vector<uint8_t>{0xB1, 0xCB, 0x74, 0x00}));
    headingBug += 3;
    EXPECT_EQ(+headingBug, 1);

    registerAllState();
    EXPECT_EQ(printed("baroSetting"), "1013250");
    EXPECT_EQ(printed("retainedState.baroSetting"), "1013250");
    EXPECT_EQ(printed("headingBug"), "1");
    EXPECT_EQ(printed("serialNumber"), "7654321");
    EXPECT_EQ(printed("calibration.serialNumber"), "7654321");
}

TEST(PowerOn, DefaultsWorkingStateAndTheTwentySevenByteClear) {
    FakePlatform host;
    host.betweenFrames = [] {
        keyCode = 1;  // ends any start-up screen at once
        powerOffRequest = 1;
    };
    std::memset(&unitSettings, 0x5A, sizeof unitSettings);
    std::memset(&retainedState, 0xAB, sizeof retainedState);
    std::memset(&minMax, 0x11, sizeof minMax);
    std::memset(&calibration, 0x77, sizeof calibration);
    serialNumber = 1234567;

    Button1Click();

    EXPECT_EQ(+serialNumber, 1234567u) << "kept across power cycles";
    std::vector<uint8_t> settingsAfterPowerOn = imageOf(unitSettings);
    std::vector<uint8_t> calibrationAfterPowerOn = imageOf(calibration);
    std::memset(&unitSettings, 0, sizeof unitSettings);
    applySettingsDefaults();
    applyCalibrationDefaults();
    EXPECT_EQ(settingsAfterPowerOn, imageOf(unitSettings));
    EXPECT_EQ(calibrationAfterPowerOn, imageOf(calibration));

    const uint8_t head[] = {
        0,                       // displayPage
        0xAB, 0xAB, 0xAB,        // vfrSubView, vfrEmsSubView, altitudeBugShown: not touched
        0xE8, 0x03, 0x00, 0x00,  // altitudeBug 1000
        0x02, 0x76, 0x0F, 0x00,  // baroSetting 1013250
        0xAB,                    // headingBugShown: not touched
        0x00, 0x00,              // headingBug 0
    };
    std::vector<uint8_t> expected(sizeof(RetainedState), 0);  // then pitchZero through airframeHours: 27 zeros
    std::memcpy(expected.data(), head, sizeof head);
    EXPECT_EQ(imageOf(retainedState), expected);
    EXPECT_EQ(+minMax.positiveGCycles, 0);
    EXPECT_EQ(+minMax.negativeGCycles, 0);
}

TEST(MinMax, ResetStartsTheCycleCountsAgain) {
    minMax.positiveGCycles = 12;
    minMax.negativeGCycles = -3;
    resetMinMax();
    EXPECT_EQ(+minMax.positiveGCycles, 0);
    EXPECT_EQ(+minMax.negativeGCycles, 0);
}

TEST(Registry, EveryTopLevelFieldIsRegisteredAtItsOffset) {
    registerAllState();
    struct Top {
        const char* prefix;
        const void* record;
    };
#define CHECK_ROW(offset, type, name, ...)                                          \
    {                                                                               \
        const StateEntry* e = findState((std::string(prefix) + "." #name).c_str()); \
        ASSERT_NE(e, nullptr) << prefix << "." #name;                               \
        EXPECT_EQ(e->address, static_cast<const char*>(record) + (offset)) << #name;  \
    }
#define CHECK_ARRAY_ROW(offset, type, count, name, ...) CHECK_ROW(offset, type, name)
#define SKIP_ROW(...)
    {
        const char* prefix = "unitSettings";
        const void* record = &unitSettings;
        UNIT_SETTINGS_FIELDS(CHECK_ROW, CHECK_ARRAY_ROW, SKIP_ROW, SKIP_ROW)
    }
    {
        const char* prefix = "calibration";
        const void* record = &calibration;
        CALIBRATION_RECORD_FIELDS(CHECK_ROW, CHECK_ARRAY_ROW, SKIP_ROW, SKIP_ROW)
    }
    {
        const char* prefix = "minMax";
        const void* record = &minMax;
        MIN_MAX_FIELDS(CHECK_ROW, CHECK_ARRAY_ROW, SKIP_ROW, SKIP_ROW)
    }
}

TEST(Registry, PrintsFieldsOfNestedRecordsByName) {
    registerAllState();
    defaultsOverGarbage();
    struct Case {
        const char* name;
        const char* value;
    } cases[] = {
        {"unitSettings.vne", "220"},
        {"unitSettings.oatDisplayMin", "-50"},
        {"unitSettings.tank2Calibration", "809,680,520,427,356,251"},
        {"unitSettings.pressureChannels[1].label", "OILP"},
        {"unitSettings.pressureChannels[3].calibration.pointCount", "16"},
        {"unitSettings.genericChannels[3].calibration.pointCount", "2"},
        {"unitSettings.currentChannels[2].gain", "315"},
        {"unitSettings.mainCurrentChannel.lowAlarm", "-40"},
        {"calibration.calibrationDate", "01/01/2022"},
        {"calibration.accelScaleY", "0.0039"},
        {"minMax.maxTc", "0,0,0,0,0,0,0,0,0,0,0,0"},
        {"unitSettings.pressureChannels[4].label", "<unknown>"},
        {"unitSettings.noSuchField", "<unknown>"},
        {"unitSettings", "<unknown>"},
    };
    std::memset(&minMax, 0, sizeof minMax);
    for (const Case& c : cases) EXPECT_EQ(printed(c.name), c.value) << c.name;
}

}  // namespace
