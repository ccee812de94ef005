// SPDX-License-Identifier: GPL-3.0-or-later
// Loads and saves a full table file (200 records) of each kind through the same operations
// the menus use, and prints the mean time per operation.
#include "TableFile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace tarn;

namespace {

void fillGrids(Workspace& ws) {
    for (int r = 1; r <= kMaxRecords; ++r) {
        const QString n = QString::number(r);
        ws.plu.grid.setText(r, 1, n);
        ws.plu.grid.setText(r, 2, QStringLiteral("ITEM NAME ONE %1").arg(r));
        ws.plu.grid.setText(r, 3, QString::fromUtf8("Cr\u00e8me, %1").arg(r));
        for (int c = 4; c <= 9; ++c)
            ws.plu.grid.setText(r, c, QString::number(r * c));
        ws.ingred.grid.setText(r, 1, n);
        for (int c = 2; c <= 9; ++c)
            ws.ingred.grid.setText(r, c, QString(50, QLatin1Char('a' + c)));
    }
}

template <class F> double meanMicros(int runs, F&& op) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i) {
        if (!op().ok()) {
            std::fprintf(stderr, "operation failed\n");
            std::exit(1);
        }
    }
    return double(timer.nsecsElapsed()) / 1000.0 / runs;
}

template <class R> WrittenFile encodeOnly(const TextGrid& grid) {
    const GridCopy<R> copy = copyFromGrid<R>(grid);
    return writeTableFile<R>(copy.records);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    QTemporaryDir dir;
    Workspace ws;
    ws.startUp();
    fillGrids(ws);
    const QString plu = dir.filePath(QStringLiteral("bench.PLU"));
    const QString ingred = dir.filePath(QStringLiteral("bench.INGRED"));

    struct Row {
        const char* what;
        double micros;
    };
    const Row rows[] = {
        {"PLU save    (200 records)",
         meanMicros(runs, [&] { return save(ws, TableKind::Plu, plu); })},
        {"PLU load    (200 records)",
         meanMicros(runs, [&] { return load(ws, TableKind::Plu, plu); })},
        {"INGRED save (200 records)",
         meanMicros(runs, [&] { return save(ws, TableKind::Ingred, ingred); })},
        {"INGRED load (200 records)",
         meanMicros(runs, [&] { return load(ws, TableKind::Ingred, ingred); })},
        // The same saves without the disk: grid copy and encoding only.
        {"PLU copy+encode", meanMicros(runs, [&] { return encodeOnly<PluRecord>(ws.plu.grid); })},
        {"INGRED copy+encode",
         meanMicros(runs, [&] { return encodeOnly<IngredRecord>(ws.ingred.grid); })},
    };
    std::printf("%d runs each, mean time per operation (a save includes the file's sync to disk)\n",
                runs);
    for (const Row& r : rows)
        std::printf("  %-26s %9.1f us\n", r.what, r.micros);
    return 0;
}
