#include "MainWindow.h"
#include "Port.h"
#include "PortActions.h"
#include "ScaleLink.h"
#include "SerialPort.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace tarn;

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
    void fail(const QString& reason) {
        open_ = false;
        emit failed(reason);
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

class TestPort : public QObject {
    Q_OBJECT

    MainWindow* w = nullptr;

    template <class W> W* get(const char* name) {
        return w->findChild<W*>(QString::fromLatin1(name));
    }
    QString status() { return get<QLabel>("Panel1")->text(); }
    void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }

    // The enabled states of the port's closed (false) or open (true) state.
    void checkState(bool open) {
        QCOMPARE(get<QPushButton>("cmdPortOpen")->isEnabled(), !open);
        for (const char* name : {"cmdPortClose", "cmdVFDUpdate", "cmdPLUDownload",
                                 "cmdINGREDDownload", "cmdPLUUpload", "cmdINGUpload"})
            QVERIFY2(get<QPushButton>(name)->isEnabled() == open, name);
        for (const char* name : {"optCom1", "optCom2", "optComOther", "cboComPort"})
            QVERIFY2(get<QWidget>(name)->isEnabled() == !open, name);
        QCOMPARE(w->link().isOpen(), open);
    }
    void useNamedPort() {
        w->link().replaceParts(std::make_unique<NamedPort>(), std::make_unique<EventLoopClock>());
    }

private slots:
    void init() {
        w = new MainWindow;
        w->setExitHandler([] {});
        w->show();
    }
    void cleanup() {
        delete w;
        w = nullptr;
    }

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
        click("cmdPortOpen");
        QCOMPARE(status(), QStringLiteral("open port1"));
        QCOMPARE(w->link().port().name(), QStringLiteral("Com1"));
        checkState(true);
        click("cmdPortClose");
        QCOMPARE(status(), QStringLiteral("close port"));
        checkState(false);

        get<QRadioButton>("optCom2")->setChecked(true);
        click("cmdPortOpen");
        QCOMPARE(status(), QStringLiteral("open port2"));
        QCOMPARE(w->link().port().name(), QStringLiteral("Com2"));
        checkState(true);
    }

    void openTwiceAndCloseTwice() {
        useNamedPort();
        w->portActions().openPort();
        w->portActions().openPort();
        QCOMPARE(status(), QStringLiteral("Port is already opened"));
        checkState(true);
        w->portActions().closePort();
        w->portActions().closePort();
        QCOMPARE(status(), QStringLiteral("Port is not opened"));
        checkState(false);
    }

    void otherOpensAPseudoTerminal() {
        Pty pty;
        QVERIFY(!pty.path.isEmpty());
        get<QComboBox>("cboComPort")->setEditText(pty.path);
        QVERIFY(get<QRadioButton>("optComOther")->isChecked());
        click("cmdPortOpen");
        QCOMPARE(status(), QStringLiteral("open port") + pty.path);
        checkState(true);
        click("cmdPortClose");
        QCOMPARE(status(), QStringLiteral("close port"));
        checkState(false);
    }

    // Exit lets go of the port: its lock file goes, so another user may open it.
    void exitReleasesThePortAndItsLockFile() {
        Pty pty;
        QVERIFY(!pty.path.isEmpty());
        const QString lock = SerialPort::lockFilePathFor(pty.path);
        get<QComboBox>("cboComPort")->setEditText(pty.path);
        click("cmdPortOpen");
        checkState(true);
        QVERIFY2(lock.isEmpty() || QFile::exists(lock), qPrintable(lock));
        bool exited = false;
        w->setExitHandler([&] { exited = true; });
        w->findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
        QVERIFY(exited);
        QVERIFY(!w->link().isOpen());
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
        click("cmdPortOpen");
        QCOMPARE(status(), QStringLiteral("open port2"));
    }

    void aMissingDeviceIsReportedAndLeavesThePortClosed() {
        get<QRadioButton>("optComOther")->setChecked(true);
        get<QComboBox>("cboComPort")->setEditText(QStringLiteral("/dev/tarnlink-missing"));
        click("cmdPortOpen");
        QCOMPARE(status(), QStringLiteral("ERROR! cannot open /dev/tarnlink-missing: No such file "
                                          "or directory"));
        checkState(false);
    }

    void otherWithoutANameIsRefused() {
        get<QRadioButton>("optComOther")->setChecked(true);
        get<QComboBox>("cboComPort")->setEditText(QString());
        click("cmdPortOpen");
        QCOMPARE(status(), QStringLiteral("ERROR! cannot open Other: no port name"));
        checkState(false);
    }

    void aPortThatFailsWhileOpenReturnsToTheClosedState() {
        auto port = std::make_unique<NamedPort>();
        NamedPort* raw = port.get();
        w->link().replaceParts(std::move(port), std::make_unique<EventLoopClock>());
        click("cmdPortOpen");
        checkState(true);
        raw->fail(QStringLiteral("Device disconnected"));
        QCOMPARE(status(), QStringLiteral("ERROR! lost port Com1: Device disconnected"));
        checkState(false);
    }

    void exitEndsAWaitOfTheLink() {
        bool exited = false;
        w->setExitHandler([&] { exited = true; });
        QTimer::singleShot(
            0, w, [this] { w->findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger(); });
        w->link().pause(60); // would hold the test for a minute without the stop
        QVERIFY(exited);
        QVERIFY(w->link().stopped());
    }
};

QTEST_MAIN(TestPort)
#include "tst_port.moc"
