// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PtyLine.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace tarn::sim {

// The scale behind a network serial server: listens on 127.0.0.1 only and serves one
// connection at a time with the same protocol machine (and so the same tables, faults and
// pacing) as the pseudo-terminal. A second connection while one is served is closed at once,
// as a serial server with one line does.
class TcpLine : public QObject {
    Q_OBJECT
public:
    TcpLine(ScaleProtocol& protocol, bool pace, int idleMs, QObject* parent = nullptr);
    ~TcpLine() override;

    // Listens on `port` (0: one the system picks); false with the reason in `error`.
    bool listen(quint16 port, QString& error);
    quint16 port() const { return port_; }

    std::function<void(const QStringList&)> onLog;
    std::function<void()> onTablesChanged;

private:
    void accept();
    void closed();
    void log(const QString& note);

    ScaleProtocol& protocol_;
    bool pace_;
    int idleMs_;
    int listenFd_ = -1;
    int connFd_ = -1;
    quint16 port_ = 0;
    QSocketNotifier* notifier_ = nullptr;
    std::unique_ptr<LinePump> pump_;
};

} // namespace tarn::sim
