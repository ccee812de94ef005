// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

namespace tarn {

// A scale is known by the device its port reaches, not by the name typed: "Com1", "ttyS0" and
// "/dev/ttyS0" are one scale, as are a link and its device, and "tcp:localhost:4001" and
// "tcp:127.0.0.1:4001". The store of what each scale holds and the locks that keep a second
// program off a port use this identity; the name typed is kept for display.

// Where the system keeps the stable names of USB serial adapters: each names the adapter
// itself (maker, model, serial number), and moves with it when the system numbers its
// devices anew after a reboot.
inline constexpr const char* kSerialByIdFolder = "/dev/serial/by-id";

// The device a serial port's name opens: "Com1" and "Com2" the PC's first two serial ports, a
// name without a folder ("ttyS0", "pts/0") under /dev, links followed to the real device. A
// name that names no device is kept as written, made absolute.
QString serialDeviceOf(const QString& name);

// The identity of the scale on a serial device (as serialDeviceOf() gives it): the name of
// the first link in `byIdFolder` that points at the device, else the device.
QString serialIdentityOf(const QString& device, const QString& byIdFolder = kSerialByIdFolder);

// The address a host name's addresses are reached by: the first IPv4 address, in the order
// given, else the first address. Null when there is none.
QHostAddress preferredAddress(const QList<QHostAddress>& addresses);

// The identity of a network serial server's port: "tcp:192.168.1.20:4001", "tcp:[fd00::20]:4001".
QString networkIdentityOf(const QHostAddress& address, quint16 port);

// The identity of the scale that a port's name reaches. A network server's host name is looked
// up (waiting for the answer); a name that cannot be looked up, or no port's name at all, is
// kept as written (a network name in lower case).
QString portIdentity(const QString& name);

} // namespace tarn
