// SPDX-License-Identifier: GPL-3.0-or-later
#include "TcpLine.h"

#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarn::sim {

namespace {
QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

TcpLine::TcpLine(ScaleProtocol& protocol, bool pace, int idleMs, QObject* parent)
    : QObject(parent), protocol_(protocol), pace_(pace), idleMs_(idleMs) {}

TcpLine::~TcpLine() {
    pump_.reset();
    if (connFd_ >= 0)
        ::close(connFd_);
    if (listenFd_ >= 0)
        ::close(listenFd_);
}

bool TcpLine::listen(quint16 port, QString& error) {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) {
        error = systemError("socket");
        return false;
    }
    const int one = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        error = systemError("bind 127.0.0.1");
        return false;
    }
    if (::listen(listenFd_, 4) != 0) {
        error = systemError("listen");
        return false;
    }
    socklen_t length = sizeof address;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    notifier_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TcpLine::accept);
    return true;
}

void TcpLine::accept() {
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(listenFd_, reinterpret_cast<sockaddr*>(&peer), &length,
                             SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    const QString from = QStringLiteral("%1:%2")
                             .arg(QString::fromLatin1(::inet_ntoa(peer.sin_addr)))
                             .arg(ntohs(peer.sin_port));
    if (connFd_ >= 0) {
        ::close(fd);
        log(QStringLiteral("# connection from %1 refused: the line is in use").arg(from));
        return;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    connFd_ = fd;
    log(QStringLiteral("# connection from %1").arg(from));
    pump_ = std::make_unique<LinePump>(fd, protocol_, pace_, idleMs_);
    pump_->onLog = [this](const QStringList& lines) {
        if (onLog)
            onLog(lines);
    };
    pump_->onTablesChanged = [this] {
        if (onTablesChanged)
            onTablesChanged();
    };
    pump_->onClosed = [this] {
        // Not from inside the pump's own call.
        QMetaObject::invokeMethod(this, &TcpLine::closed, Qt::QueuedConnection);
    };
}

void TcpLine::closed() {
    pump_.reset();
    if (connFd_ >= 0)
        ::close(connFd_);
    connFd_ = -1;
    // An exchange cut off with the connection is dropped, as after a quiet line.
    protocol_.lineIdle();
    const QStringList lines = protocol_.takeLog();
    if (onLog && !lines.isEmpty())
        onLog(lines);
    protocol_.takeOutput();
    log(QStringLiteral("# connection closed"));
}

void TcpLine::log(const QString& note) {
    if (onLog)
        onLog({note});
}

} // namespace tarn::sim
