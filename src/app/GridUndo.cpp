// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridUndo.h"

#include <QUndoCommand>

namespace tarn {

// Cell texts before and after, and the rows a paste grew; undo takes the grown rows away again
// while nothing has grown the grid further.
class CellsCommand : public QUndoCommand {
public:
    struct Change {
        int row;
        int col;
        QString before;
        QString after;
    };

    CellsCommand(GridUndo& undo, const QString& name, QVector<Change> changes, int rowsBefore,
                 int rowsAfter)
        : QUndoCommand(name), undo_(undo), changes_(std::move(changes)), rowsBefore_(rowsBefore),
          rowsAfter_(rowsAfter) {}

    void redo() override {
        apply([this](TextGrid& grid) {
            growRows(grid, rowsAfter_);
            for (const Change& c : changes_)
                grid.setText(c.row, c.col, c.after);
        });
    }

    void undo() override {
        apply([this](TextGrid& grid) {
            for (auto c = changes_.crbegin(); c != changes_.crend(); ++c)
                grid.setText(c->row, c->col, c->before);
            if (rowsAfter_ > rowsBefore_ && grid.rows() == rowsAfter_)
                grid.setRows(rowsBefore_);
        });
    }

private:
    template <class F> void apply(F&& change) {
        TextGrid& grid = undo_.grid_;
        undo_.applying_ = true;
        change(grid);
        undo_.applying_ = false;
        // The cursor goes where the step wrote, so the operator sees what changed.
        if (!changes_.isEmpty())
            grid.setCurrent(changes_.front().row, changes_.front().col);
    }

    GridUndo& undo_;
    QVector<Change> changes_;
    int rowsBefore_;
    int rowsAfter_;
};

GridUndo::GridUndo(TextGrid& grid, QObject* parent) : QObject(parent), grid_(grid) {
    // Row numbers and rows grown at the bottom are not a table's contents; Enter adds them.
    connect(&grid_, &TextGrid::cellChanged, this, [this](int row, int col) {
        if (row >= 1 && col >= 1)
            replacedOutside();
    });
    connect(&grid_, &TextGrid::formatChanged, this, &GridUndo::replacedOutside);
}

void GridUndo::replacedOutside() {
    if (!applying_)
        startAfresh();
}

void GridUndo::startAfresh() {
    if (stack_.count() > 0 || !stack_.isClean())
        stack_.clear();
    recordsStep_ = 0;
    emit replaced();
}

void GridUndo::writeCell(int row, int col, const QString& text) {
    //: The undo step of a typed cell, shown as "Undo Typing"
    write(tr("Typing"), {{row, col, text}}, grid_.rows());
}

void GridUndo::write(const QString& name, const QVector<CellWrite>& writes, int rows) {
    QVector<CellsCommand::Change> changes;
    for (const CellWrite& w : writes) {
        const QString before = grid_.text(w.row, w.col);
        if (before != w.text)
            changes.push_back({w.row, w.col, before, w.text});
    }
    const int rowsBefore = grid_.rows();
    if (changes.isEmpty() && rows <= rowsBefore)
        return;
    if (recordsStep_ > stack_.index())
        recordsStep_ = -1; // the step the records hold is gone with this one
    stack_.push(new CellsCommand(*this, name, std::move(changes), rowsBefore, rows));
}

} // namespace tarn
