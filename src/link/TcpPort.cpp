// SPDX-License-Identifier: GPL-3.0-or-later
#include "TcpPort.h"

#include "PortIdentity.h"
#include "PortName.h"
#include "SerialPort.h"

#include <QHostAddress>
#include <QLockFile>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QUrl>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarn {

namespace {

using Steady = std::chrono::steady_clock;

// Milliseconds left until `end`, at least 0.
int msLeft(Steady::time_point end) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Steady::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

// Waits for `fd` to show `events`, for `end` or for `stop`: the events seen, 0 on time-out,
// -1 when stopped.
int waitFor(int fd, short events, Steady::time_point end, StopFlag* stop) {
    for (;;) {
        if (stop && stop->isRaised())
            return -1;
        pollfd fds[2] = {{fd, events, 0}, {stop ? stop->descriptor() : -1, POLLIN, 0}};
        const int n = ::poll(fds, 2, msLeft(end));
        if (n > 0 && fds[0].revents)
            return fds[0].revents;
        if (n == 0)
            return 0;
        if (n < 0 && errno != EINTR)
            return 0;
    }
}

// A host name looked up by the system's resolver in a process of its own (getent, as any
// program on this system would look it up): a stop or the time limit ends the look-up itself,
// so that none outlives the open that asked for it, nor the program.
std::optional<QList<QHostAddress>> addressesOf(const QString& host, Steady::time_point end,
                                               StopFlag* stop, QString& why) {
    QHostAddress literal;
    if (literal.setAddress(host))
        return QList<QHostAddress>{literal};
    QByteArray name = QUrl::toAce(host);
    if (name.isEmpty())
        name = host.toUtf8();
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char program[] = "getent";
    char database[] = "ahosts";
    char endOfOptions[] = "--";
    char* argv[] = {program, database, endOfOptions, name.data(), nullptr};
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        //: %1 is the system's reason
        why = TcpPort::tr("cannot look the name up: %1")
                  .arg(QString::fromLocal8Bit(std::strerror(spawned)));
        return std::nullopt;
    }
    QByteArray answer;
    int seen = 0;
    for (;;) {
        seen = waitFor(out[0], POLLIN, end, stop);
        if (seen <= 0) {
            ::kill(pid, SIGKILL);
            break;
        }
        char buffer[4096];
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        answer.append(buffer, n);
    }
    ::close(out[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (seen < 0)
        return std::nullopt;
    if (seen == 0) {
        why = TcpPort::tr("no connection within %1 s").arg(TcpPort::kConnectMs / 1000);
        return std::nullopt;
    }
    // One line an address and kind of socket: "127.0.0.1  STREAM localhost".
    QList<QHostAddress> addresses;
    for (const QByteArray& line : answer.split('\n')) {
        const QHostAddress address(QString::fromLatin1(line.simplified().split(' ').value(0)));
        if (!address.isNull() && !addresses.contains(address))
            addresses << address;
    }
    if (addresses.isEmpty()) {
        why = TcpPort::tr("Host not found");
        return std::nullopt;
    }
    return addresses;
}

// A socket connecting to `address`, not waiting: its descriptor, or -1 with errno set.
int startConnect(const QHostAddress& address, quint16 port) {
    sockaddr_storage storage{};
    socklen_t size = 0;
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto* a = reinterpret_cast<sockaddr_in6*>(&storage);
        a->sin6_family = AF_INET6;
        a->sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&a->sin6_addr, &bytes, sizeof bytes);
        a->sin6_scope_id = address.scopeId().toUInt();
        size = sizeof *a;
    } else {
        auto* a = reinterpret_cast<sockaddr_in*>(&storage);
        a->sin_family = AF_INET;
        a->sin_port = htons(port);
        a->sin_addr.s_addr = htonl(address.toIPv4Address());
        size = sizeof *a;
    }
    const int fd = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&storage), size) == 0 || errno == EINPROGRESS)
        return fd;
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
}

} // namespace

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
            [this] { dropped(tr("the server closed the connection")); });
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

// The connect is made on a socket of our own, waited for with the stop flag beside it, and
// handed to the QTcpSocket once it stands: nothing here needs an event loop.
std::optional<QString> TcpPort::connectNow() {
    refused_ = false;
    socket_->abort();
    const auto address = networkAddressOf(name_);
    if (!address)
        return tr("not a network serial server's name (tcp:HOST:PORT)");
    const auto end = Steady::now() + std::chrono::milliseconds(kConnectMs);
    const QString timedOut = tr("no connection within %1 s").arg(kConnectMs / 1000);
    const QString stopped = tr("the connect was stopped");
    QString why;
    const auto addresses = addressesOf(address->host, end, stopFlag(), why);
    if (!addresses)
        return why.isEmpty() ? stopped : why;
    // The server's port is this scale's line: a second program on it, under whatever name,
    // would mix its exchanges with ours. Taken as a serial port takes its lock.
    identity_ = networkIdentityOf(preferredAddress(*addresses), address->port);
    if (auto held = lock())
        return held;
    why = tr("the connection was not made");
    for (const QHostAddress& to : *addresses) {
        const int fd = startConnect(to, address->port);
        if (fd < 0) {
            refused_ = errno == ECONNREFUSED;
            why = QString::fromLocal8Bit(std::strerror(errno));
            continue;
        }
        const int seen = waitFor(fd, POLLOUT, end, stopFlag());
        int error = 0;
        socklen_t size = sizeof error;
        if (seen > 0 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
            error = errno;
        if (seen > 0 && error == 0) {
            connecting_ = true;
            const bool taken = socket_->setSocketDescriptor(fd);
            connecting_ = false;
            if (taken) {
                // A one-byte sync or acknowledgement must not wait for more bytes to go with it.
                socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
                return std::nullopt;
            }
            refused_ = false;
            why = socket_->errorString();
        } else if (seen > 0) {
            refused_ = error == ECONNREFUSED;
            why = QString::fromLocal8Bit(std::strerror(error));
        }
        ::close(fd);
        if (seen <= 0) {
            refused_ = false;
            unlock();
            return seen < 0 ? stopped : timedOut;
        }
    }
    unlock();
    return why;
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
    socket_->abort();
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
    // To the system now, so a port reset right after the write cannot hold the bytes back.
    // Bytes that cannot go out are a lost connection, not bytes sent.
    const bool written = socket_->write(bytes) == bytes.size();
    socket_->flush();
    if (!written || socket_->state() != QAbstractSocket::ConnectedState)
        dropped(socket_->errorString().isEmpty() ? tr("the connection cannot be written any more")
                                                 : socket_->errorString());
}

qint64 TcpPort::bytesWaiting() const {
    return open_ ? socket_->bytesAvailable() : 0;
}

QByteArray TcpPort::readAll() {
    return open_ ? socket_->readAll() : QByteArray();
}

void TcpPort::waitForBytes(std::chrono::milliseconds limit, StopFlag& stop) {
    if (!open_) {
        stop.sleep(limit);
        return;
    }
    const short out = socket_->bytesToWrite() > 0 ? POLLOUT : 0;
    pollfd fds[2] = {{int(socket_->socketDescriptor()), short(POLLIN | out), 0},
                     {stop.descriptor(), POLLIN, 0}};
    if (::poll(fds, 2, int(limit.count())) <= 0 || fds[0].revents == 0)
        return;
    // Takes what the system holds; a connection the server closed is found gone here.
    socket_->waitForReadyRead(0);
}

bool TcpPort::clearBuffers() {
    if (!open_)
        return false;
    // What the system holds and has not yet been taken goes with what is waiting. A connection
    // found gone here is not yet lost: it gets one reconnect.
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
