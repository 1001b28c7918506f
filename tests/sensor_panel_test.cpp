// The simulated sensor panel: the control table, the handlers with their labels, the power-on
// seeds and the per-frame attitude and OAT steps.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>

#include "airdata/airdata.h"
#include "ems/engine_speed.h"
#include "fake_platform.h"
#include "host/controls.h"
#include "host/sensor_panel.h"
#include "host/unit.h"
#include "records/records.h"
#include "records/working_state.h"

namespace {

// Moves a control the way a host does: store the position, then run its handler.
void move(FakePlatform& host, const char* name, int32_t position) {
    host.setControl(name, position);
    const HostControl* c = findHostControl(name);
    ASSERT_NE(c, nullptr) << name;
    ASSERT_NE(c->onChange, nullptr) << name;
    c->onChange();
}

TEST(ControlTable, EveryScrollBarHasItsLabelAndHandler) {
    std::set<std::string> names, labels;
    for (int32_t i = 0; i < hostControlCount; i++) {
        const HostControl& c = hostControls[i];
        EXPECT_TRUE(names.insert(c.name).second) << "duplicate " << c.name;
        EXPECT_NE(c.caption[0], 0) << c.name;
        EXPECT_LE(c.sheet, sheetEms) << c.name;
        EXPECT_GE(c.initial, c.minimum) << c.name;
        EXPECT_LE(c.initial, c.maximum) << c.name;
        if (c.kind == ControlKind::ScrollBar) {
            ASSERT_NE(c.label, nullptr) << c.name;
            EXPECT_TRUE(labels.insert(c.label).second) << "label shared: " << c.label;
            EXPECT_NE(c.onChange, nullptr) << c.name;
            EXPECT_EQ(std::strncmp(c.name, "ScrollBar", 9), 0) << c.name;
        } else {
            EXPECT_EQ(c.onChange, nullptr) << c.name;
            EXPECT_EQ(std::strncmp(c.name, "CheckBox", 8), 0) << c.name;
        }
    }
    EXPECT_EQ(findHostControl("ScrollBar99"), nullptr);
    EXPECT_EQ(findHostControl(nullptr), nullptr);
}

class Panel : public ::testing::Test {
  protected:
    FakePlatform host;
    void SetUp() override {
        applySettingsDefaults();
        applyCalibrationDefaults();
        std::memset(&retainedState, 0, sizeof retainedState);
        std::memset(&minMax, 0, sizeof minMax);
        std::memset(&sensorInputs, 0, sizeof sensorInputs);
    }
};

TEST_F(Panel, HandlersStoreTheInputAndShowThePosition) {
    struct Case {
        const char* control;
        int32_t position;
        const char* label;
        const char* shown;
        std::function<int64_t()> stored;
        int64_t want;
    } cases[] = {
        {"ScrollBar1", 10, "Label3", "10", [] { return simPitch; }, 10},
        {"ScrollBar2", -180, "Label4", "-180", [] { return simBank; }, -180},
        {"ScrollBar3", 150, "Label6", "150", [] { return simSlip; }, 150},
        {"ScrollBar4", -1790, "Label7", "-1790", [] { return simTurnRate; }, -1790},
        {"ScrollBar6", -15, "Label12", "-15", [] { return (int64_t)(gForce * 1000.0f); }, -1500},
        {"ScrollBar37", 36000000, "Label74", "0", [] { return simTrackE5; }, 36000000},
        {"ScrollBar37", 35990000, "Label74", "359", [] { return simTrackE5; }, 35990000},
        {"ScrollBar37", 18000000, "Label74", "180", [] { return simTrackE5; }, 18000000},
        {"ScrollBar35", 3, "Label70", "3", [] { return simGpsFix; }, 3},
        {"ScrollBar36", 12000, "Label72", "12000", [] { return simGroundSpeedCms; }, 12000},
        {"ScrollBar39", -90000, "Label79", "-90000", [] { return simLatitudeE7; }, -900000000},
        {"ScrollBar40", 180000, "Label80", "180000", [] { return simLongitudeE7; }, 1800000000},
        {"ScrollBar11", 2240, "Label19", "2240", [] { return oatRaw; }, 2240},
        {"ScrollBar33", 4095, "Label59", "4095", [] { return sensorInputs.mapRaw; }, 4095},
        {"ScrollBar24", 1, "Label48", "1", [] { return sensorInputs.rpm1Raw; }, 1},
        {"ScrollBar10", 3000, "Label17", "3000", [] { return sensorInputs.voltsRaw; }, 3000},
        {"ScrollBar42", 17, "Label84", "17", [] { return sensorInputs.currentRaw; }, 17},
        {"ScrollBar12", -200, "Label35", "-200", [] { return sensorInputs.tcRaw[0]; }, -200},
        {"ScrollBar23", 1200, "Label46", "1200", [] { return sensorInputs.tcRaw[11]; }, 1200},
        {"ScrollBar38", 4096, "Label75", "4096", [] { return sensorInputs.cjcRaw; }, 4096},
        {"ScrollBar29", 65535, "Label57", "65535", [] { return sensorInputs.flow1Raw; }, 65535},
        {"ScrollBar31", 7, "Label62", "7", [] { return sensorInputs.flow2Raw; }, 7},
        {"ScrollBar30", 100, "Label60", "100", [] { return sensorInputs.tank1Raw; }, 100},
        {"ScrollBar32", 200, "Label61", "200", [] { return sensorInputs.tank2Raw; }, 200},
        {"ScrollBar43", 300, "Label86", "300", [] { return sensorInputs.fuelPressureRaw; }, 300},
        {"ScrollBar25", 1, "Label63", "1", [] { return sensorInputs.analogRaw[0]; }, 1},
        {"ScrollBar28", 4095, "Label66", "4095", [] { return sensorInputs.analogRaw[3]; }, 4095},
        // A platform value the scroll bar could never hold is taken at the end of the range.
        {"ScrollBar8", 100000, "Label21", "350", [] { return airspeedInput; }, 350},
        {"ScrollBar9", -40000, "Label22", "-9999", [] { return verticalSpeedFpm; }, -9999},
        {"ScrollBar39", 2000000000, "Label79", "90000", [] { return simLatitudeE7; }, 900000000},
        {"ScrollBar24", 0, "Label48", "1", [] { return sensorInputs.rpm1Raw; }, 1},
    };
    for (Case& c : cases) {
        move(host, c.control, c.position);
        ASSERT_NE(host.label(c.label), nullptr) << c.control;
        EXPECT_STREQ(host.label(c.label), c.shown) << c.control << " at " << c.position;
        EXPECT_EQ(c.stored(), c.want) << c.control << " at " << c.position;
    }
}

TEST_F(Panel, PitchLabelShowsThePositionBeforeTheZeroOffset) {
    pitchZero = 4;
    move(host, "ScrollBar1", 10);
    EXPECT_STREQ(host.label("Label3"), "10");
    EXPECT_EQ(simPitch, 6);
    pitchZero = -3;
    move(host, "ScrollBar1", -90);
    EXPECT_STREQ(host.label("Label3"), "-90");
    EXPECT_EQ(simPitch, -87);
}

TEST_F(Panel, RotorPercentOfFullScale) {
    struct {
        uint32_t fullScale;
        int32_t position, percent;
    } cases[] = {{1000, 1200, 120}, {1000, 1, 0}, {1, 99999, 9999900}, {6000, 3000, 50},
                 {0, 1200, 0},  // settings not yet applied, or a recalled zero: no division
                 {0xFFFFFFFFu, 99999, 0}};
    for (auto& c : cases) {
        unitSettings.rpm2FullScale = c.fullScale;
        move(host, "ScrollBar34", c.position);
        EXPECT_EQ(rpm2, c.position);
        EXPECT_EQ(rpm2Percent, c.percent) << c.position << " of " << c.fullScale;
        EXPECT_EQ(std::to_string(c.position), host.label("Label68"));
    }
}

TEST_F(Panel, FlightInputsRunTheirStepAtOnce) {
    unitSettings.altEncoderResolution = 3;
    move(host, "ScrollBar7", 1234);
    EXPECT_EQ(altitudeFeet, 1234);
    EXPECT_EQ(altitude, 1250);

    unitSettings.vsiUnit = 1;
    move(host, "ScrollBar9", 1000);
    EXPECT_EQ(verticalSpeedFpm, 1000);
    EXPECT_EQ(verticalSpeed, 508);

    unitSettings.speedUnit = 2;
    move(host, "ScrollBar8", 350);
    EXPECT_EQ(indicatedAirspeed, 304);

    unitSettings.compassFilter = 0;
    unitSettings.magVarMode = 1;
    unitSettings.manualMagVar = 20;
    move(host, "ScrollBar5", 350);
    EXPECT_STREQ(host.label("Label10"), "350");
    EXPECT_EQ(magneticHeading, 350);
    EXPECT_EQ(trueHeading, 10);

    move(host, "ScrollBar6", 55);
    EXPECT_EQ(+minMax.positiveGCycles, 1);
}

TEST_F(Panel, PowerOnSeedsOnlyTheInputsItNames) {
    host.setControl("ScrollBar10", 2500);
    host.setControl("ScrollBar11", 1694);
    host.setControl("ScrollBar24", 2400);
    host.setControl("ScrollBar39", 51000);
    host.setControl("ScrollBar40", -1000);
    host.setControl("ScrollBar38", 2240);  // its initial position, never moved
    simPitch = simBank = 0;
    pitchAngle = 33;
    bankAngle = -12;
    int frames = 0;
    host.betweenFrames = [&] {
        if (++frames == 1) Button2Click();
    };
    Button1Click();
    EXPECT_EQ(sensorInputs.voltsRaw, 2500);
    EXPECT_EQ(oatRaw, 1694);
    EXPECT_EQ(sensorInputs.rpm1Raw, 2400);
    EXPECT_STREQ(host.label("Label48"), "2400");
    EXPECT_EQ(simLatitudeE7, 510000000);
    EXPECT_EQ(simLongitudeE7, -10000000);
    EXPECT_STREQ(host.label("Label79"), "51000");
    EXPECT_STREQ(host.label("Label80"), "-1000");
    EXPECT_EQ(sensorInputs.cjcRaw, 0);
    EXPECT_EQ(host.label("Label75"), nullptr);
    EXPECT_EQ(pitchAngle, 0);
    EXPECT_EQ(bankAngle, 0);
    powerOffRequest = 0;
}

TEST_F(Panel, OpenSerialPortSendsTheAttitudeInsteadOfCopyingIt) {
    simPitch = 12, simBank = -5, simSlip = 3, simTurnRate = -40;
    pitchAngle = 1, bankAngle = 2, slipValue = 3, turnRate = -4;
    host.serialIsOpen = true;
    runFrame();
    EXPECT_EQ(host.linesAppended, 4);
    EXPECT_STREQ(host.lastLine, "Turn:-4");
    EXPECT_EQ(pitchAngle, 1);
    EXPECT_EQ(bankAngle, 2);
    host.serialIsOpen = false;
    runFrame();
    EXPECT_EQ(host.linesAppended, 4);
    EXPECT_EQ(pitchAngle, 12);
    EXPECT_EQ(turnRate, -40);
    unitSettings.attitudeSource = 1;
    simPitch = 20;
    runFrame();
    EXPECT_EQ(pitchAngle, 12);
}

TEST_F(Panel, EveryFrameConvertsTheOat) {
    unitSettings.oatUnit = 1;
    oat = 99;
    move(host, "ScrollBar11", 1694);
    EXPECT_EQ(oat, 99);  // the OAT is a per-frame step, not the handler's
    runFrame();
    EXPECT_EQ(oatCelsius, 0);
    EXPECT_EQ(oat, 32);
}

}  // namespace
