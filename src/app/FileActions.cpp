#include "FileActions.h"

#include "Controls.h"
#include "MainWindow.h"
#include "TableFile.h"

#include <QAction>

namespace tarn {

namespace {
QString filterOf(TableKind kind) {
    return kind == TableKind::Plu ? QStringLiteral("PLU file|*.plu;*.PLU")
                                  : QStringLiteral("INGRED file|*.ingred;*.INGRED");
}
} // namespace

FileActions::FileActions(MainWindow& window) : QObject(&window), window_(window) {
    const Controls& c = window.controls();
    connect(c.mnuFileOpen, &QAction::triggered, this, [this] { open(TableKind::Plu); });
    connect(c.mnuFileSave, &QAction::triggered, this, [this] { save(TableKind::Plu); });
    connect(c.mnuFileOpen1, &QAction::triggered, this, [this] { open(TableKind::Ingred); });
    connect(c.mnuFileSave1, &QAction::triggered, this, [this] { save(TableKind::Ingred); });
}

void FileActions::open(TableKind kind) {
    const std::optional<QString> path = window_.fileChooser().openPath(filterOf(kind));
    if (!path)
        return; // a cancelled dialog changes nothing
    load(window_.workspace(), kind, *path);
}

void FileActions::save(TableKind kind) {
    // The grid is checked before the dialog is shown; the save asks for the path only then.
    tarn::save(window_.workspace(), kind,
               [&] { return window_.fileChooser().savePath(filterOf(kind)); });
}

} // namespace tarn
