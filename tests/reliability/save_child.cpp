// SPDX-License-Identifier: GPL-3.0-or-later
// A process that saves one table file or workbook over and over, through the program's own
// save functions, with two contents in turn, so that a test can kill it at any moment.
//
//   save_child plu|ingred|xls a|b PATH    saves content a or b once
//   save_child plu|ingred|xls loop PATH   saves b, a, b, a ... until killed; writes one byte
//                                         to stdout after each completed save
#include "SheetExchange.h"
#include "TableFile.h"
#include "Workspace.h"

#include <QDate>
#include <QString>

#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace tarn;

namespace {

// Content a fills every row, content b three quarters with other texts, so the two files
// differ in length as in bytes.
template <class R> void fill(Table<R>& table, bool b) {
    const int rows = b ? 150 : 200;
    for (int r = 1; r <= rows; ++r) {
        table.grid.setText(r, 1, QString::number(r));
        for (int c = 2; c <= kFieldColumns; ++c) {
            const bool text = std::is_same_v<R, IngredRecord> || c == 2 || c == 3;
            table.grid.setText(
                r, c,
                text ? QStringLiteral("%1 ROW %2 COLUMN %3").arg(b ? "B" : "A").arg(r).arg(c)
                     : QString::number(b ? r * 7 + c : r + c));
        }
    }
    for (int r = rows + 1; r <= kMaxRecords; ++r)
        for (int c = 1; c <= kFieldColumns; ++c)
            table.grid.setText(r, c, QString());
}

bool saveOnce(const char* kind, bool b, const QString& path) {
    Workspace ws;
    ws.startUp();
    if (std::strcmp(kind, "ingred") == 0) {
        fill(ws.ingred, b);
        return save(ws, TableKind::Ingred, path).ok();
    }
    fill(ws.plu, b);
    if (std::strcmp(kind, "xls") == 0)
        return exportWorkbook(ws, TableKind::Plu, path, QDate(2026, 12, 7)).ok();
    return save(ws, TableKind::Plu, path).ok();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: save_child plu|ingred|xls a|b|loop PATH\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[3]);
    if (std::strcmp(argv[2], "loop") != 0)
        return saveOnce(argv[1], std::strcmp(argv[2], "b") == 0, path) ? 0 : 1;
    for (bool b = true;; b = !b) {
        if (!saveOnce(argv[1], b, path))
            return 1;
        if (write(STDOUT_FILENO, "s", 1) != 1)
            return 1;
    }
}
