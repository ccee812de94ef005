// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortName.h"

#include <QCoreApplication>

namespace tarn {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PortName)
};
} // namespace

bool isNetworkName(const QString& name) {
    return name.startsWith(QLatin1String("tcp:"), Qt::CaseInsensitive);
}

std::optional<NetworkAddress> networkAddressOf(const QString& name) {
    if (!isNetworkName(name))
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
    return NetworkAddress{host, quint16(port)};
}

std::optional<PortName> parsePortName(const QString& text, QString* why) {
    auto refuse = [why](const QString& reason) -> std::optional<PortName> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const QString name = text.trimmed();
    if (name.isEmpty())
        return refuse(Text::tr("no port name"));
    if (name.compare(QLatin1String("COM1"), Qt::CaseInsensitive) == 0)
        return PortName{PortName::Kind::Com1, QStringLiteral("Com1")};
    if (name.compare(QLatin1String("COM2"), Qt::CaseInsensitive) == 0)
        return PortName{PortName::Kind::Com2, QStringLiteral("Com2")};
    if (isNetworkName(name)) {
        if (!networkAddressOf(name))
            return refuse(Text::tr("not a network serial server's name (tcp:HOST:PORT)"));
        return PortName{PortName::Kind::Network, name};
    }
    if (name.size() > kMaxDevicePath)
        return refuse(Text::tr("the name is too long for a device"));
    return PortName{PortName::Kind::Device, name};
}

} // namespace tarn
