#include "host/qt/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSerialPort>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <cstring>

#include "gfx/primitives.h"
#include "host/controls.h"
#include "host/gps_link.h"
#include "host/keys.h"
#include "host/presenter.h"
#include "host/tick.h"
#include "host/unit.h"

constexpr int textWindowLines = 5000;  // newest lines kept in Memo1 and Memo2

DisplayPanel::DisplayPanel(QWidget* parent)
    : QWidget(parent), image(screenWidth, screenHeight, QImage::Format_RGB32) {
    image.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DisplayPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, image);
}

AlarmLamp::AlarmLamp(QWidget* parent) : QWidget(parent) {}

void AlarmLamp::setLit(bool on) {
    if (on == lit) return;
    lit = on;
    update();
}

void AlarmLamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(lit ? QColor(255, 0, 0) : QColor(128, 0, 0));
    p.drawEllipse(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0));
}

ClickArea::ClickArea(QWidget* parent, void (*h)()) : QWidget(parent), handler(h) {
    setCursor(Qt::PointingHandCursor);
}

void ClickArea::mousePressEvent(QMouseEvent*) { handler(); }

QPixmap drawBezel() {
    QPixmap pm(550, 477);
    pm.fill(QColor(40, 40, 44));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Unit face with a soft edge.
    QLinearGradient face(0, 0, 0, 477);
    face.setColorAt(0, QColor(58, 58, 64));
    face.setColorAt(1, QColor(30, 30, 34));
    p.setBrush(face);
    p.setPen(QPen(QColor(90, 90, 96), 2));
    p.drawRoundedRect(QRectF(6, 50, 538, 420), 18, 18);
    // Screen recess around Panel1 (34, 65, 480 x 273).
    p.setBrush(QColor(10, 10, 12));
    p.setPen(QPen(QColor(20, 20, 22), 3));
    p.drawRoundedRect(QRectF(27, 58, 494, 287), 6, 6);
    // Five soft keys under the screen, at the click areas.
    const int keyX[5] = {24, 104, 184, 264, 344};
    for (int i = 0; i < 5; i++) {
        QRadialGradient g(keyX[i] + 16, 428, 26);
        g.setColorAt(0, QColor(120, 120, 128));
        g.setColorAt(1, QColor(60, 60, 66));
        p.setBrush(g);
        p.setPen(QPen(QColor(15, 15, 18), 2));
        p.drawEllipse(QRectF(keyX[i] + 2, 418, 37, 37));
    }
    // The knob over the push area (464, 400, 49 x 49).
    QRadialGradient k(482, 418, 34);
    k.setColorAt(0, QColor(150, 150, 156));
    k.setColorAt(1, QColor(50, 50, 56));
    p.setBrush(k);
    p.setPen(QPen(QColor(15, 15, 18), 2));
    p.drawEllipse(QRectF(464, 400, 49, 49));
    p.setPen(QPen(QColor(30, 30, 34), 1));
    for (int a = 0; a < 360; a += 20) {
        QLineF rib = QLineF::fromPolar(22, a);
        rib.translate(488.5, 424.5);
        p.drawLine(QLineF(rib.pointAt(0.75), rib.p2()));
    }
    p.setPen(QColor(160, 160, 166));
    QFont f = p.font();
    f.setPointSize(9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(34, 352, 480, 20), Qt::AlignCenter, "TALVOR  EFIS");
    return pm;
}

namespace {

// Where the rows of one sheet or group box go: captions, bars and value labels in columns.
struct RowPlace {
    QWidget* parent;
    int x, y;          // top-left of the first row
    int captionWidth;
    int barWidth;
    int labelWidth;
    int rowHeight;
};

// The EMS groups in two columns: the thermocouples on the right, the rest on the left.
struct GroupPlace {
    const char* group;
    int column;
};
constexpr GroupPlace emsGroups[] = {{"Miscellaneous", 0}, {"Power", 0},          {"Fuel", 0},
                                    {"Analog Inputs", 0}, {"Thermocouples", 1}};

}  // namespace

// Every control of the shared table on its sheet. Ranges, positions and label texts are set
// here while no signal is connected, so that building the window runs no handler; the handlers
// are connected last.
void TfrmMain::buildSensorPanel(QWidget* const* sheet) {
    QFont small = font();
    small.setPointSize(8);
    auto addRow = [this](const HostControl& hc, RowPlace& at) {
        QLabel* caption = new QLabel(hc.caption, at.parent);
        caption->setGeometry(at.x, at.y, at.captionWidth, at.rowHeight - 2);
        QScrollBar* bar = new QScrollBar(Qt::Horizontal, at.parent);
        bar->setObjectName(hc.name);
        bar->setRange(hc.minimum, hc.maximum);
        if (hc.step > 0) {
            bar->setSingleStep(hc.step);
            bar->setPageStep(hc.step);
        }
        bar->setValue(hc.initial);
        bar->setGeometry(at.x + at.captionWidth, at.y + 1, at.barWidth, at.rowHeight - 4);
        controls.insert(hc.name, bar);
        QLabel* value = new QLabel(at.parent);
        value->setObjectName(hc.label);
        char text[16];
        controlLabelText(hc, hc.initial, text, sizeof text);
        value->setText(QString::fromLatin1(text));
        value->setGeometry(at.x + at.captionWidth + at.barWidth + 6, at.y, at.labelWidth, at.rowHeight - 2);
        controls.insert(hc.label, value);
        at.y += at.rowHeight;
    };
    auto addCheckBox = [this](const HostControl& hc, QWidget* parent, int x, int y) {
        QCheckBox* box = new QCheckBox(hc.caption, parent);
        box->setObjectName(hc.name);
        box->setChecked(hc.initial != 0);
        box->setGeometry(x, y, 160, 20);
        controls.insert(hc.name, box);
    };

    // AHRS&Compass and Flight Instruments/GPS: one wide row per scroll bar.
    RowPlace wide[2] = {{sheet[sheetAhrs], 10, 14, 100, 300, 80, 30}, {sheet[sheetFlight], 10, 14, 100, 300, 80, 30}};
    int boxCount = 0;
    for (int32_t i = 0; i < hostControlCount; i++) {
        const HostControl& hc = hostControls[i];
        if (hc.sheet > sheetFlight) continue;
        if (hc.kind == ControlKind::ScrollBar && !hc.group) addRow(hc, wide[hc.sheet]);
    }
    for (int32_t i = 0; i < hostControlCount; i++) {
        const HostControl& hc = hostControls[i];
        if (hc.sheet == sheetAhrs && hc.kind == ControlKind::CheckBox) {
            addCheckBox(hc, sheet[sheetAhrs], 10 + (boxCount % 2) * 200, wide[0].y + 16 + (boxCount / 2) * 26);
            boxCount++;
        }
    }
    // The simulated GPS receiver in its own box under the air data.
    QGroupBox* gps = new QGroupBox("GPS", sheet[sheetFlight]);
    gps->setGeometry(4, wide[1].y + 10, 500, 5 * 30 + 30);
    RowPlace gpsRows = {gps, 6, 22, 100, 290, 80, 30};
    for (int32_t i = 0; i < hostControlCount; i++) {
        const HostControl& hc = hostControls[i];
        if (hc.sheet == sheetFlight && hc.group) addRow(hc, gpsRows);
    }

    // EMS: group boxes in two columns.
    int columnY[2] = {4, 4};
    const int columnX[2] = {4, 256};
    for (const GroupPlace& g : emsGroups) {
        int rows = 0;
        for (int32_t i = 0; i < hostControlCount; i++)
            if (hostControls[i].group && std::strcmp(hostControls[i].group, g.group) == 0) rows++;
        QGroupBox* frame = new QGroupBox(g.group, sheet[sheetEms]);
        frame->setFont(small);
        int height = 18 + rows * 21 + 4;
        frame->setGeometry(columnX[g.column], columnY[g.column], 250, height);
        columnY[g.column] += height + 4;
        RowPlace at = {frame, 6, 18, 86, 108, 44, 21};
        for (int32_t i = 0; i < hostControlCount; i++) {
            const HostControl& hc = hostControls[i];
            if (hc.group && std::strcmp(hc.group, g.group) == 0) addRow(hc, at);
        }
    }
    for (int32_t i = 0; i < hostControlCount; i++) {
        const HostControl& hc = hostControls[i];
        if (hc.sheet == sheetEms && hc.kind == ControlKind::CheckBox) {
            addCheckBox(hc, sheet[sheetEms], columnX[1] + 6, columnY[1] + 4);
            columnY[1] += 24;
        }
    }

    // Only now may a position change reach the unit.
    for (int32_t i = 0; i < hostControlCount; i++) {
        const HostControl& hc = hostControls[i];
        if (hc.kind != ControlKind::ScrollBar || !hc.onChange) continue;
        QScrollBar* bar = qobject_cast<QScrollBar*>(control(hc.name));
        if (!bar) continue;
        void (*handler)() = hc.onChange;
        connect(bar, &QScrollBar::valueChanged, this, [handler](int) { handler(); });
    }
}

TfrmMain::TfrmMain(const HostOptions& opts) : options(opts) {
    setWindowTitle("Talvor EFIS Generation 3 Simulator");
    QMenu* file = menuBar()->addMenu("&File");
    QAction* exitAction = file->addAction("&Exit");
    connect(exitAction, &QAction::triggered, this, [this] {
        Exit1Click();
        close();
        QApplication::quit();
    });

    QWidget* client = new QWidget(this);
    client->setFixedSize(1070, 496);
    setCentralWidget(client);

    QLabel* image1 = new QLabel(client);
    image1->setObjectName("Image1");
    image1->setGeometry(0, 0, 550, 477);
    image1->setPixmap(drawBezel());
    image1->setScaledContents(true);

    Panel1 = new DisplayPanel(client);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(34, 65, 480, 273);

    struct Area {
        const char* name;
        int x, y, w, h;
        void (*handler)();
    };
    const Area areas[6] = {{"Image2", 24, 416, 41, 41, Image2Click},  {"Image3", 104, 416, 41, 41, Image3Click},
                           {"Image4", 184, 416, 41, 41, Image4Click},  {"Image5", 264, 416, 41, 41, Image5Click},
                           {"Image7", 344, 416, 41, 41, Image7Click},  {"Image8", 464, 400, 49, 49, Image8Click}};
    for (const Area& a : areas) {
        ClickArea* c = new ClickArea(client, a.handler);
        c->setObjectName(a.name);
        c->setGeometry(a.x, a.y, a.w, a.h);
    }

    QFont bold = font();
    bold.setBold(true);
    QPushButton* plus = new QPushButton("+", client);
    plus->setObjectName("Button3");
    plus->setGeometry(456, 448, 25, 25);
    plus->setFont(bold);
    connect(plus, &QPushButton::clicked, this, [] { Button3Click(); });
    QPushButton* minus = new QPushButton("-", client);
    minus->setObjectName("Button4");
    minus->setGeometry(496, 448, 27, 25);
    minus->setFont(bold);
    connect(minus, &QPushButton::clicked, this, [] { Button4Click(); });
    QPushButton* on = new QPushButton("&On", client);
    on->setObjectName("Button1");
    on->setGeometry(344, 16, 75, 25);
    connect(on, &QPushButton::clicked, this, [] { Button1Click(); });
    QPushButton* off = new QPushButton("&Off", client);
    off->setObjectName("Button2");
    off->setGeometry(440, 16, 75, 25);
    connect(off, &QPushButton::clicked, this, [] { Button2Click(); });

    Shape1 = new AlarmLamp(client);
    Shape1->setObjectName("Shape1");
    Shape1->setGeometry(48, 16, 25, 25);

    StatusBar1 = new QStatusBar(client);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setGeometry(0, 477, 1070, 19);
    StatusBar1->setSizeGripEnabled(false);

    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(552, 0, 513, 473);
    const char* sheets[4] = {"AHRS&&Compass", "Flight Instruments/GPS", "EMS", "GPS"};
    QWidget* sheet[4];
    for (int i = 0; i < 4; i++) {
        sheet[i] = new QWidget();
        PageControl1->addTab(sheet[i], sheets[i]);
    }
    buildSensorPanel(sheet);
    // The unit's two serial outputs, each in a text window under its caption.
    struct TextWindowPlace {
        QPlainTextEdit** memo;
        const char* name;
        const char* caption;
        int x;
    };
    const TextWindowPlace windows[2] = {{&Memo1, "Memo1", "Attitude out (while the port is open)", 8},
                                        {&Memo2, "Memo2", "Altitude encoder out", 256}};
    for (const TextWindowPlace& t : windows) {
        QLabel* caption = new QLabel(t.caption, sheet[3]);
        caption->setGeometry(t.x, 200, 240, 16);
        QPlainTextEdit* memo = new QPlainTextEdit(sheet[3]);
        memo->setObjectName(t.name);
        memo->setReadOnly(true);
        memo->setMaximumBlockCount(textWindowLines);
        memo->setGeometry(t.x, 218, 240, 218);
        *t.memo = memo;
    }

    ComPort1 = new QSerialPort(this);
    ComPort1->setObjectName("ComPort1");
    buildGpsControls(sheet[3]);

    adjustSize();
    setFixedSize(size());

    connect(&Timer1, &QTimer::timeout, this, [] { Timer1Timer(); });
    Timer1.start(tickPeriodMs);
    frameClock.start();
    platform = this;
}

TfrmMain::~TfrmMain() {
    if (platform == this) platform = nullptr;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TfrmMain::presentFrame() {
    frameToArgb(frameBuffer, reinterpret_cast<uint32_t*>(Panel1->image.bits()));
    Panel1->update();
    if (options.fps > 0) {
        // Hold the frame until its slot comes, still serving the window meanwhile.
        int64_t period = 1000000000LL / options.fps;
        if (nextFrameNs == 0) nextFrameNs = frameClock.nsecsElapsed();
        nextFrameNs += period;
        int64_t now;
        while ((now = frameClock.nsecsElapsed()) < nextFrameNs && !powerOffRequest && !hostClosing) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            int64_t left = (nextFrameNs - now) / 1000000;
            if (left > 0) QThread::msleep((unsigned long)(left > 5 ? 5 : left));
        }
        if (now - nextFrameNs > period) nextFrameNs = now;  // fell behind: do not race to catch up
    }
}

void TfrmMain::processHostEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TfrmMain::messageBox(const char* text) { QMessageBox::information(this, windowTitle(), text); }

void TfrmMain::appendLine(TextWindow window, const char* line) {
    (window == TextWindow::Memo1 ? Memo1 : Memo2)->appendPlainText(QString::fromLatin1(line));
}

void TfrmMain::setAlarmLamp(bool lit) { Shape1->setLit(lit); }

QWidget* TfrmMain::control(const char* name) const {
    return controls.value(QByteArray::fromRawData(name, (qsizetype)std::strlen(name)));
}

int32_t TfrmMain::readControl(const char* name) {
    QWidget* w = control(name);
    if (auto* box = qobject_cast<QCheckBox*>(w)) return box->isChecked() ? 1 : 0;
    if (auto* bar = qobject_cast<QScrollBar*>(w)) return bar->value();
    return 0;
}

void TfrmMain::setLabel(const char* name, const char* text) {
    if (auto* label = qobject_cast<QLabel*>(control(name)))
        label->setText(QString::fromLatin1(text));
}

int64_t TfrmMain::utcNow() { return QDateTime::currentSecsSinceEpoch(); }

bool TfrmMain::serialOpen() { return ComPort1->open(QIODevice::ReadOnly); }

void TfrmMain::serialClose() { ComPort1->close(); }

bool TfrmMain::serialConnected() { return ComPort1->isOpen(); }

void TfrmMain::serialSetBaud(int32_t baud) { ComPort1->setBaudRate(baud); }

int32_t TfrmMain::serialRead(uint8_t* buffer, int32_t maxBytes) {
    if (!ComPort1->isOpen()) return 0;
    qint64 n = ComPort1->read(reinterpret_cast<char*>(buffer), maxBytes);
    return n < 0 ? 0 : (int32_t)n;
}

// The GPS link on the GPS sheet: the port's device, its state, and the two buttons the unit
// itself keeps hidden, shown here so that a receiver can be connected.
void TfrmMain::buildGpsControls(QWidget* sheet) {
    ComPort1->setPortName(QString::fromStdString(options.gpsPort));
    ComPort1->setBaudRate(19200);  // design setting; "&GPS Connect" sets 9600
    ComPort1->setDataBits(QSerialPort::Data8);
    ComPort1->setParity(QSerialPort::NoParity);
    ComPort1->setStopBits(QSerialPort::OneStop);
    ComPort1->setFlowControl(QSerialPort::NoFlowControl);

    GpsPortLabel = new QLabel(sheet);
    GpsPortLabel->setObjectName("GpsPortLabel");
    GpsPortLabel->setGeometry(8, 140, 488, 20);
    QPushButton* connectButton = new QPushButton("&GPS Connect", sheet);
    connectButton->setObjectName("Button5");
    connectButton->setGeometry(8, 166, 100, 25);
    QPushButton* disconnectButton = new QPushButton("&Disconnect", sheet);
    disconnectButton->setObjectName("Button12");
    disconnectButton->setGeometry(116, 166, 100, 25);
    showGpsPort();

    connect(connectButton, &QPushButton::clicked, this, [this] {
        Button5Click();
        if (!ComPort1->isOpen()) {
            QString reason = QString("Cannot open the GPS port %1: %2").arg(gpsDevice(), ComPort1->errorString());
            StatusBar1->showMessage(reason);
            // Not modal, so that the unit's frames go on while the message is up; one box at a time.
            QMessageBox* box = findChild<QMessageBox*>("GpsPortMessage");
            if (!box) {
                box = new QMessageBox(QMessageBox::Warning, windowTitle(), reason, QMessageBox::Ok, this);
                box->setObjectName("GpsPortMessage");
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->setModal(false);
            }
            box->setText(reason);
            box->show();
        }
        showGpsPort();
    });
    connect(disconnectButton, &QPushButton::clicked, this, [this] {
        Button12Click();
        showGpsPort();
    });
    connect(ComPort1, &QSerialPort::readyRead, this, [this] { gpsBytesWaiting(); });
    // A receiver unplugged while connected: close the port rather than poll a dead device.
    connect(ComPort1, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::ResourceError || !ComPort1->isOpen()) return;
        StatusBar1->showMessage(QString("GPS port %1 lost: %2").arg(gpsDevice(), ComPort1->errorString()));
        Button12Click();
        showGpsPort();
    });
}

// One readyRead may stand for many bytes, and none follows for bytes left waiting: the receive
// event drains the port, and anything still waiting is taken in a further pass.
void TfrmMain::gpsBytesWaiting() {
    ComPort1RxChar();
    if (ComPort1->isOpen() && ComPort1->bytesAvailable() > 0)
        QTimer::singleShot(0, this, [this] { gpsBytesWaiting(); });
}

void TfrmMain::showGpsPort() {
    QString state = ComPort1->isOpen() ? QString("connected, %1 baud").arg(ComPort1->baudRate()) : "not connected";
    GpsPortLabel->setText(QString("GPS port: %1 (%2)").arg(gpsDevice(), state));
}

QString TfrmMain::gpsDevice() const { return QString::fromStdString(options.gpsPort); }
