// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <optional>

namespace tarn {

// The line to the scale as the link sees it: a byte pipe that can be opened by name, closed,
// written to, and read from by count of waiting bytes. The program uses SerialPort; the tests
// use an in-process scale. A port is used from one thread, which runs no event loop for it:
// bytes from the line come in during waitForBytes().
class Port : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Port() override = default;

    // Opens the named port; on failure returns the system's reason and stays closed.
    virtual std::optional<QString> open(const QString& name) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The name last given to open() (kept after close, so a reset can reopen it).
    virtual QString name() const = 0;
    // The device or system name that name() stands for ("/dev/ttyS0" for "Com1").
    virtual QString systemName() const = 0;
    // The scale this port reaches, by its device rather than the name typed (portIdentity()):
    // what the store of what each scale holds and the port's lock know it by.
    virtual QString identity() const;

    // Hands the bytes to the port in one piece; returns once they are queued.
    virtual void write(const QByteArray& bytes) = 0;
    virtual qint64 bytesWaiting() const = 0;
    // Takes every byte waiting.
    virtual QByteArray readAll() = 0;
    // Empties the receive and send buffers, the driver's included, as closing and reopening
    // the port would, but keeps the device. False when the port cannot do that; the link then
    // closes and reopens it.
    virtual bool clearBuffers() { return false; }
    // The longest pause the port leaves inside a stream of bytes from the line: none on a
    // serial line, where bytes follow one another; a network serial server passes them on in
    // blocks (ser2net: 64 bytes, some 67 ms apart at 9600 baud).
    virtual std::chrono::milliseconds paceGap() const { return std::chrono::milliseconds(0); }
    // Whether the port's last connect failed because a network serial server refused it.
    virtual bool refusedConnection() const { return false; }

    // Blocks until bytes from the line are waiting, the port fails, `limit` has passed or `stop`
    // is raised; it may return earlier. A port with no line of its own only sleeps.
    virtual void waitForBytes(std::chrono::milliseconds limit, StopFlag& stop) {
        stop.sleep(limit);
    }
    // The flag that ends an open under way (a connect); the link gives its own.
    void stopWith(StopFlag& stop) { stop_ = &stop; }

signals:
    // New bytes are waiting.
    void readyRead();
    // The port failed while open (adapter removed, line gone) and has closed itself.
    void failed(const QString& reason);

protected:
    StopFlag* stopFlag() const { return stop_; }

private:
    StopFlag* stop_ = nullptr;
};

} // namespace tarn
