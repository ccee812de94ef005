// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileActions.h"

#include "Controls.h"
#include "GridUndo.h"
#include "MainWindow.h"

#include <QAction>

namespace tarn {

namespace {
// The dialog translates the descriptions (FileChooser).
QString filterOf(TableKind kind) {
    return kind == TableKind::Plu
               ? QStringLiteral(QT_TRANSLATE_NOOP("FileChooser", "PLU file") "|*.plu;*.PLU")
               : QStringLiteral(
                     QT_TRANSLATE_NOOP("FileChooser", "INGRED file") "|*.ingred;*.INGRED");
}
} // namespace

FileActions::FileActions(MainWindow& window) : QObject(&window), window_(window) {
    const Controls& c = window.controls();
    connect(c.mnuFileOpen, &QAction::triggered, this, [this] { open(TableKind::Plu); });
    connect(c.mnuFileSave, &QAction::triggered, this, [this] { save(TableKind::Plu); });
    connect(c.mnuFileOpen1, &QAction::triggered, this, [this] { open(TableKind::Ingred); });
    connect(c.mnuFileSave1, &QAction::triggered, this, [this] { save(TableKind::Ingred); });
    for (TableKind kind : {TableKind::Plu, TableKind::Ingred})
        connect(&window.gridUndo(kind), &GridUndo::replaced, this,
                [this, kind] { files_[size_t(kind)].clear(); });
}

void FileActions::open(TableKind kind) {
    if (!window_.mayReplace(kind))
        return;
    const std::optional<QString> path = window_.fileChooser().openPath(filterOf(kind));
    if (!path)
        return; // a cancelled dialog changes nothing
    const MainWindow::SourceOf source(window_, kind);
    if (window_.showReport(load(window_.workspace(), kind, *path))) {
        window_.gridUndo(kind).startAfresh();
        files_[size_t(kind)] = window_.workspace().filePath();
        window_.showGrid(kind);
    }
}

Report FileActions::save(TableKind kind) {
    // What the box over a cell holds is what the operator sees: it is saved too.
    window_.commitOpenEdit(kind);
    // The grid is checked before the dialog is shown; the save asks for the path only then.
    const MainWindow::SourceOf source(window_, kind);
    return saved(kind, tarn::save(window_.workspace(), kind, [&] {
                     return window_.fileChooser().savePath(filterOf(kind), fileOf(kind));
                 }));
}

QString FileActions::fileOf(TableKind kind) const {
    const QString own = files_[size_t(kind)];
    if (!own.isEmpty())
        return own;
    return window_.hasSource(kind) ? window_.sourceOf(kind) : QString();
}

bool FileActions::saveToOwnFile(TableKind kind) {
    const QString file = files_[size_t(kind)];
    if (file.isEmpty())
        return save(kind).ok();
    window_.commitOpenEdit(kind);
    const MainWindow::SourceOf source(window_, kind);
    return saved(kind, tarn::save(window_.workspace(), kind, file)).ok();
}

Report FileActions::saved(TableKind kind, const Report& outcome) {
    if (window_.showReport(outcome)) {
        window_.gridUndo(kind).markSaved();
        window_.gridUndo(kind).markRecordsTaken();
        files_[size_t(kind)] = window_.workspace().filePath();
    }
    return outcome;
}

} // namespace tarn
