// SPDX-License-Identifier: GPL-3.0-or-later
// Export and import of full tables (200 records each) through each kind of spreadsheet.
// Usage: bench_sheets [rounds]   prints the median and the worst time of each operation.

#include "SheetExchange.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace tarn;

namespace {

void fill(Workspace& ws) {
    for (int i = 1; i <= kMaxRecords; ++i) {
        const QStringList plu = {QString::number(i),
                                 QStringLiteral("Item name %1").arg(i),
                                 QStringLiteral("second line"),
                                 QString::number(i * 125),
                                 QString::number(i % 30),
                                 QString::number(i % 9),
                                 QString::number(800000 + i),
                                 QString::number(i % 4),
                                 QString::number(i)};
        for (int c = 0; c < kFieldColumns; ++c)
            ws.plu.grid.setText(i, c + 1, plu[c]);
        ws.ingred.grid.setText(i, 1, QString::number(i));
        for (int l = 0; l < kIngredLines; ++l)
            ws.ingred.grid.setText(
                i, 2 + l,
                QStringLiteral("Ingredient line %1 of message %2, some words").arg(l + 1).arg(i));
    }
}

void measure(const char* what, int rounds, const std::function<bool()>& run) {
    std::vector<double> ms;
    for (int k = 0; k < rounds; ++k) {
        QElapsedTimer t;
        t.start();
        if (!run()) {
            std::printf("%-34s FAILED\n", what);
            return;
        }
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.2f ms   worst %7.2f ms   (%d rounds)\n", what, ms[ms.size() / 2],
                ms.back(), rounds);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    QTemporaryDir dir;
    Workspace ws;
    ws.startUp();
    fill(ws);
    Workspace back;
    back.startUp();
    const QDate day(2026, 12, 6);

    for (const char* ext : {"xls", "xlsx", "ods", "csv"}) {
        const QString plu = dir.filePath(QStringLiteral("plu.") + QLatin1String(ext));
        const QString ingred = dir.filePath(QStringLiteral("ingred.") + QLatin1String(ext));
        auto what = [&](const char* action) { return std::string(action) + " ." + ext; };
        measure(what("export 200 PLU records").c_str(), rounds,
                [&] { return exportWorkbook(ws, TableKind::Plu, plu, day).ok(); });
        measure(what("import 200 PLU records").c_str(), rounds,
                [&] { return importWorkbook(back, TableKind::Plu, plu) && back.plu.count == 200; });
        measure(what("export 200 INGRED messages").c_str(), rounds,
                [&] { return exportWorkbook(ws, TableKind::Ingred, ingred, day).ok(); });
        measure(what("import 200 INGRED messages").c_str(), rounds, [&] {
            return importWorkbook(back, TableKind::Ingred, ingred) && back.ingred.count == 200;
        });
    }
    return 0;
}
