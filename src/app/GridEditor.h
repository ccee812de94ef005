// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace tarn {

class GridView;
class Workspace;

// In-place editing of one grid through its overlay box: a key typed in the grid opens an edit
// over the current cell, and the text goes back into that cell when the grid gets the focus
// again, its cursor is about to move, or Tab leaves the box. The box is shown while an edit is
// open and its cell is in the grid's view. Both grids use this one class; they differ only in
// the grid, the box and the message that refuses Enter on row 201.
class GridEditor : public QObject {
    Q_OBJECT
public:
    GridEditor(GridView& view, QLineEdit& edit, Workspace& workspace, QString row201Message,
               QObject* parent = nullptr);

    bool isOpen() const;
    // Writes an open edit's text into its cell and closes the edit.
    void commit();

    // Where a committed text goes; by default straight into the grid's cell.
    using CellWriter = std::function<void(int row, int col, const QString& text)>;
    void setCellWriter(CellWriter writer) { writer_ = std::move(writer); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(const QString& typed);
    void close();
    void followCell();
    void escapeKey();
    void downKey();
    void enterKey();

    GridView& view_;
    QLineEdit& edit_;
    Workspace& workspace_;
    QString row201Message_;
    CellWriter writer_;
    bool open_ = false;
    bool movingAside_ = false; // the grid takes the focus from a box going out of view
};

} // namespace tarn
