// TfrmMain: the simulator window with the unit's bezel, screen, keys, power buttons and panel.
#pragma once
#include <QElapsedTimer>
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include "host/options.h"
#include "host/platform.h"

class QLabel;
class QPlainTextEdit;
class QSerialPort;
class QStatusBar;
class QTabWidget;

// Panel1: shows the presented frame unscaled at its top-left corner.
class DisplayPanel : public QWidget {
    Q_OBJECT
  public:
    explicit DisplayPanel(QWidget* parent);
    QImage image;  // the last presented frame
  protected:
    void paintEvent(QPaintEvent*) override;
};

// Shape1: the round alarm lamp.
class AlarmLamp : public QWidget {
    Q_OBJECT
  public:
    explicit AlarmLamp(QWidget* parent);
    void setLit(bool lit);
    bool lit = false;
  protected:
    void paintEvent(QPaintEvent*) override;
};

// An invisible click area over a key of the bezel picture.
class ClickArea : public QWidget {
    Q_OBJECT
  public:
    ClickArea(QWidget* parent, void (*handler)());
  protected:
    void mousePressEvent(QMouseEvent*) override;
  private:
    void (*handler)();
};

class TfrmMain : public QMainWindow, public Platform {
    Q_OBJECT
  public:
    explicit TfrmMain(const HostOptions& options);
    ~TfrmMain() override;

    // Platform
    void presentFrame() override;
    void processHostEvents() override;
    void messageBox(const char* text) override;
    void appendLine(TextWindow window, const char* line) override;
    void setAlarmLamp(bool lit) override;
    int32_t readControl(const char* name) override;
    void setLabel(const char* name, const char* text) override;
    int64_t utcNow() override;
    bool serialOpen() override;
    void serialClose() override;
    bool serialConnected() override;
    void serialSetBaud(int32_t baud) override;
    int32_t serialRead(uint8_t* buffer, int32_t maxBytes) override;

    DisplayPanel* Panel1;
    AlarmLamp* Shape1;
    QTabWidget* PageControl1;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QStatusBar* StatusBar1;
    QSerialPort* ComPort1;
    QLabel* GpsPortLabel;  // the GPS port's device and state, on the GPS sheet
    QTimer Timer1;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildSensorPanel(QWidget* const* sheet);
    void buildGpsControls(QWidget* sheet);
    void gpsBytesWaiting();
    void showGpsPort();
    QString gpsDevice() const;  // as given with --gps-port

    HostOptions options;
    // Check boxes, scroll bars and labels by name. Keyed by bytes so that a lookup from the frame
    // loop wraps the caller's name without copying it (no allocation per frame).
    QHash<QByteArray, QWidget*> controls;
    QWidget* control(const char* name) const;
    QElapsedTimer frameClock;           // paces frames when --fps is given
    int64_t nextFrameNs = 0;
};

// The bezel picture of Image1, drawn by the program: 550 x 477.
QPixmap drawBezel();
