// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFiles.h"

#include "SafeFile.h"
#include "ScaleTables.h"
#include "TableFile.h"

#include <QFile>

#include <span>
#include <type_traits>

namespace tarn::sim {

namespace {

// The scale's tables hold no negative number: a table file that has one is refused.
template <class R> QString negativeField(const R& record) {
    QString field;
    forEachField(record, [&](int column, const auto& value) {
        if constexpr (!std::is_same_v<std::remove_cvref_t<decltype(value)>, QString>) {
            if (value < 0 && field.isEmpty())
                field = QStringLiteral("field %1").arg(column);
        }
    });
    return field;
}

template <class Table> bool load(const QString& path, Table& table, QString& error) {
    using R = typename Table::value_type;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    const ParsedFile<R> parsed = parseTableFile<R>(file.readAll());
    if (!parsed.ok()) {
        error = parsed.problem->message().mid(int(qstrlen("ERROR! ")));
        return false;
    }
    for (size_t k = 0; k < parsed.records.size(); ++k) {
        if (const QString field = negativeField(parsed.records[k]); !field.isEmpty()) {
            error = QStringLiteral("record %1: %2 is negative").arg(k + 1).arg(field);
            return false;
        }
    }
    Table loaded{};
    std::copy(parsed.records.begin(), parsed.records.end(), loaded.begin() + 1);
    table = loaded;
    return true;
}

// Slots 1 to the last one in use (number not 0), one line each.
template <class Table> bool save(const QString& path, const Table& table, QString& error) {
    using R = typename Table::value_type;
    int last = 0;
    for (int slot = 1; slot < int(table.size()); ++slot)
        if (numberOf(table[size_t(slot)]) != 0)
            last = slot;
    const WrittenFile written =
        writeTableFile<R>(std::span<const R>(table.begin() + 1, size_t(last)));
    if (!written.ok()) {
        error = written.problem->message().mid(int(qstrlen("ERROR! ")));
        return false;
    }
    if (const QString why = writeWholeFile(path, written.bytes); !why.isEmpty()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, why);
        return false;
    }
    return true;
}

} // namespace

bool loadPluFile(const QString& path, PluTable& table, QString& error) {
    return load(path, table, error);
}
bool loadIngredFile(const QString& path, IngredTable& table, QString& error) {
    return load(path, table, error);
}
bool savePluFile(const QString& path, const PluTable& table, QString& error) {
    return save(path, table, error);
}
bool saveIngredFile(const QString& path, const IngredTable& table, QString& error) {
    return save(path, table, error);
}

} // namespace tarn::sim
