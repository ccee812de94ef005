// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Port.h"

#include <QStringList>

class QSerialPort;

namespace tarn {

// The real line: a serial port at 9600 baud, no parity, 8 data bits, 1 stop bit, no flow
// control, DTR and RTS low, raw bytes. Any device path will do, a pseudo-terminal included.
class SerialPort : public Port {
    Q_OBJECT
public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    std::optional<QString> open(const QString& name) override;
    void close() override;
    bool isOpen() const override;
    QString name() const override { return name_; }
    QString systemName() const override { return systemNameFor(name_); }
    // The by-id name of the adapter, or the real device, as last opened.
    QString identity() const override { return identity_.isEmpty() ? Port::identity() : identity_; }

    void write(const QByteArray& bytes) override;
    qint64 bytesWaiting() const override;
    QByteArray readAll() override;
    bool clearBuffers() override;
    void waitForBytes(std::chrono::milliseconds limit, StopFlag& stop) override;

    // "Com1" and "Com2" are COM1/COM2 on Windows and /dev/ttyS0, /dev/ttyS1 elsewhere; any
    // other name is taken as the system's own name or path of the port.
    static QString systemNameFor(const QString& name);
    // The serial ports the system reports, by system location (for the "Other" list).
    static QStringList availablePorts();
    // Why an open failed, in words for the status line; a missing permission says what to do.
    static QString openFailureReason(bool permissionDenied, const QString& systemReason);

    // Why a file, a folder or a device that is no terminal cannot be opened as a port.
    static QString notASerialPortText();

    // The lock file that marks a device in use (the one the serial port writes at every open;
    // "/var/lock/LCK..ttyUSB0"), or an empty text where the system keeps none.
    static QString lockFilePathFor(const QString& systemLocation);
    // Why the lock file at `path` keeps a port from opening: a living process holds it, or it
    // is left over and must be removed by hand. Nothing when there is no such file.
    static std::optional<QString> lockHolderReason(const QString& path);

    static constexpr qint64 kBufferSize = 4096;

private:
    QSerialPort* port_;
    QString name_;
    QString identity_;
};

} // namespace tarn
