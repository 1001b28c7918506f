// The window's GPS port end to end: NMEA written into one end of a pseudo-terminal pair reaches
// the GPS state through the serial port, its receive event and the running unit's frames.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <pty.h>
#include <string>
#include <unistd.h>

#include "host/gps_link.h"
#include "host/qt/main_window.h"
#include "host/unit.h"
#include "ui/page.h"
#include "nav/gps_state.h"

namespace {

std::string nmeaLine(const std::string& body) {
    unsigned sum = 0;
    for (char c : body)
        sum ^= (unsigned char)c;
    char check[8];
    std::snprintf(check, sizeof check, "*%02X\r\n", sum);
    return "$" + body + check;
}

// A pseudo-terminal pair: the test writes into the controller, the window opens the other end.
struct PtyPair {
    int controller = -1, device = -1;
    std::string name;
    PtyPair() {
        char path[256];
        if (openpty(&controller, &device, path, nullptr, nullptr) == 0) name = path;
    }
    ~PtyPair() {
        if (controller >= 0) close(controller);
        if (device >= 0) close(device);
    }
    void write(const std::string& bytes) const {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::write(controller, bytes.data() + done, bytes.size() - done);
            if (n <= 0) break;
            done += (size_t)n;
        }
    }
};

QPushButton* button(TfrmMain& w, const char* name) { return w.findChild<QPushButton*>(name); }

// Runs the unit ("&On") while `during` is called every 10 ms; "&Off" once it returns true or
// after twenty seconds. A soft key ends each start-up screen, so the frame loop starts at once.
void runUnitUntil(TfrmMain& w, const std::function<bool()>& during) {
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (keyCode == 0) QTest::mouseClick(w.findChild<QWidget*>("Image2"), Qt::LeftButton);
        if (during() || clock.elapsed() > 20000) QTest::mouseClick(button(w, "Button2"), Qt::LeftButton);
    });
    poll.start(10);
    QTest::mouseClick(button(w, "Button1"), Qt::LeftButton);
}

TEST(GpsPort, SentencesOnThePortMoveTheGpsState) {
    PtyPair pty;
    ASSERT_FALSE(pty.name.empty()) << "openpty failed";
    HostOptions options;
    options.gpsPort = pty.name;
    TfrmMain w(options);
    w.show();
    QLabel* label = w.findChild<QLabel*>("GpsPortLabel");
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->text().contains(QString::fromStdString(pty.name)));
    EXPECT_TRUE(label->text().contains("not connected"));
    ASSERT_TRUE(button(w, "Button5") && button(w, "Button12"));
    // Shown on the GPS sheet (the unit's own layout hides them).
    EXPECT_FALSE(button(w, "Button5")->isHidden());
    EXPECT_TRUE(w.PageControl1->widget(3)->isAncestorOf(button(w, "Button5")));

    QTest::mouseClick(button(w, "Button5"), Qt::LeftButton);
    ASSERT_TRUE(w.ComPort1->isOpen()) << w.ComPort1->errorString().toStdString();
    EXPECT_EQ(w.ComPort1->baudRate(), 9600);
    EXPECT_TRUE(label->text().contains("connected, 9600 baud"));

    gpsPositionValid = 0;
    gpsLatitude = gpsLongitude = 0;
    // Many sentences in one write: one readyRead for all of them, more than one read of the port
    // when the filler is large.
    std::string burst = std::string(3000, ' ') +
                        nmeaLine("GPGSA,A,3,05,06,07,10,16,21,23,24,30,31,,,1.7,1.1,1.2") +
                        nmeaLine("GPRMC,143748.77,A,4806.3731,N,00138.6217,W,85.0,266.5,121007,2.6,W,A") +
                        nmeaLine("GPGGA,143748.77,4806.3731,N,00138.6217,W,1,10,1.1,42.2,M,48.5,M,,");
    bool written = false;
    runUnitUntil(w, [&] {
        if (!written) {
            pty.write(burst);
            written = true;
        }
        return gpsPositionValid == 1 && gpsAltitudeMetres == 42 && gpsLatitude != 0;
    });
    EXPECT_EQ(unitRunning, 0);
    EXPECT_EQ(gpsFixMode, 3);
    EXPECT_NEAR(gpsLatitude, 48.106218, 2e-5);
    EXPECT_NEAR(gpsLongitude, -1.643695, 2e-5);
    EXPECT_EQ(gpsSpeedMph, 97);
    EXPECT_EQ(gpsTrackTrue, 266);
    EXPECT_EQ(gpsAltitudeMetres, 42);

    QTest::mouseClick(button(w, "Button12"), Qt::LeftButton);
    EXPECT_FALSE(w.ComPort1->isOpen());
    EXPECT_TRUE(label->text().contains("not connected"));
}

TEST(GpsPort, AMissingPortIsReportedAndTheUnitRunsOn) {
    HostOptions options;
    options.gpsPort = "/dev/efis-no-such-port";
    TfrmMain w(options);
    w.show();
    uint32_t framesAfterClick = 0;
    bool clicked = false;
    runUnitUntil(w, [&] {
        if (!clicked) {
            QTest::mouseClick(button(w, "Button5"), Qt::LeftButton);
            clicked = true;
            framesAfterClick = frameCount;
        }
        return clicked && frameCount > framesAfterClick + 100;
    });
    ASSERT_TRUE(clicked);
    EXPECT_GT(frameCount, framesAfterClick + 100);
    EXPECT_FALSE(w.ComPort1->isOpen());
    EXPECT_TRUE(w.StatusBar1->currentMessage().contains("Cannot open the GPS port /dev/efis-no-such-port"));
    QMessageBox* box = w.findChild<QMessageBox*>("GpsPortMessage");
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->text().contains("/dev/efis-no-such-port"));
}

} // namespace
