// SPDX-License-Identifier: GPL-3.0-or-later
#include "Handshake.h"
#include "PtyScale.h"
#include "RecordCodec.h"
#include "SerialPort.h"
#include "TestTexts.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarn;
using namespace tarn::testing;

namespace {

class RealLine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        auto port = std::make_unique<SerialPort>();
        serial = port.get();
        link = std::make_unique<ScaleLink>(std::move(port), std::make_unique<SteadyClock>());
        const auto error = link->open(pty.path());
        ASSERT_FALSE(error) << error->toStdString();
    }
    // Lets the event loop run until `done` or a second has passed.
    template <class F> void runUntil(F done) {
        QDeadlineTimer deadline(1000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    PtyScale pty;
    SerialPort* serial = nullptr;
    std::unique_ptr<ScaleLink> link;
    std::vector<QString> texts;
    FunctionSink sink{[this](const QString& t) { texts.push_back(t); }};
};

} // namespace

TEST(SerialPortNames, comPortsMapToTheSystemsDevices) {
    EXPECT_EQ(SerialPort::systemNameFor(QStringLiteral("Com1")), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(SerialPort::systemNameFor(QStringLiteral("Com2")), QStringLiteral("/dev/ttyS1"));
    EXPECT_EQ(SerialPort::systemNameFor(QStringLiteral("/dev/ttyUSB0")),
              QStringLiteral("/dev/ttyUSB0"));
}

TEST(SerialPortOpen, aMissingDeviceGivesTheSystemsReason) {
    SerialPort port;
    const auto error = port.open(QStringLiteral("/dev/tarnlink-no-such-port"));
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, QStringLiteral("No such file or directory"));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(cannotOpenText(port.systemName(), *error),
              QStringLiteral("ERROR! cannot open /dev/tarnlink-no-such-port: No such file or "
                             "directory"));
}

// A file, a folder or a device that is no terminal is called what it is not, rather than by the
// system's words for the line settings it refused.
TEST(SerialPortOpen, whatIsNoSerialPortIsCalledSo) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("prices.PLU"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    for (const QString& name : {QStringLiteral("/dev/null"), file, dir.path()}) {
        SerialPort port;
        EXPECT_EQ(port.open(name).value_or(QString()).toStdString(), "not a serial port")
            << name.toStdString();
        EXPECT_FALSE(port.isOpen());
    }
}

// A user outside the group that owns serial devices gets told how to get in. The open is
// tried by an unprivileged child (root may open anything).
TEST(SerialPortOpen, aPortWithoutPermissionSaysWhatToDo) {
    PtyScale pty;
    ASSERT_TRUE(pty.ok());
    const QByteArray path = pty.path().toLocal8Bit();
    ASSERT_EQ(::chmod(path.constData(), 0600), 0);
    // Opened under a name of its own, so that no lock file left by another test or program for
    // this pseudo-terminal's number can stand in the way.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    const QString link = dir.filePath(QStringLiteral("scale"));
    ASSERT_TRUE(QFile::link(pty.path(), link));
    if (::getuid() != 0) {
        ASSERT_EQ(::chmod(path.constData(), 0), 0);
    }
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(fds[0]);
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        SerialPort port;
        const QByteArray reason = port.open(link).value_or(QString()).toUtf8();
        const ssize_t written = ::write(fds[1], reason.constData(), size_t(reason.size()));
        ::_exit(written == reason.size() ? 0 : 4);
    }
    ::close(fds[1]);
    QByteArray reason;
    char buf[512];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        reason.append(buf, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(reason.startsWith("Permission denied")) << reason.constData();
    EXPECT_TRUE(reason.endsWith(
        " - join the dialout group (sudo adduser $USER dialout), then log in again"))
        << reason.constData();
    EXPECT_EQ(SerialPort::openFailureReason(false, QStringLiteral("Device busy")),
              QStringLiteral("Device busy"));
}

// A port another program holds is not a question of permission: the lock names its holder,
// and the port opens once the holder lets go.
TEST(SerialPortOpen, aPortInUseNamesTheProcessThatHoldsIt) {
    PtyScale pty;
    ASSERT_TRUE(pty.ok());
    const QString lock = SerialPort::lockFilePathFor(pty.path());
    ASSERT_FALSE(lock.isEmpty());
    SerialPort holder;
    ASSERT_FALSE(holder.open(pty.path()));
    SerialPort other;
    const auto reason = other.open(pty.path());
    ASSERT_TRUE(reason);
    EXPECT_EQ(*reason, QStringLiteral("in use by another program (process %1)").arg(::getpid()));
    holder.close();
    EXPECT_FALSE(QFile::exists(lock));
    EXPECT_FALSE(other.open(pty.path()));
}

// The lock is the device's, whichever name opened it: a second program that comes by a link
// or by the short name is told who holds the line.
TEST(SerialPortOpen, theLockCoversEveryNameOfTheDevice) {
    PtyScale pty;
    ASSERT_TRUE(pty.ok());
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("scale"));
    ASSERT_TRUE(QFile::link(pty.path(), link));
    SerialPort holder;
    ASSERT_FALSE(holder.open(link));
    EXPECT_EQ(holder.identity(), pty.path());
    for (const QString& name : {pty.path(), pty.path().mid(5)}) {
        SerialPort other;
        EXPECT_EQ(other.open(name).value_or(QString()),
                  QStringLiteral("in use by another program (process %1)").arg(::getpid()))
            << name.toStdString();
    }
}

// A lock file whose process has ended, left where this user may not remove it.
TEST(SerialPortOpen, aLockThatNoProcessHoldsIsCalledStale) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const pid_t ended = ::fork();
    ASSERT_GE(ended, 0);
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const QString lock = dir.filePath(QStringLiteral("LCK..ttyUSB0"));
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QStringLiteral("%1\ntarnlink\n%2\n").arg(ended).arg(QSysInfo::machineHostName()).toUtf8());
    file.close();
    EXPECT_EQ(SerialPort::lockHolderReason(lock).value_or(QString()),
              QStringLiteral("a stale lock file %1 blocks it - remove it").arg(lock));
    EXPECT_FALSE(SerialPort::lockHolderReason(dir.filePath(QStringLiteral("LCK..ttyUSB1"))));
}

TEST_F(RealLine, bytesPassUnchangedBothWays) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    link->txBytes(all);
    runUntil([&] { return pty.heard().size() == 256; });
    EXPECT_EQ(pty.heard(), all);
    pty.send(all);
    const auto got = link->receive(256, 1);
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, all);
}

TEST_F(RealLine, aResetEmptiesTheReceiveBuffer) {
    pty.send("xyz");
    runUntil([&] { return link->port().bytesWaiting() == 3; });
    ASSERT_EQ(link->port().bytesWaiting(), 3);
    EXPECT_FALSE(link->reset());
    EXPECT_TRUE(link->isOpen());
    QCoreApplication::processEvents();
    EXPECT_EQ(link->port().bytesWaiting(), 0);
    pty.send("\x77");
    EXPECT_EQ(link->rxByte(), 0x77);
}

// An answer that reaches the line while the port is closed waits in the terminal, whose other
// side stays open; opening the port must drop it.
TEST_F(RealLine, anAnswerThatCameWhileClosedIsGoneAfterOpen) {
    const QString name = link->port().name();
    link->close();
    pty.send("\x77");
    ASSERT_FALSE(link->open(name));
    QCoreApplication::processEvents();
    EXPECT_EQ(link->port().bytesWaiting(), 0);
    pty.send("\x10");
    EXPECT_EQ(link->rxByte(), 0x10);
}

TEST_F(RealLine, aPluRecordGoesThroughAfterAWrongEcho) {
    PluRecord r;
    r.pluNo = 7;
    r.name1 = QStringLiteral("Bread");
    r.unitPrice = 250;
    const QByteArray record = encodePluRecord(r).bytes;
    pty.expect(hex("A5"), hex("77"));
    pty.expect(hex("02"), hex("01"));
    pty.expect(hex("0007"), hex("0008")); // heard wrong
    pty.expect(QByteArray(72, '\0'), {});
    pty.expect(hex("A5"), hex("77"));
    pty.expect(hex("02"), hex("01"));
    pty.expect(hex("0007"), hex("0007"));
    pty.expect(record, hex("10"));

    Handshake h(*link, sink, exchanges::pluDownload());
    const auto result = h.download(1, 7, record, [&] { sink.status(QStringLiteral("plu#1")); });
    EXPECT_EQ(result.outcome, Handshake::Outcome::Done);
    EXPECT_TRUE(pty.scriptDone());
    EXPECT_TRUE(pty.pending().isEmpty());
    EXPECT_EQ(texts,
              (std::vector<QString>{QStringLiteral("PLU # is not same"), QStringLiteral("plu#1")}));
    EXPECT_TRUE(link->isOpen());
}

TEST_F(RealLine, anIngredientRecordComesBack) {
    QByteArray lines = QByteArray("Wheat flour, water, salt").leftJustified(50, ' ');
    lines += QByteArray(350, ' ');
    pty.expect(hex("A5"), hex("77"));
    pty.expect(hex("04"), hex("01"));
    pty.expect(hex("0003"), hex("00") + hex("0003") + lines + hex("10"));

    Handshake h(*link, sink, exchanges::ingredUpload());
    QByteArray got;
    const auto result = h.upload(3, 3, nullptr, [&](const QByteArray& reply) { got = reply; });
    ASSERT_EQ(result.outcome, Handshake::Outcome::Done);
    const IngredReply reply = decodeIngredReply(got);
    EXPECT_EQ(reply.messageNo, 3);
    EXPECT_EQ(reply.record.lines[0],
              QStringLiteral("Wheat flour, water, salt") + QString(26, QLatin1Char(' ')));
    EXPECT_TRUE(reply.closed);
    EXPECT_TRUE(texts.empty());
}

TEST(SerialPortLoss, aLineThatGoesAwayClosesThePortAndSaysSo) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    ScaleLink link(std::make_unique<SerialPort>(), std::make_unique<SteadyClock>());
    ASSERT_FALSE(link.open(QString::fromLocal8Bit(::ptsname(master))));
    QString lost;
    QObject::connect(&link, &ScaleLink::portLost, [&](const QString& m) { lost = m; });
    ::close(master); // the far end hangs up
    EXPECT_EQ(link.rxByte(), std::nullopt);
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(lost.startsWith(QStringLiteral("ERROR! lost port /dev/pts/")))
        << lost.toStdString();
}
