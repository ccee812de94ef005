// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace tarn {

// The settings file that the window and the command line share, written by hand (the window's
// own memory is Tarnlink.ini beside it):
//
//   # the port a job uses when it names none: a scale's name or a port
//   port = deli
//   # what the scales hold, shared by the shop's PCs
//   store = postgresql://tarnlink@db.shop.lan:5432/tarnlink
//   pc = deli-pc
//   shop = high-street
//   # how the shop's prices and labels look
//   price decimals = 2
//   currency = €
//   price unit = kg
//   barcode = instore
//   shop digit = 4
//   [scales]
//   deli = /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0
//   backroom = tcp:10.0.0.20:4001
//   [labels]
//   layout = 3x8
//
// Lines outside a section are settings (port, store, pc, shop, the prices' and labels'); the
// lines of [labels] describe the label sheet (read by the labels' own code); the lines of
// [scales] give scales names, each standing for a port as --port and the "Other" box take them
// (COM1, COM2, a device path, tcp:HOST:PORT). A name is letters, digits, "-", "_" and "."
// (not COM1 or COM2). "#" or ";" begins a comment line, and " #" a comment at a line's end.
// Other keys and sections are left for later versions.
class Settings {
public:
    // The PC's file, /etc/tarnlink/tarnlink.conf, then the user's, whose lines win; or only
    // the file the environment variable TARNLINK_SETTINGS names (tests, a second shop).
    static Settings load();
    // These files in order, later lines winning; a file that does not exist holds nothing.
    static Settings read(const QStringList& files);
    // The files load() reads, the user's last.
    static QStringList files();

    // The port that a scale's name stands for; any other name as it is.
    QString portOf(const QString& name) const;
    // The scales' names, in the order the files give them.
    QStringList scaleNames() const;
    // A setting outside the sections ("port", "store"); empty when not set.
    QString value(const QString& key) const;
    // The store of what the scales hold ("store ="): a file's path or a postgresql:// URL;
    // empty when not set (the store's own default).
    QString store() const;
    // This PC's name in the store ("pc ="), whose devices a scale on a serial port is one of:
    // the host name when not set.
    QString pc() const;
    // The shop's name in the store ("shop ="), whose network serial servers a tcp: scale is
    // one of, so that the PCs of one shop that name the same shop share them: pc() when not set.
    QString shop() const;
    // The prices' decimals ("price decimals =", 0 to 3): 2 when not set. The price list
    // dialog's and the labels' alike.
    int priceDecimals() const;
    // The lines of a section other than [scales] ("labels"), in the order the files give them,
    // a later line of the same key winning.
    std::vector<std::pair<QString, QString>> section(const QString& name) const;

    // The first line that could not be taken, as "FILE line N: what is wrong with it"; empty
    // when there is none. The other lines still count.
    QString problem() const { return problem_; }

private:
    void readFile(const QString& path);
    void set(std::vector<std::pair<QString, QString>>& into, const QString& key,
             const QString& value);

    std::vector<std::pair<QString, QString>> settings_;
    std::vector<std::pair<QString, QString>> scales_;
    std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>> sections_;
    QString problem_;
};

} // namespace tarn
