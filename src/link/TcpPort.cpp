// SPDX-License-Identifier: GPL-3.0-or-later
#include "TcpPort.h"

#include "PortIdentity.h"
#include "PortName.h"
#include "SerialPort.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostInfo>
#include <QLockFile>
#include <QTcpSocket>
#include <QTimer>

namespace tarn {

TcpPort::TcpPort(QObject* parent) : Port(parent), socket_(new QTcpSocket(this)) {
    connect(socket_, &QTcpSocket::readyRead, this, &Port::readyRead);
    // The server closed the connection, or the network between went away, while nobody was
    // connecting: the port is lost, as a serial adapter pulled out is.
    connect(socket_, &QAbstractSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) {
                if (error != QAbstractSocket::SocketTimeoutError)
                    dropped(socket_->errorString());
            });
    connect(socket_, &QAbstractSocket::disconnected, this,
            [this] { dropped(QStringLiteral("the server closed the connection")); });
}

TcpPort::~TcpPort() {
    close();
}

std::optional<QString> TcpPort::open(const QString& name) {
    close();
    name_ = name;
    identity_.clear();
    if (auto reason = connectNow())
        return reason;
    open_ = true;
    return std::nullopt;
}

QString TcpPort::identity() const {
    return identity_.isEmpty() ? Port::identity() : identity_;
}

std::optional<QString> TcpPort::lookUp(const QString& host, QHostAddress* address) {
    if (address->setAddress(host))
        return std::nullopt;
    constexpr int kDone = 1;
    QEventLoop loop;
    waiting_ = &loop;
    QHostInfo found;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kDone); });
    const int id = QHostInfo::lookupHost(host, &loop, [&](const QHostInfo& info) {
        found = info;
        loop.exit(kDone);
    });
    timer.start(kConnectMs);
    const int how = loop.exec();
    waiting_ = nullptr;
    QHostInfo::abortHostLookup(id);
    if (how != kDone)
        return QStringLiteral("the program is ending");
    if (stopping_)
        return QStringLiteral("the connection was not made");
    if (found.lookupId() != id)
        return QStringLiteral("no connection within %1 s").arg(kConnectMs / 1000);
    *address = preferredAddress(found.addresses());
    if (address->isNull())
        return found.errorString();
    return std::nullopt;
}

// Connects to the server named by name_, letting events run for at most kConnectMs.
std::optional<QString> TcpPort::connectNow() {
    socket_->abort();
    stopping_ = false;
    const auto address = networkAddressOf(name_);
    if (!address)
        return QStringLiteral("not a network serial server's name (tcp:HOST:PORT)");
    QHostAddress host;
    if (auto why = lookUp(address->host, &host))
        return why;
    // The server's port is this scale's line: a second program on it, under whatever name,
    // would mix its exchanges with ours. Taken as a serial port takes its lock.
    identity_ = networkIdentityOf(host, address->port);
    if (auto held = lock())
        return held;
    connecting_ = true;
    socket_->connectToHost(host, address->port);
    constexpr int kDone = 1;
    QString why;
    if (socket_->state() != QAbstractSocket::ConnectedState &&
        socket_->state() != QAbstractSocket::UnconnectedState) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, [&] {
            why = QStringLiteral("no connection within %1 s").arg(kConnectMs / 1000);
            loop.exit(kDone);
        });
        connect(socket_, &QAbstractSocket::connected, &loop, [&loop] { loop.exit(kDone); });
        // Refused, no such host, or close() while connecting (the program is stopping).
        connect(socket_, &QAbstractSocket::stateChanged, &loop,
                [&loop](QAbstractSocket::SocketState s) {
                    if (s == QAbstractSocket::UnconnectedState)
                        loop.exit(kDone);
                });
        timer.start(kConnectMs);
        // Any other code: the application is quitting and has ended every loop.
        if (loop.exec() != kDone)
            why = QStringLiteral("the program is ending");
    }
    connecting_ = false;
    if (socket_->state() != QAbstractSocket::ConnectedState) {
        if (why.isEmpty())
            why = socket_->error() != QAbstractSocket::UnknownSocketError
                      ? socket_->errorString()
                      : QStringLiteral("the connection was not made");
        socket_->abort();
        unlock();
        return why;
    }
    // A one-byte sync or acknowledgement must not wait for more bytes to go with it.
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return std::nullopt;
}

void TcpPort::dropped(const QString& reason) {
    if (!open_ || connecting_)
        return;
    open_ = false;
    socket_->abort();
    emit failed(reason);
}

void TcpPort::close() {
    open_ = false;
    // Also ends a connect or a look-up still under way.
    socket_->abort();
    if (waiting_) {
        stopping_ = true;
        waiting_->exit(1);
    }
    unlock();
}

std::optional<QString> TcpPort::lock() {
    if (lock_)
        return std::nullopt;
    const QString path = SerialPort::lockFilePathFor(identity_);
    if (path.isEmpty())
        return std::nullopt; // no lock folder this user may write: as a serial port does
    auto file = std::make_unique<QLockFile>(path);
    // Held for as long as the port is open, however long that is; a lock whose process has
    // ended is taken over.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        lock_ = std::move(file);
        return std::nullopt;
    }
    if (file->error() == QLockFile::LockFailedError)
        return SerialPort::lockHolderReason(path);
    return std::nullopt;
}

void TcpPort::unlock() {
    lock_.reset();
}

void TcpPort::write(const QByteArray& bytes) {
    if (!open_)
        return;
    socket_->write(bytes);
    // To the system now, so a port reset right after the write cannot hold the bytes back.
    socket_->flush();
}

qint64 TcpPort::bytesWaiting() const {
    return open_ ? socket_->bytesAvailable() : 0;
}

QByteArray TcpPort::readAll() {
    return open_ ? socket_->readAll() : QByteArray();
}

bool TcpPort::clearBuffers() {
    if (!open_)
        return false;
    // What the system holds and the event loop has not yet fetched goes with what is waiting.
    // A connection found gone here is not yet lost: it gets one reconnect.
    connecting_ = true;
    do {
        socket_->readAll();
    } while (socket_->state() == QAbstractSocket::ConnectedState && socket_->waitForReadyRead(0));
    connecting_ = false;
    if (socket_->state() == QAbstractSocket::ConnectedState)
        return true;
    if (const auto reason = connectNow()) {
        open_ = false;
        unlock();
        emit failed(*reason);
        return false;
    }
    return true;
}

} // namespace tarn
