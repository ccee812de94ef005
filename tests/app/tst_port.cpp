// SPDX-License-Identifier: GPL-3.0-or-later
#include "Port.h"
#include "PortActions.h"
#include "ScaleLink.h"
#include "SerialPort.h"
#include "WindowTest.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

using namespace tarn;
using namespace tarn::testing;

namespace {

// A port that opens whatever it is given and remembers the name.
class NamedPort : public Port {
public:
    std::optional<QString> open(const QString& name) override {
        name_ = name;
        open_ = true;
        return std::nullopt;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    QString name() const override { return name_; }
    QString systemName() const override { return name_; }
    void write(const QByteArray&) override {}
    qint64 bytesWaiting() const override { return 0; }
    QByteArray readAll() override { return {}; }
    // Raised from the test's thread: the port fails in its next wait, on its own thread.
    StopFlag unplugged;
    void waitForBytes(std::chrono::milliseconds limit, StopFlag& stop) override {
        pollfd fds[2] = {{unplugged.descriptor(), POLLIN, 0}, {stop.descriptor(), POLLIN, 0}};
        ::poll(fds, 2, int(limit.count()));
        if (unplugged.isRaised() && open_) {
            open_ = false;
            emit failed(QStringLiteral("Device disconnected"));
        }
    }

private:
    QString name_;
    bool open_ = false;
};

// The far end of a pseudo-terminal, so "Other" has a real device to open.
class Pty {
public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            path = QString::fromLocal8Bit(::ptsname(master_));
            keep_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        }
    }
    ~Pty() {
        if (keep_ >= 0)
            ::close(keep_);
        if (master_ >= 0)
            ::close(master_);
    }
    QString path;

private:
    int master_ = -1;
    int keep_ = -1;
};

} // namespace

class TestPort : public WindowTest {
    Q_OBJECT

    // The enabled states of the port's closed (false) or open (true) state.
    void checkState(bool open) {
        QCOMPARE(get<QPushButton>("cmdPortOpen")->isEnabled(), !open);
        for (const char* name : {"cmdPortClose", "cmdVFDUpdate", "cmdPLUDownload",
                                 "cmdINGREDDownload", "cmdPLUUpload", "cmdINGUpload"})
            QVERIFY2(get<QPushButton>(name)->isEnabled() == open, name);
        for (const char* name : {"optCom1", "optCom2", "optComOther", "cboComPort"})
            QVERIFY2(get<QWidget>(name)->isEnabled() == !open, name);
        QCOMPARE(w->engine().isOpen(), open);
    }
    void useNamedPort() {
        w->setPortFactory([] {
            return PortParts{std::make_unique<NamedPort>(), std::make_unique<SteadyClock>()};
        });
    }

private slots:
    void init() { makeWindow(); }
    void cleanup() { dropWindow(); }

    void startsClosedOnCom1WithOtherBesideIt() {
        checkState(false);
        QVERIFY(get<QRadioButton>("optCom1")->isChecked());
        QCOMPARE(get<QRadioButton>("optComOther")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Other"));
        QVERIFY(get<QComboBox>("cboComPort")->isEditable());
        QCOMPARE(status(), QStringLiteral("Message Count is 0"));
    }

    void openAndCloseTheComPorts() {
        useNamedPort();
        QVERIFY(click("cmdPortOpen"));
        QCOMPARE(status(), QStringLiteral("open port1"));
        QCOMPARE(w->engine().portName(), QStringLiteral("Com1"));
        checkState(true);
        QVERIFY(click("cmdPortClose"));
        QCOMPARE(status(), QStringLiteral("close port"));
        checkState(false);

        get<QRadioButton>("optCom2")->setChecked(true);
        QVERIFY(click("cmdPortOpen"));
        QCOMPARE(status(), QStringLiteral("open port2"));
        QCOMPARE(w->engine().portName(), QStringLiteral("Com2"));
        checkState(true);
    }

    void openTwiceAndCloseTwice() {
        useNamedPort();
        w->portActions().openPort();
        w->portActions().openPort();
        QCOMPARE(status(), QStringLiteral("Port is already opened"));
        QVERIFY(settle(*w));
        checkState(true);
        w->portActions().closePort();
        w->portActions().closePort();
        QCOMPARE(status(), QStringLiteral("Port is not opened"));
        QVERIFY(settle(*w));
        checkState(false);
    }

    void otherOpensAPseudoTerminal() {
        Pty pty;
        QVERIFY(!pty.path.isEmpty());
        get<QComboBox>("cboComPort")->setEditText(pty.path);
        QVERIFY(get<QRadioButton>("optComOther")->isChecked());
        QVERIFY(click("cmdPortOpen"));
        QCOMPARE(status(), QStringLiteral("open port") + pty.path);
        checkState(true);
        QVERIFY(click("cmdPortClose"));
        QCOMPARE(status(), QStringLiteral("close port"));
        checkState(false);
    }

    // A scale named in the settings file shared with tarnlink-cli is offered by its name, and
    // its name opens its port.
    void aScaleNamedInTheSettingsFileOpensItsPort() {
        Pty pty;
        QVERIFY(!pty.path.isEmpty());
        QTemporaryDir dir;
        const QString settings = dir.filePath("tarnlink.conf");
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[scales]\ndeli = " + pty.path.toUtf8() + "\n");
        file.close();
        const QByteArray before = qgetenv("TARNLINK_SETTINGS");
        qputenv("TARNLINK_SETTINGS", settings.toUtf8());
        dropWindow();
        makeWindow();
        const QComboBox* list = get<QComboBox>("cboComPort");
        QCOMPARE(list->itemText(0), QStringLiteral("deli"));
        w->portActions().choosePort(QStringLiteral("deli"));
        QVERIFY(click("cmdPortOpen"));
        qputenv("TARNLINK_SETTINGS", before);
        QCOMPARE(status(), QStringLiteral("open portdeli"));
        QCOMPARE(w->engine().systemName(), pty.path);
        checkState(true);
    }

    // Exit lets go of the port: its lock file goes, so another user may open it.
    void exitReleasesThePortAndItsLockFile() {
        Pty pty;
        QVERIFY(!pty.path.isEmpty());
        const QString lock = SerialPort::lockFilePathFor(pty.path);
        get<QComboBox>("cboComPort")->setEditText(pty.path);
        QVERIFY(click("cmdPortOpen"));
        checkState(true);
        QVERIFY2(lock.isEmpty() || QFile::exists(lock), qPrintable(lock));
        trigger("mnuFileExit");
        QVERIFY(exited);
        QVERIFY(settle(*w));
        QVERIFY(!w->engine().isOpen());
        QVERIFY2(!QFile::exists(lock), qPrintable(lock));
    }

    // What `tarnlink --port` does (the demo chooses its simulated scale so).
    void aPortChosenByNameIsReadyToOpen() {
        w->portActions().choosePort(QStringLiteral("/tmp/tarnlink-demo-scale"));
        QVERIFY(get<QRadioButton>("optComOther")->isChecked());
        QCOMPARE(get<QComboBox>("cboComPort")->currentText(),
                 QStringLiteral("/tmp/tarnlink-demo-scale"));
        w->portActions().choosePort(QStringLiteral("com2"));
        QVERIFY(get<QRadioButton>("optCom2")->isChecked());
        useNamedPort();
        QVERIFY(click("cmdPortOpen"));
        QCOMPARE(status(), QStringLiteral("open port2"));
    }

    void aMissingDeviceIsReportedAndLeavesThePortClosed() {
        get<QRadioButton>("optComOther")->setChecked(true);
        get<QComboBox>("cboComPort")->setEditText(QStringLiteral("/dev/tarnlink-missing"));
        QVERIFY(click("cmdPortOpen"));
        QCOMPARE(status(), QStringLiteral("ERROR! cannot open /dev/tarnlink-missing: No such file "
                                          "or directory"));
        checkState(false);
    }

    void otherWithoutANameIsRefused() {
        get<QRadioButton>("optComOther")->setChecked(true);
        get<QComboBox>("cboComPort")->setEditText(QString());
        QVERIFY(click("cmdPortOpen"));
        QCOMPARE(status(), QStringLiteral("ERROR! cannot open Other: no port name"));
        checkState(false);
    }

    void aPortThatFailsWhileOpenReturnsToTheClosedState() {
        NamedPort* raw = nullptr;
        w->setPortFactory([&raw] {
            auto port = std::make_unique<NamedPort>();
            raw = port.get();
            return PortParts{std::move(port), std::make_unique<SteadyClock>()};
        });
        QVERIFY(click("cmdPortOpen"));
        checkState(true);
        // The port fails on its own thread while no job runs, as a real one does.
        raw->unplugged.raise();
        QTRY_COMPARE(status(), QStringLiteral("ERROR! lost port Com1: Device disconnected"));
        checkState(false);
    }

    // Exit while a transfer waits for a silent scale, its stop confirmed: the transfer ends at
    // once on the engine's thread, and Exit itself runs on the window's own event loop, not
    // inside a wait of the line.
    void exitEndsAWaitOfTheLink() {
        useNamedPort();
        QVERIFY(click("cmdPortOpen"));
        Workspace& ws = w->workspace();
        ws.plu.records[1].pluNo = 1;
        ws.plu.count = 1;
        ws.setFilePath(QStringLiteral("/shop/prices.PLU"));
        get<QRadioButton>("optDownAllPLU")->setChecked(true);
        int levelAtExit = -1;
        w->setExitHandler([&] { levelAtExit = QThread::currentThread()->loopLevel(); });
        const int level = QThread::currentThread()->loopLevel();
        get<QPushButton>("cmdPLUDownload")->click();
        QVERIFY(jobRunning(*w));
        stopping->answer(true);
        trigger("mnuFileExit");
        // Without the stop the silent scale would hold the download for 37 s.
        QVERIFY(settle(*w, 20000));
        QCOMPARE(levelAtExit, level);
        QVERIFY(!w->engine().isOpen());
    }
};

QTEST_MAIN(TestPort)
#include "tst_port.moc"
