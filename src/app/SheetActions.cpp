#include "SheetActions.h"

#include "Controls.h"
#include "GridHistory.h"
#include "MainWindow.h"
#include "SheetExchange.h"

#include <QAction>
#include <QMessageBox>

namespace tarn {

SheetActions::SheetActions(MainWindow& window)
    : QObject(&window), window_(window), today_([] { return QDate::currentDate(); }),
      notice_([this](const QString& text) {
          auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Tarnlink"), text,
                                      QMessageBox::Ok, &window_);
          box->setAttribute(Qt::WA_DeleteOnClose);
          box->open();
      }) {
    setObjectName(QStringLiteral("sheetActions"));
    const Controls& c = window.controls();
    connect(c.mnuLxls, &QAction::triggered, this, &SheetActions::importTable<PluRecord>);
    connect(c.mnuXls, &QAction::triggered, this, &SheetActions::exportTable<PluRecord>);
    connect(c.mnuLxls1, &QAction::triggered, this, &SheetActions::importTable<IngredRecord>);
    connect(c.mnuLxls2, &QAction::triggered, this, &SheetActions::exportTable<IngredRecord>);
}

template <class R> void SheetActions::importTable() {
    if (!window_.mayReplace(RecordTraits<R>::kind))
        return;
    Workspace& ws = window_.workspace();
    ws.status(QString::fromLatin1(sheetSideOf(RecordTraits<R>::kind).importStarts));
    const auto path = window_.fileChooser().openPath(QString::fromLatin1(kWorkbookOpenFilter));
    if (!path)
        return;
    const SheetImport import = importWorkbook<R>(ws, *path);
    if (import)
        window_.history(RecordTraits<R>::kind).startAfresh();
    if (!import.warnings.isEmpty())
        notice_(import.warnings.join(QLatin1Char('\n')));
}

template <class R> void SheetActions::exportTable() {
    window_.commitOpenEdit(RecordTraits<R>::kind); // the box's text is exported too
    Workspace& ws = window_.workspace();
    ws.status(QString::fromLatin1(kWorkbookExportStarts));
    const auto path = window_.fileChooser().savePath(QString::fromLatin1(kWorkbookSaveFilter),
                                                     window_.tableFile(RecordTraits<R>::kind));
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
