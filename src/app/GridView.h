// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextGrid.h"
#include "Workspace.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QMap>
#include <QTableView>

#include <optional>

namespace tarn {

// Shows a TextGrid: row 0 as the column header, column 0 as the shaded row-number column
// (the corner cell included), with the widths and alignments of the grid's format string.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(TextGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Which table the grid shows: its cells with a text the save refuses (a fraction, a number
    // out of range, a text in a number column, a double quote) are tinted and say why in their
    // tool tip; so are those with a text longer than the scale keeps, saying what it keeps.
    void setTableKind(TableKind kind) { kind_ = kind; }

    // The tint of a text the scale keeps only part of, and of one the save refuses.
    static QColor cutTint();
    static QColor refusedTint();

private:
    TextGrid& grid_;
    std::optional<TableKind> kind_;
};

class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(TextGrid& grid, QWidget* parent = nullptr);

    TextGrid& grid() { return grid_; }
    // The rectangle of grid cell (row, col) in this widget's coordinates.
    QRect cellRect(int row, int col) const;

    // The pixels of a row of `twips` on this screen, but never less than the font's line needs.
    int rowPixels(int twips) const;

    void setTableKind(TableKind kind) { model_.setTableKind(kind); }
    // The tool tip of a cell: its whole text when the column is too narrow to show it, and
    // what the scale keeps of a text that is too long for it.
    QString toolTipFor(int row, int col) const;

    // The widths (pixels, by grid column) the operator gave columns by dragging their edges;
    // they outlast a new format (a load, "New") and are kept between runs.
    QMap<int, int> operatorWidths() const { return operatorWidths_; }
    void setOperatorWidths(const QMap<int, int>& widths);

signals:
    // A key that produces text was typed while the grid has the focus. When something listens,
    // the grid leaves the key to it instead of handling it itself.
    void characterTyped(const QString& text);
    void focusReceived();
    // The cells moved on the screen: scrolled, resized, or the grid itself moved or resized.
    void cellsMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void applyFormat();
    void applyRowHeight(int row);
    void showCurrent(int row, int col);

    TextGrid& grid_;
    GridModel model_;
    bool syncing_ = false;
    bool formatting_ = false; // the program sets the widths, not the operator
    QMap<int, int> operatorWidths_;
};

} // namespace tarn
