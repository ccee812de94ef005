// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tarn {

// A port as the operator and the command line name it: the PC's first two serial ports
// ("COM1"/"Com1", "COM2", any case), a device path, or a network serial server
// ("tcp:HOST:PORT", HOST a name, an IPv4 address or an IPv6 address in brackets).
struct PortName {
    enum class Kind { Com1, Com2, Device, Network };
    Kind kind = Kind::Com1;
    // The name to open: "Com1", "Com2", the path, or the "tcp:" name as given.
    QString name;

    bool operator==(const PortName&) const = default;
};

// Longest device path taken: the lock file that marks a port in use is named after it, and a
// file name has at most 255 bytes.
inline constexpr int kMaxDevicePath = 240;

// Reads a port's name. nullopt, with the reason in `why`, for an empty name ("no port name"),
// a path too long to be a device's, or a "tcp:" name that is not tcp:HOST:PORT.
std::optional<PortName> parsePortName(const QString& text, QString* why = nullptr);

// HOST and PORT of "tcp:HOST:PORT" (the brackets of an IPv6 address taken off); nullopt when
// the name is not of that form.
struct NetworkAddress {
    QString host;
    quint16 port = 0;
};
std::optional<NetworkAddress> networkAddressOf(const QString& name);
// Whether the name is a network serial server's ("tcp:" in any case).
bool isNetworkName(const QString& name);

} // namespace tarn
