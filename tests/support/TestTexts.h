// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bytes and texts as the tests write them: "A5 77" as hex, a list of status texts, a file's
// bytes, and sample records as the .PLU and .INGRED files hold them.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <initializer_list>
#include <vector>

namespace tarn::testing {

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

inline std::vector<QString> texts(std::initializer_list<const char*> list) {
    std::vector<QString> out;
    for (const char* t : list)
        out.push_back(QString::fromUtf8(t));
    return out;
}

// The file's bytes; none when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the file anew with exactly these bytes.
inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A PLU record with every field set, and an ingredient message of two lines, each a line of
// its file.
inline const QByteArray kApplePluLine = "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n";
inline const QByteArray kSugarIngredLine =
    "3,\"SUGAR\",\"SALT\",\" \",\" \",\" \",\" \",\" \",\" \"\r\n";

} // namespace tarn::testing
