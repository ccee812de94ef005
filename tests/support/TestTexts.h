#pragma once

// Bytes and texts as the tests write them: "A5 77" as hex, a list of status texts.

#include <QByteArray>
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

} // namespace tarn::testing
