// The Qt window under the offscreen platform: its controls, the key path and power control.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "host/qt/main_window.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/presenter.h"
#include "host/unit.h"
#include "ui/page.h"

namespace {

class Window : public ::testing::Test {};

TEST_F(Window, HasTheUnitsControlsAtTheirPlaces) {
    HostOptions options;
    TfrmMain w(options);
    EXPECT_EQ(w.windowTitle(), "Talvor EFIS Generation 3 Simulator");
    EXPECT_EQ(w.centralWidget()->size(), QSize(1070, 496));
    EXPECT_EQ(w.Panel1->geometry(), QRect(34, 65, 480, 273));
    EXPECT_EQ(w.PageControl1->geometry(), QRect(552, 0, 513, 473));
    EXPECT_EQ(w.PageControl1->count(), 4);
    EXPECT_EQ(w.PageControl1->tabText(0), "AHRS&&Compass");
    struct {
        const char* name;
        QRect place;
    } places[] = {{"Image2", {24, 416, 41, 41}},  {"Image7", {344, 416, 41, 41}}, {"Image8", {464, 400, 49, 49}},
                  {"Button3", {456, 448, 25, 25}}, {"Button4", {496, 448, 27, 25}}, {"Button1", {344, 16, 75, 25}},
                  {"Button2", {440, 16, 75, 25}}, {"Shape1", {48, 16, 25, 25}}};
    for (auto& p : places) {
        QWidget* c = w.findChild<QWidget*>(p.name);
        ASSERT_TRUE(c) << p.name;
        EXPECT_EQ(c->geometry(), p.place) << p.name;
    }
}

TEST_F(Window, SoftKeyThreeThenPlusGiveCodesThreeAndSeven) {
    HostOptions options;
    TfrmMain w(options);
    w.show();
    keyCode = 0;
    QTest::mouseClick(w.findChild<QWidget*>("Image4"), Qt::LeftButton);
    EXPECT_EQ(keyCode, 3);
    QTest::mouseClick(w.findChild<QPushButton*>("Button3"), Qt::LeftButton);
    EXPECT_EQ(keyCode, 3);  // dropped while 3 is pending
    keyCode = 0;
    QTest::mouseClick(w.findChild<QPushButton*>("Button3"), Qt::LeftButton);
    EXPECT_EQ(keyCode, 7);
    keyCode = 0;
}

TEST_F(Window, OnRunsFramesIntoThePanelAndOffEndsTheLoop) {
    HostOptions options;
    TfrmMain w(options);
    w.show();
    // "&Off" arrives from the window's own events while the loop runs.
    QTimer::singleShot(300, [&] { QTest::mouseClick(w.findChild<QPushButton*>("Button2"), Qt::LeftButton); });
    uint32_t before = frameCount;
    QTest::mouseClick(w.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_EQ(unitRunning, 0);
    EXPECT_GT(frameCount, before);
    // The presented frame reached the panel's image in the palette's colours.
    EXPECT_EQ(w.Panel1->image.pixel(0, 0), presenterArgb(paletteRgb[frameBuffer[0]]));
}

TEST_F(Window, ClosingTheWindowWhileRunningEndsTheLoop) {
    HostOptions options;
    TfrmMain w(options);
    w.show();
    QTimer::singleShot(200, [&] { w.close(); });
    QTest::mouseClick(w.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_EQ(unitRunning, 0);
    EXPECT_FALSE(w.isVisible());
    hostClosing = 0;
}

}  // namespace
