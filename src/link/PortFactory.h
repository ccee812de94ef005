// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"
#include "Port.h"

#include <functional>
#include <memory>

namespace tarn {

// What a link to one scale is made of: the port and the clock its waits run on.
struct PortParts {
    std::unique_ptr<Port> port;
    std::unique_ptr<Clock> clock;
};
// Makes the parts of a link; the window and the command line take one, so that their tests
// put an in-process scale on virtual time in place of the system's ports.
using PortFactory = std::function<PortParts()>;

// The system's ports (AnyPort) on the steady clock.
PortParts systemPortParts();

// A port opened by name, as parsePortName() reads it: a "tcp:HOST:PORT" name opens a TcpPort,
// any other name a SerialPort (Com1, Com2 or a device path). A scale's name from the settings
// file opens the port it stands for; name() stays the name given, systemName() is the port's.
class AnyPort : public Port {
    Q_OBJECT
public:
    explicit AnyPort(QObject* parent = nullptr);
    ~AnyPort() override;

    std::optional<QString> open(const QString& name) override;
    void close() override;
    bool isOpen() const override;
    QString name() const override { return name_; }
    QString systemName() const override;
    QString identity() const override;

    void write(const QByteArray& bytes) override;
    qint64 bytesWaiting() const override;
    QByteArray readAll() override;
    bool clearBuffers() override;
    std::chrono::milliseconds paceGap() const override;
    bool refusedConnection() const override { return inner_ && inner_->refusedConnection(); }
    void waitForBytes(std::chrono::milliseconds limit, StopFlag& stop) override;

private:
    Port* inner_ = nullptr; // a child, made for the kind of name last opened
    QString name_;
    bool named_ = false; // inner_ was given name_
    QString target_;     // the port that name_ stands for
};

} // namespace tarn
