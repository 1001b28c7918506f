// The sensor panel in the Qt window: every control on its sheet with caption, range, initial
// position and label; building the window runs no handler; moving a bar runs its handler.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <cstring>

#include "airdata/airdata.h"
#include "ems/engine_speed.h"
#include "host/controls.h"
#include "host/qt/main_window.h"
#include "host/sensor_panel.h"
#include "nav/gps_state.h"

namespace {

bool hasCaptionBeside(QWidget* control, const char* caption) {
    for (QLabel* l : control->parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (l->text() == QString::fromLatin1(caption)) return true;
    return false;
}

TEST(SensorPanelWindow, BuildingTheWindowRunsNoHandler) {
    std::memset(&sensorInputs, 0, sizeof sensorInputs);
    rpm2 = -1;
    simPitch = 77;
    altitudeFeet = 12345;
    HostOptions options;
    TfrmMain w(options);
    EXPECT_EQ(sensorInputs.rpm1Raw, 0);  // the RPM bar starts at 31000
    EXPECT_EQ(sensorInputs.cjcRaw, 0);   // the CJC bar starts at 2240
    EXPECT_EQ(rpm2, -1);
    EXPECT_EQ(simPitch, 77);
    EXPECT_EQ(altitudeFeet, 12345);
}

TEST(SensorPanelWindow, EveryControlOnItsSheetWithCaptionRangeAndLabel) {
    HostOptions options;
    TfrmMain w(options);
    for (int32_t i = 0; i < hostControlCount; i++) {
        const HostControl& hc = hostControls[i];
        QWidget* sheet = w.PageControl1->widget(hc.sheet);
        ASSERT_TRUE(sheet) << hc.name;
        if (hc.kind == ControlKind::CheckBox) {
            QCheckBox* box = sheet->findChild<QCheckBox*>(hc.name);
            ASSERT_TRUE(box) << hc.name;
            EXPECT_EQ(box->text(), QString::fromLatin1(hc.caption));
            EXPECT_EQ(box->isChecked(), hc.initial != 0) << hc.name;
            EXPECT_EQ(w.readControl(hc.name), hc.initial) << hc.name;
            continue;
        }
        QScrollBar* bar = sheet->findChild<QScrollBar*>(hc.name);
        ASSERT_TRUE(bar) << hc.name;
        EXPECT_EQ(bar->minimum(), hc.minimum) << hc.name;
        EXPECT_EQ(bar->maximum(), hc.maximum) << hc.name;
        EXPECT_EQ(bar->value(), hc.initial) << hc.name;
        EXPECT_EQ(bar->orientation(), Qt::Horizontal) << hc.name;
        if (hc.step) {
            EXPECT_EQ(bar->singleStep(), hc.step) << hc.name;
            EXPECT_EQ(bar->pageStep(), hc.step) << hc.name;
        }
        EXPECT_TRUE(hasCaptionBeside(bar, hc.caption)) << hc.name << " " << hc.caption;
        QLabel* label = sheet->findChild<QLabel*>(hc.label);
        ASSERT_TRUE(label) << hc.label;
        char text[16];
        controlLabelText(hc, hc.initial, text, sizeof text);
        EXPECT_EQ(label->text(), QString::fromLatin1(text)) << hc.label;
    }
    EXPECT_EQ(w.PageControl1->tabText(sheetFlight), "Flight Instruments/GPS");
    EXPECT_EQ(w.PageControl1->tabText(sheetEms), "EMS");
}

TEST(SensorPanelWindow, MovingABarRunsItsHandlerAndSetsItsLabel) {
    HostOptions options;
    TfrmMain w(options);
    QScrollBar* altitudeBar = w.findChild<QScrollBar*>("ScrollBar7");
    ASSERT_TRUE(altitudeBar);
    altitudeBar->setValue(1234);
    EXPECT_EQ(altitudeFeet, 1234);
    EXPECT_EQ(w.findChild<QLabel*>("Label20")->text(), "1234");
    altitudeBar->setValue(99999);  // the bar keeps its own range
    EXPECT_EQ(altitudeFeet, 30000);

    QScrollBar* track = w.findChild<QScrollBar*>("ScrollBar37");
    track->setValue(36000000);
    EXPECT_EQ(w.findChild<QLabel*>("Label74")->text(), "0");
    EXPECT_EQ(internalVelocity.headingE5, 36000000);

    w.findChild<QScrollBar*>("ScrollBar38")->setValue(100);
    EXPECT_EQ(sensorInputs.cjcRaw, 100);
    EXPECT_EQ(w.findChild<QLabel*>("Label75")->text(), "100");

    w.findChild<QCheckBox*>("CheckBox7")->setChecked(true);
    EXPECT_EQ(w.readControl("CheckBox7"), 1);
}

}  // namespace
