// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridActions.h"

#include "FindBar.h"
#include "GridUndo.h"
#include "GridView.h"
#include "Workspace.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>

namespace tarn {

GridActions::GridActions(GridView& view, GridUndo& undo, Workspace& workspace,
                         QString row201Message, const char* findName, QObject* parent)
    : QObject(parent), view_(view), undo_(undo), workspace_(workspace),
      row201Message_(std::move(row201Message)),
      findBar_(new FindBar(view, findName, view.parentWidget())) {
    view_.setSelectionMode(QAbstractItemView::ContiguousSelection);
    view_.setContextMenuPolicy(Qt::ActionsContextMenu);

    // Keys of the grid itself; the overlay box and the find bar keep their own.
    const auto entry = [this](QAction* action, const QList<QKeySequence>& keys) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        view_.addAction(action);
        return action;
    };
    //: Followed by the step's name: "Undo Paste"
    entry(undo_.stack().createUndoAction(this, tr("&Undo")), {QKeySequence::Undo});
    //: Followed by the step's name: "Redo Paste"
    entry(undo_.stack().createRedoAction(this, tr("&Redo")),
          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    view_.addAction(separator);
    connect(entry(new QAction(tr("&Copy"), this), {QKeySequence::Copy}), &QAction::triggered, this,
            &GridActions::copy);
    connect(entry(new QAction(tr("&Paste"), this), {QKeySequence::Paste}), &QAction::triggered,
            this, &GridActions::paste);
    //: Empties the selected cells
    connect(entry(new QAction(tr("C&lear"), this), {QKeySequence::Delete}), &QAction::triggered,
            this, &GridActions::clearSelection);

    // Find and find-next also work from the find bar and the overlay box on the same page.
    auto* find = new QAction(tr("&Find..."), this);
    find->setShortcut(QKeySequence::Find);
    auto* next = new QAction(tr("Find &next"), this);
    next->setShortcut(QKeySequence(Qt::Key_F3));
    for (QAction* a : {find, next}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view_.parentWidget()->addAction(a);
        view_.addAction(a);
    }
    connect(find, &QAction::triggered, findBar_, &FindBar::open);
    connect(next, &QAction::triggered, this, [this] {
        if (findBar_->isHidden() || findBar_->text().isEmpty())
            findBar_->open();
        else
            findBar_->findNext();
    });
}

CellRange GridActions::selectedRange() const {
    const QModelIndexList selected = view_.selectionModel()->selectedIndexes();
    const TextGrid& grid = view_.grid();
    if (selected.isEmpty())
        return {grid.row(), grid.col(), grid.row(), grid.col()};
    CellRange range{grid.rows(), grid.cols(), 0, 0};
    for (const QModelIndex& i : selected) {
        range.top = std::min(range.top, i.row() + 1);
        range.left = std::min(range.left, i.column() + 1);
        range.bottom = std::max(range.bottom, i.row() + 1);
        range.right = std::max(range.right, i.column() + 1);
    }
    return range;
}

void GridActions::copy() {
    QGuiApplication::clipboard()->setText(toTabText(view_.grid(), selectedRange()));
}

void GridActions::paste() {
    const TextGrid& grid = view_.grid();
    const QVector<QStringList> block = parseTabText(QGuiApplication::clipboard()->text());
    const PastePlan plan = planPaste(grid, grid.row(), grid.col(), block);
    if (plan.refused) {
        workspace_.status(row201Message_);
        return;
    }
    //: The undo step of a paste, shown as "Undo Paste"
    undo_.write(tr("Paste"), plan.writes, plan.rows);
}

void GridActions::clearSelection() {
    const TextGrid& grid = view_.grid();
    //: The undo step of emptying the selected cells, shown as "Undo Clear"
    undo_.write(tr("Clear"), planClear(grid, selectedRange()), grid.rows());
}

} // namespace tarn
