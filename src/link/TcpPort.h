// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Port.h"

#include <memory>

class QHostAddress;
class QLockFile;
class QTcpSocket;

namespace tarn {

// A scale behind a network serial server (a box that bridges a TCP port to the scale's RS-232
// line, "raw TCP" as ser2net and the common device servers offer): the port named
// "tcp:HOST:PORT", HOST a name, an IPv4 address or an IPv6 address in brackets. The line's
// settings (9600 8N1) are the server's.
//
// A connection that drops while the port is open is a lost port (failed()). The port reset
// empties what is waiting without reconnecting; a reset that finds the connection gone tries
// one reconnect, and when that fails the port closes itself and reports it lost.
class TcpPort : public Port {
    Q_OBJECT
public:
    explicit TcpPort(QObject* parent = nullptr);
    ~TcpPort() override;

    // Connecting waits at most this long.
    static constexpr int kConnectMs = 3000;

    std::optional<QString> open(const QString& name) override;
    void close() override;
    bool isOpen() const override { return open_; }
    QString name() const override { return name_; }
    QString systemName() const override { return name_; }
    // The server's address as looked up when the port opened, and its port.
    QString identity() const override;

    void write(const QByteArray& bytes) override;
    qint64 bytesWaiting() const override;
    QByteArray readAll() override;
    bool clearBuffers() override;
    void waitForBytes(std::chrono::milliseconds limit, StopFlag& stop) override;

    // ser2net's blocks come some 67 ms apart at 9600 baud; other servers hold bytes longer.
    std::chrono::milliseconds paceGap() const override { return std::chrono::milliseconds(150); }
    bool refusedConnection() const override { return refused_; }

private:
    // Connects to the server named by name_ within kConnectMs; a raised stop flag ends it.
    std::optional<QString> connectNow();
    // The lock file of identity_, as a serial port's; the reason when another program holds it.
    std::optional<QString> lock();
    void unlock();
    void dropped(const QString& reason);

    QTcpSocket* socket_;
    QString name_;
    QString identity_;
    std::unique_ptr<QLockFile> lock_;
    bool open_ = false;
    bool connecting_ = false;
    bool refused_ = false; // the last connect failed as the server refused it
};

} // namespace tarn
