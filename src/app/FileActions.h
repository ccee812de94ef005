// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TableFile.h"
#include "Workspace.h"

#include <QObject>

#include <array>

namespace tarn {

class MainWindow;

// The PLU and INGRED "Open" and "Save" file entries: the file dialog, then the table file
// operation, whose report the window shows. Each table remembers the file it was
// last loaded from or saved to, until something else fills its grid.
class FileActions : public QObject {
    Q_OBJECT
public:
    explicit FileActions(MainWindow& window);

    void open(TableKind kind);
    Report save(TableKind kind);
    // Into the table's own file (the one it was last loaded from or saved to as a table file),
    // through the dialog when it has none: Exit's "Save", Ctrl+S.
    bool saveToOwnFile(TableKind kind);
    // The file the table was last loaded from or saved to, or else the workspace's source;
    // empty when there is none. The save dialogs propose its name.
    QString fileOf(TableKind kind) const;
    // The table file the table was last loaded from or saved to; empty when none.
    QString ownFile(TableKind kind) const { return files_[size_t(kind)]; }

private:
    Report saved(TableKind kind, const Report& outcome);

    MainWindow& window_;
    std::array<QString, 2> files_; // by TableKind
};

} // namespace tarn
