#include "TcpPort.h"

#include "SerialPort.h"

#include <QEventLoop>
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

bool TcpPort::isTcpName(const QString& name) {
    return name.startsWith(QLatin1String("tcp:"), Qt::CaseInsensitive);
}

std::optional<TcpPort::Address> TcpPort::addressOf(const QString& name) {
    if (!isTcpName(name))
        return std::nullopt;
    const QString rest = name.mid(4);
    const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    QString host = rest.left(colon);
    bool ok = false;
    const uint port = rest.mid(colon + 1).toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        return std::nullopt;
    if (host.startsWith(QLatin1Char('['))) {
        if (!host.endsWith(QLatin1Char(']')) || host.size() < 3)
            return std::nullopt;
        host = host.mid(1, host.size() - 2);
    } else if (host.contains(QLatin1Char(':')) || host.contains(QLatin1Char(']'))) {
        return std::nullopt; // an IPv6 address goes in brackets
    }
    return Address{host, quint16(port)};
}

std::optional<QString> TcpPort::open(const QString& name) {
    close();
    name_ = name;
    if (auto reason = connectNow())
        return reason;
    open_ = true;
    return std::nullopt;
}

// Connects to the server named by name_, letting events run for at most kConnectMs.
std::optional<QString> TcpPort::connectNow() {
    socket_->abort();
    const auto address = addressOf(name_);
    if (!address)
        return QStringLiteral("not a network serial server's name (tcp:HOST:PORT)");
    connecting_ = true;
    socket_->connectToHost(address->host, address->port);
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
    // Also ends a connect still under way.
    socket_->abort();
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
        emit failed(*reason);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

AnyPort::AnyPort(QObject* parent) : Port(parent) {}

AnyPort::~AnyPort() {
    close();
}

std::optional<QString> AnyPort::open(const QString& name) {
    close();
    name_ = name;
    const bool tcp = TcpPort::isTcpName(name);
    if (!inner_ || tcp != bool(qobject_cast<TcpPort*>(inner_))) {
        delete inner_;
        inner_ = tcp ? static_cast<Port*>(new TcpPort(this)) : new SerialPort(this);
        connect(inner_, &Port::readyRead, this, &Port::readyRead);
        connect(inner_, &Port::failed, this, &Port::failed);
    }
    return inner_->open(name);
}

void AnyPort::close() {
    if (inner_)
        inner_->close();
}

bool AnyPort::isOpen() const {
    return inner_ && inner_->isOpen();
}

QString AnyPort::systemName() const {
    return TcpPort::isTcpName(name_) ? name_ : SerialPort::systemNameFor(name_);
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

} // namespace tarn
