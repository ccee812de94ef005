// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortFactory.h"

#include "PortName.h"
#include "SerialPort.h"
#include "Settings.h"
#include "TcpPort.h"

namespace tarn {

PortParts systemPortParts() {
    return {std::make_unique<AnyPort>(), std::make_unique<SteadyClock>()};
}

AnyPort::AnyPort(QObject* parent) : Port(parent) {}

AnyPort::~AnyPort() {
    close();
}

std::optional<QString> AnyPort::open(const QString& name) {
    close();
    // A scale's name from the settings file stands for its port, as the file says now.
    target_ = Settings::load().portOf(name);
    name_ = name;
    named_ = false;
    QString why;
    const auto parsed = parsePortName(target_, &why);
    if (!parsed)
        return why;
    const bool tcp = parsed->kind == PortName::Kind::Network;
    if (!inner_ || tcp != bool(qobject_cast<TcpPort*>(inner_))) {
        delete inner_;
        inner_ = tcp ? static_cast<Port*>(new TcpPort(this)) : new SerialPort(this);
        connect(inner_, &Port::readyRead, this, &Port::readyRead);
        connect(inner_, &Port::failed, this, &Port::failed);
        if (stopFlag())
            inner_->stopWith(*stopFlag());
    }
    named_ = true;
    return inner_->open(parsed->name);
}

void AnyPort::close() {
    if (inner_)
        inner_->close();
}

bool AnyPort::isOpen() const {
    return inner_ && inner_->isOpen();
}

QString AnyPort::systemName() const {
    return isNetworkName(target_) ? target_ : SerialPort::systemNameFor(target_);
}

QString AnyPort::identity() const {
    return named_ ? inner_->identity() : Port::identity();
}

void AnyPort::write(const QByteArray& bytes) {
    if (inner_)
        inner_->write(bytes);
}

qint64 AnyPort::bytesWaiting() const {
    return inner_ ? inner_->bytesWaiting() : 0;
}

QByteArray AnyPort::readAll() {
    return inner_ ? inner_->readAll() : QByteArray();
}

bool AnyPort::clearBuffers() {
    return inner_ && inner_->clearBuffers();
}

void AnyPort::waitForBytes(std::chrono::milliseconds limit, StopFlag& stop) {
    if (inner_)
        inner_->waitForBytes(limit, stop);
    else
        stop.sleep(limit);
}

std::chrono::milliseconds AnyPort::paceGap() const {
    return inner_ ? inner_->paceGap() : Port::paceGap();
}

} // namespace tarn
