// SPDX-License-Identifier: GPL-3.0-or-later
#include "Workspace.h"

#include <QCoreApplication>

namespace tarn {

namespace {
constexpr TableSide kPluSide{
    TableKind::Plu,
    "^No |<PLU No |^Item name1          |^Item name2          |^U/Price      |^Valid Date |^Tare "
    "     |^Item code      |^G code |^Message No",
    QT_TRANSLATE_NOOP("Workspace", "PLU Count is %1"), "PLU"};
constexpr TableSide kIngredSide{
    TableKind::Ingred,
    "^No |<Message No |^Message1      |^Message2      |^Message3      |^Message4      |^Message5   "
    "   |^Message6      |^Message7      |^Message8      ",
    QT_TRANSLATE_NOOP("Workspace", "Message Count is %1"), "INGRED"};
constexpr int kGridRows = kTableSlots; // header row and rows 1 to 200
constexpr int kGridCols = 1 + kFieldColumns;
} // namespace

const TableSide& sideOf(TableKind kind) {
    return kind == TableKind::Plu ? kPluSide : kIngredSide;
}

QString countStatus(const TableSide& side, int count) {
    return QCoreApplication::translate("Workspace", side.countText).arg(count);
}

Workspace::Workspace(QObject* parent) : QObject(parent) {}

void Workspace::setFilePath(const QString& path) {
    filePath_ = path;
    emit filePathChanged(path);
}

void Workspace::status(const QString& text) {
    lastStatus_ = text;
    emit statusChanged(text);
}

template <class R> void Workspace::clearRows(Table<R>& t) {
    for (int i = 1; i <= kMaxRecords; ++i) {
        t.grid.setText(i, 0, QString::number(i));
        for (int c = 1; c <= kFieldColumns; ++c)
            t.grid.setText(i, c, QString());
        t.records[size_t(i)] = R{};
    }
}

template <class R> void Workspace::setUp(Table<R>& t) {
    t.grid.setRows(kGridRows);
    t.grid.setCols(kGridCols);
    t.grid.setFormat(QString::fromLatin1(t.side().formatString));
    clearRows(t);
}

template <class R> Report Workspace::newTable(Table<R>& t) {
    t.grid.setRows(kGridRows);
    clearRows(t);
    t.count = 0;
    t.grid.setFormat(QString::fromLatin1(t.side().formatString));
    setFilePath(QString::fromLatin1(kNoFile));
    return Report::saying(countStatus(t.side(), t.count));
}

Report Workspace::startUp() {
    Report report;
    setUp(plu);
    setUp(ingred);
    plu.count = 0;
    report.say(countStatus(plu.side(), plu.count));
    ingred.count = 0;
    report.say(countStatus(ingred.side(), ingred.count));
    setFilePath(QString::fromLatin1(kNoFile));
    return report;
}

Report Workspace::clear(TableKind kind) {
    return kind == TableKind::Plu ? newTable(plu) : newTable(ingred);
}

} // namespace tarn
