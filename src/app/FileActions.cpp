#include "FileActions.h"

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
    const auto entry = [&](const char* name, auto handler) {
        if (auto* action = window.findChild<QAction*>(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, handler);
    };
    entry("mnuFileOpen", [this] { open(TableKind::Plu); });
    entry("mnuFileSave", [this] { save(TableKind::Plu); });
    entry("mnuFileOpen1", [this] { open(TableKind::Ingred); });
    entry("mnuFileSave1", [this] { save(TableKind::Ingred); });
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
