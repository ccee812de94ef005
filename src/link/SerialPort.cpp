// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialPort.h"

#include "PortIdentity.h"
#include "ScaleLink.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <poll.h>

namespace tarn {

namespace {
// Why bytes could not go out: the system's reason, when it gave one.
QString writeFailureText(const QString& systemReason) {
    return systemReason.isEmpty() ? SerialPort::tr("the line cannot be written any more")
                                  : systemReason;
}
} // namespace

SerialPort::SerialPort(QObject* parent) : Port(parent), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &Port::readyRead);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // An adapter pulled out, or the far end of a pseudo-terminal gone: the port reports
        // the error on every turn of the event loop until it is closed, so give it up now and
        // let the window return to its closed state.
        if (!port_->isOpen())
            return;
        QString reason;
        if (error == QSerialPort::ResourceError)
            reason = port_->errorString();
        else if (error == QSerialPort::ReadError)
            reason = tr("the line cannot be read any more");
        else if (error == QSerialPort::WriteError)
            reason = writeFailureText(port_->errorString());
        else
            return;
        port_->close();
        emit failed(reason);
    });
}

SerialPort::~SerialPort() {
    close();
}

QString SerialPort::systemNameFor(const QString& name) {
#ifdef Q_OS_WIN
    if (name.compare(QLatin1String("Com1"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("COM1");
    if (name.compare(QLatin1String("Com2"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("COM2");
#else
    if (name.compare(QLatin1String("Com1"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("/dev/ttyS0");
    if (name.compare(QLatin1String("Com2"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("/dev/ttyS1");
#endif
    return name;
}

QStringList SerialPort::availablePorts() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.systemLocation();
    names.sort();
    return names;
}

QString SerialPort::openFailureReason(bool permissionDenied, const QString& systemReason) {
#ifdef Q_OS_LINUX
    // Serial devices belong to the group "dialout"; a user outside it may not open them.
    if (permissionDenied)
        //: %1 is the system's reason; "dialout" and the command stay as they are
        return tr("%1 - join the dialout group (sudo adduser $USER dialout), then log in again")
            .arg(systemReason);
#else
    Q_UNUSED(permissionDenied);
#endif
    return systemReason;
}

QString SerialPort::lockFilePathFor(const QString& systemLocation) {
#ifdef Q_OS_UNIX
    // The serial port names its lock after the device ("/dev/pts/3" is "LCK..pts_3") and puts
    // it in the first of these folders that already holds one or that it may write to.
    static const char* const kLockFolders[] = {
        "/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
        "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};
    QString device = systemLocation;
    if (device.startsWith(QLatin1String("/dev/")))
        device = device.mid(5);
    device.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* folder : kLockFolders) {
        const QString path = QLatin1String(folder) + QLatin1String("/LCK..") + device;
        const QFileInfo info{QLatin1String(folder)};
        if (info.isReadable() && (QFile::exists(path) || info.isWritable()))
            return path;
    }
#else
    Q_UNUSED(systemLocation);
#endif
    return {};
}

std::optional<QString> SerialPort::lockHolderReason(const QString& path) {
    if (path.isEmpty() || !QFile::exists(path))
        return std::nullopt;
    qint64 pid = 0;
    QString host;
    QString program;
    QLockFile lock(path);
#ifdef Q_OS_UNIX
    // Signal 0 only asks whether the process is there; EPERM means it is, under another user.
    if (lock.getLockInfo(&pid, &host, &program) && pid > 0 &&
        (::kill(pid_t(pid), 0) == 0 || errno == EPERM))
        return heldByAnotherProgramText(pid);
#endif
    return tr("a stale lock file %1 blocks it - remove it").arg(path);
}

QString SerialPort::notASerialPortText() {
    return tr("not a serial port");
}

std::optional<QString> SerialPort::open(const QString& name) {
    close();
    name_ = name;
    // The real device, whatever name led to it: its lock then keeps every other name of it
    // off the line too.
    const QString device = serialDeviceOf(name);
    identity_ = serialIdentityOf(device);
    port_->setPortName(device);
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setParity(QSerialPort::NoParity);
    port_->setDataBits(QSerialPort::Data8);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->setReadBufferSize(kBufferSize);
    // A file or a folder is no port; the system's own words for it ("Inappropriate ioctl for
    // device", "Is a directory") would not say so.
    const QFileInfo info(device);
    if (info.exists() && (info.isFile() || info.isDir()))
        return notASerialPortText();
    if (!port_->open(QIODevice::ReadWrite)) {
        const bool permission = port_->error() == QSerialPort::PermissionError;
        // The port reports a lock it could not take as a permission error, but the device
        // itself may well be open to this user: say who holds the lock instead.
        if (permission)
            if (auto held = lockHolderReason(lockFilePathFor(device)))
                return held;
        // A device that is not a terminal (/dev/null) takes no line settings.
        if (port_->errorString() == QString::fromLocal8Bit(std::strerror(ENOTTY)))
            return notASerialPortText();
        return openFailureReason(permission, port_->errorString());
    }
    // Modem lines low. A pseudo-terminal has none and refuses; that is no reason to fail.
    port_->setDataTerminalReady(false);
    port_->setRequestToSend(false);
    port_->clearError();
    // Nothing that reached the line before this open may be read as part of an answer.
    port_->clear(QSerialPort::AllDirections);
    return std::nullopt;
}

void SerialPort::close() {
    if (port_->isOpen())
        port_->close();
}

bool SerialPort::isOpen() const {
    return port_->isOpen();
}

void SerialPort::write(const QByteArray& bytes) {
    if (!port_->isOpen())
        return;
    // Hand the bytes to the system now rather than at the next turn of the event loop, so a
    // port reset right after a write cannot hold them back. Bytes that cannot go out are a
    // lost line, not bytes sent (the port's own error, if it gave one, has said so already).
    const bool written = port_->write(bytes) == bytes.size() &&
                         (port_->flush() || port_->error() == QSerialPort::NoError);
    if (!written && port_->isOpen()) {
        const QString reason = writeFailureText(port_->errorString());
        port_->close();
        emit failed(reason);
    }
}

qint64 SerialPort::bytesWaiting() const {
    return port_->isOpen() ? port_->bytesAvailable() : 0;
}

// A reset after every record must not cost more than a few bytes' time on the line: the
// device's lock file, written and synced at every open, can take milliseconds. Flushing the
// system's buffers and the port's own empties the line as a close and reopen would.
bool SerialPort::clearBuffers() {
    if (!port_->isOpen() || port_->error() != QSerialPort::NoError)
        return false;
    return port_->clear(QSerialPort::AllDirections);
}

QByteArray SerialPort::readAll() {
    return port_->isOpen() ? port_->readAll() : QByteArray();
}

// Waits on the device and the stop flag together; the serial port then takes what the device
// holds (and sends what it still has to send) without waiting any further.
void SerialPort::waitForBytes(std::chrono::milliseconds limit, StopFlag& stop) {
    if (!port_->isOpen()) {
        stop.sleep(limit);
        return;
    }
    const short out = port_->bytesToWrite() > 0 ? POLLOUT : 0;
    pollfd fds[2] = {{int(port_->handle()), short(POLLIN | out), 0},
                     {stop.descriptor(), POLLIN, 0}};
    if (::poll(fds, 2, int(limit.count())) <= 0 || fds[0].revents == 0)
        return;
    const qint64 before = port_->bytesAvailable();
    port_->waitForReadyRead(0);
    // Nothing came after all: not an error of the line.
    if (port_->error() == QSerialPort::TimeoutError)
        port_->clearError();
    // A device that reports a hang-up or an error and gives nothing would wake every wait at
    // once from now on: it is gone.
    if (port_->isOpen() && port_->bytesAvailable() == before &&
        (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))) {
        port_->close();
        emit failed(tr("the line cannot be read any more"));
    }
}

} // namespace tarn
