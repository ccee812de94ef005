// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GridBlock.h"

#include <QObject>
#include <QString>

namespace tarn {

class FindBar;
class GridUndo;
class GridView;
class Workspace;

// The everyday editing of one grid beyond typing: copy and paste with spreadsheets as
// tab-separated text, clearing the selected cells, undo and redo, and the find bar. Each is a
// key of the grid and an entry of its context menu.
class GridActions : public QObject {
    Q_OBJECT
public:
    GridActions(GridView& view, GridUndo& undo, Workspace& workspace, QString row201Message,
                const char* findName, QObject* parent = nullptr);

    FindBar& findBar() { return *findBar_; }

    void copy();
    void paste();
    void clearSelection();

private:
    // The selected block, or the current cell when nothing is selected.
    CellRange selectedRange() const;

    GridView& view_;
    GridUndo& undo_;
    Workspace& workspace_;
    QString row201Message_;
    FindBar* findBar_;
};

} // namespace tarn
