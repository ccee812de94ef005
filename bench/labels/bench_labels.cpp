// SPDX-License-Identifier: GPL-3.0-or-later
// 200 shelf labels on 3x8 sheets to a PDF: the CPU time it takes (the pages drawn, the
// barcodes laid out, the file written) and the file's size. Run on a Release build:
//   bench_labels [RUNS]

#include "LabelPrint.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace tarn;

namespace {
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    PluTable table{};
    LabelStyle style;
    style.currency = QStringLiteral("€");
    for (int i = 1; i <= kMaxRecords; ++i) {
        PluRecord& r = table[size_t(i)];
        r.pluNo = qint16(i);
        r.name1 = QStringLiteral("ITEM %1 CRÈME FRAÎCHE").arg(i);
        r.name2 = QStringLiteral("Käse Weißwurst %1").arg(i);
        r.unitPrice = 99 + 37 * i;
        r.validDate = qint16(i % 10);
        r.itemCode = 2000000 + i;
    }
    LabelLayout sheet;
    for (const LabelLayout& l : labelLayouts())
        if (l.name == QLatin1String("3x8"))
            sheet = l;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const double start = cpuSeconds();
        const LabelRun labels{sheet, labelsOf(table, kMaxRecords, style), 0};
        if (const auto failure = writePdf(pdf, QStringLiteral("Labels"),
                                          [&](QPagedPaintDevice& d) { paintLabels(d, labels); })) {
            std::fprintf(stderr, "%s\n", qPrintable(*failure));
            return 1;
        }
        best = std::min(best, cpuSeconds() - start);
    }
    std::printf("200 labels, 3x8 sheets (9 pages) to PDF: %.3f s CPU (best of %d)\n", best, runs);
    std::printf("PDF size: %lld bytes\n", QFileInfo(pdf).size());
    return 0;
}
