#include "SheetActions.h"

#include "GridHistory.h"
#include "MainWindow.h"
#include "SheetExchange.h"

#include <QAction>

namespace tarn {

SheetActions::SheetActions(MainWindow& window)
    : QObject(&window), window_(window), today_([] { return QDate::currentDate(); }) {
    setObjectName(QStringLiteral("sheetActions"));
    auto entry = [&](const char* name, void (SheetActions::*handler)()) {
        if (auto* action = window.findChild<QAction*>(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, handler);
    };
    entry("mnuLxls", &SheetActions::importTable<PluRecord>);
    entry("mnuXls", &SheetActions::exportTable<PluRecord>);
    entry("mnuLxls1", &SheetActions::importTable<IngredRecord>);
    entry("mnuLxls2", &SheetActions::exportTable<IngredRecord>);
}

template <class R> void SheetActions::importTable() {
    Workspace& ws = window_.workspace();
    ws.status(QString::fromLatin1(sheetSideOf(RecordTraits<R>::kind).importStarts));
    const auto path = window_.fileChooser().openPath(QString::fromLatin1(kWorkbookOpenFilter));
    if (!path)
        return;
    if (importWorkbook<R>(ws, *path))
        window_.history(RecordTraits<R>::kind).startAfresh();
}

template <class R> void SheetActions::exportTable() {
    Workspace& ws = window_.workspace();
    ws.status(QString::fromLatin1(kWorkbookExportStarts));
    const auto path = window_.fileChooser().savePath(QString::fromLatin1(kWorkbookSaveFilter));
    if (!path)
        return;
    if (exportWorkbook<R>(ws, *path, today_()))
        window_.history(RecordTraits<R>::kind).markSaved();
}

template void SheetActions::importTable<PluRecord>();
template void SheetActions::importTable<IngredRecord>();
template void SheetActions::exportTable<PluRecord>();
template void SheetActions::exportTable<IngredRecord>();

} // namespace tarn
