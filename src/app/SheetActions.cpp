// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetActions.h"

#include "Controls.h"
#include "GridUndo.h"
#include "MainWindow.h"
#include "SheetExchange.h"

#include <QAction>
#include <QCoreApplication>

namespace tarn {

SheetActions::SheetActions(MainWindow& window)
    : QObject(&window), window_(window), today_([] { return QDate::currentDate(); }) {
    setObjectName(QStringLiteral("sheetActions"));
    const Controls& c = window.controls();
    connect(c.mnuLxls, &QAction::triggered, this, &SheetActions::importTable<PluRecord>);
    connect(c.mnuXls, &QAction::triggered, this, &SheetActions::exportTable<PluRecord>);
    connect(c.mnuLxls1, &QAction::triggered, this, &SheetActions::importTable<IngredRecord>);
    connect(c.mnuLxls2, &QAction::triggered, this, &SheetActions::exportTable<IngredRecord>);
}

namespace {
// A status text of the workbook exchange, translated in its own context.
QString exchangeText(const char* text) {
    return QCoreApplication::translate("SheetExchange", text);
}
} // namespace

template <class R> void SheetActions::importTable() {
    if (!window_.mayReplace(RecordTraits<R>::kind))
        return;
    // Shown while the operator picks the workbook.
    window_.showReport(
        Report::saying(exchangeText(sheetSideOf(RecordTraits<R>::kind).importStarts)));
    const auto path = window_.fileChooser().openPath(QString::fromLatin1(kWorkbookOpenFilter));
    if (!path)
        return;
    const MainWindow::SourceOf source(window_, RecordTraits<R>::kind);
    if (window_.showReport(importWorkbook<R>(window_.workspace(), *path))) {
        window_.gridUndo(RecordTraits<R>::kind).startAfresh();
        window_.showGrid(RecordTraits<R>::kind);
    }
}

template <class R> void SheetActions::exportTable() {
    window_.commitOpenEdit(RecordTraits<R>::kind); // the box's text is exported too
    window_.showReport(Report::saying(exchangeText(kWorkbookExportStarts)));
    const auto path = window_.fileChooser().savePath(QString::fromLatin1(kWorkbookSaveFilter),
                                                     window_.tableFile(RecordTraits<R>::kind));
    if (!path)
        return;
    if (window_.showReport(exportWorkbook<R>(window_.workspace(), *path, today_()))) {
        window_.gridUndo(RecordTraits<R>::kind).markSaved();
        window_.noteExport(RecordTraits<R>::kind, *path);
    }
}

template void SheetActions::importTable<PluRecord>();
template void SheetActions::importTable<IngredRecord>();
template void SheetActions::exportTable<PluRecord>();
template void SheetActions::exportTable<IngredRecord>();

} // namespace tarn
