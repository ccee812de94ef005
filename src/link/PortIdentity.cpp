// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortIdentity.h"

#include "Port.h"
#include "PortName.h"
#include "SerialPort.h"

#include <QDir>
#include <QFileInfo>
#include <QHostInfo>

namespace tarn {

QString serialDeviceOf(const QString& name) {
    QString path = SerialPort::systemNameFor(name.trimmed());
#ifdef Q_OS_WIN
    return path.toUpper();
#else
    // A name without a folder of its own is the system's name of a device under /dev, as the
    // serial port itself reads it ("ttyS0", "pts/3").
    if (!path.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1String("./")) &&
        !path.startsWith(QLatin1String("../")))
        path.prepend(QLatin1String("/dev/"));
    const QFileInfo info(path);
    const QString real = info.canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : real;
#endif
}

QString serialIdentityOf(const QString& device, const QString& byIdFolder) {
    const QDir folder(byIdFolder);
    QStringList links = folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    links.sort();
    for (const QString& link : links) {
        const QString path = folder.filePath(link);
        if (QFileInfo(path).canonicalFilePath() == device)
            return path;
    }
    return device;
}

QHostAddress preferredAddress(const QList<QHostAddress>& addresses) {
    for (const QHostAddress& a : addresses) {
        bool v4 = false;
        const quint32 ip = a.toIPv4Address(&v4);
        if (v4)
            return QHostAddress(ip); // an IPv4-mapped IPv6 address too
    }
    return addresses.isEmpty() ? QHostAddress() : addresses.first();
}

QString networkIdentityOf(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    return QStringLiteral("tcp:%1:%2").arg(host).arg(port);
}

QString portIdentity(const QString& name) {
    const auto parsed = parsePortName(name);
    if (!parsed)
        return name.trimmed();
    if (parsed->kind != PortName::Kind::Network)
        return serialIdentityOf(serialDeviceOf(parsed->name));
    const auto address = networkAddressOf(parsed->name);
    QHostAddress host;
    if (!host.setAddress(address->host))
        host = preferredAddress(QHostInfo::fromName(address->host).addresses());
    if (host.isNull())
        return parsed->name.toLower();
    return networkIdentityOf(host, address->port);
}

QString Port::identity() const {
    return portIdentity(name());
}

} // namespace tarn
