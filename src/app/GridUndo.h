// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GridBlock.h"

#include <QObject>
#include <QUndoStack>

namespace tarn {

// The undo stack of one grid's cell writes: typed cells, pastes and clears, each one step.
// Anything else that changes the grid's cells or header (a load, an import, an upload, "New",
// the "0" a save fills in) starts a fresh undo stack, since the steps before it no longer fit
// the grid. The grid counts as changed while it is not at the step last marked saved.
class GridUndo : public QObject {
    Q_OBJECT
public:
    explicit GridUndo(TextGrid& grid, QObject* parent = nullptr);

    TextGrid& grid() { return grid_; }
    QUndoStack& stack() { return stack_; }

    // One step: the cell takes the text (nothing when it already holds it).
    void writeCell(int row, int col, const QString& text);
    // One step: the writes, after the grid has grown to `rows` rows if it is shorter.
    void write(const QString& name, const QVector<CellWrite>& writes, int rows);

    bool isChanged() const { return !stack_.isClean(); }
    void markSaved() { stack_.setClean(); }
    // Whether the grid holds writes that the table's records do not (a workbook export saves
    // the grid but leaves the records as they were): what a download would not send.
    bool isAheadOfRecords() const { return recordsStep_ != stack_.index(); }
    // The records were just taken from the grid (a save into the table's file).
    void markRecordsTaken() { recordsStep_ = stack_.index(); }
    // The grid was filled from elsewhere (a load, an import, an upload, "New"): a fresh
    // undo stack with nothing changed.
    void startAfresh();

signals:
    void replaced();

private:
    friend class CellsCommand;
    void replacedOutside();

    TextGrid& grid_;
    QUndoStack stack_;
    bool applying_ = false;
    int recordsStep_ = 0; // the step the records were last taken at; -1 when undone past
};

} // namespace tarn
