// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridEditor.h"

#include "CellEditing.h"
#include "GridView.h"
#include "Workspace.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tarn {

GridEditor::GridEditor(GridView& view, QLineEdit& edit, Workspace& workspace, QString row201Message,
                       QObject* parent)
    : QObject(parent), view_(view), edit_(edit), workspace_(workspace),
      row201Message_(std::move(row201Message)) {
    // The box lives in the grid's view (its parent is the view's viewport): what lies outside
    // the view is never drawn over the headers or the rest of the window.
    Q_ASSERT(edit_.parentWidget() == view_.viewport());
    edit_.setFrame(false);
    edit_.installEventFilter(this);
    connect(&view_, &GridView::characterTyped, this, &GridEditor::open);
    connect(&view_, &GridView::focusReceived, this, [this] {
        if (!movingAside_)
            commit();
    });
    connect(&view_.grid(), &TextGrid::leaveCell, this, &GridEditor::commit);
    // The table was replaced under an open edit (New, a load, an import, an upload), or the
    // edit's own cell was written from elsewhere: what was typed was meant for the cell as it
    // was, and must not land in the new table when the operator comes back to the grid.
    connect(&view_.grid(), &TextGrid::formatChanged, this, [this] {
        if (open_)
            close();
    });
    connect(&view_.grid(), &TextGrid::cellChanged, this, [this](int row, int col) {
        const TextGrid& grid = view_.grid();
        if (open_ && row == grid.row() && col == grid.col())
            close();
    });
    connect(&view_, &GridView::cellsMoved, this, [this] {
        if (open_)
            followCell();
    });
}

bool GridEditor::isOpen() const {
    return open_;
}

void GridEditor::open(const QString& typed) {
    TextGrid& grid = view_.grid();
    if (open_) {
        // A key in the grid while the edit's cell is out of view: the edit comes back, and
        // what the key types goes on in it.
        view_.scrollTo(view_.currentIndex());
        followCell();
        edit_.setFocus(Qt::OtherFocusReason);
        if (!typed.isEmpty() && typed.front().unicode() > 32)
            edit_.insert(typed);
        return;
    }
    if (!isEditableCell(grid))
        return;
    const QString text = openingText(typed, grid.text(grid.row(), grid.col()));
    edit_.setText(text);
    edit_.setCursorPosition(int(text.size()));
    // The box aligns its text as the column does, so that it does not move on Enter.
    edit_.setAlignment(
        (grid.align(grid.col()) == ColumnFormat::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
        Qt::AlignVCenter);
    open_ = true;
    view_.scrollTo(view_.currentIndex());
    followCell();
    edit_.setFocus(Qt::OtherFocusReason);
}

void GridEditor::commit() {
    if (!open_)
        return;
    TextGrid& grid = view_.grid();
    const QString text = edit_.text();
    // Closed first: a write that moves the cursor finds no edit open.
    close();
    if (writer_)
        writer_(grid.row(), grid.col(), text);
    else
        grid.setText(grid.row(), grid.col(), text);
}

void GridEditor::close() {
    open_ = false;
    // A box that goes with the focus hands it to its grid, not to whatever comes next in the
    // window (the Source box), where Ctrl+Z and the grid's other keys would not reach.
    if (edit_.hasFocus())
        view_.setFocus(Qt::OtherFocusReason);
    edit_.hide();
}

// The box lies over its cell while any of the cell is in view, and is hidden while none is.
// Hidden, it hands the keys to the grid without the edit being taken for done; it takes them
// back when the cell returns.
void GridEditor::followCell() {
    const QRect cell = view_.visualRect(view_.currentIndex());
    edit_.setGeometry(cell);
    const bool inView = view_.viewport()->rect().intersects(cell);
    if (!inView && !edit_.isHidden()) {
        if (edit_.hasFocus()) {
            movingAside_ = true;
            view_.setFocus(Qt::OtherFocusReason);
            movingAside_ = false;
        }
        edit_.hide();
    } else if (inView && edit_.isHidden()) {
        edit_.show();
        edit_.raise();
        if (view_.hasFocus())
            edit_.setFocus(Qt::OtherFocusReason);
    }
}

bool GridEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &edit_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Escape:
        escapeKey();
        return true;
    case Qt::Key_Down:
        downKey();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterKey();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Tab leaves the box as a click elsewhere does: the text goes into its cell.
        downKey();
        return true;
    default:
        return false;
    }
}

// The typed text is dropped: the box is hidden before the grid gets the focus back.
void GridEditor::escapeKey() {
    close();
    view_.setFocus(Qt::OtherFocusReason);
}

void GridEditor::downKey() {
    commit();
    view_.setFocus(Qt::OtherFocusReason);
}

void GridEditor::enterKey() {
    if (tarn::enterKey(view_.grid(), [this] { commit(); }) == EnterResult::Refused) {
        workspace_.status(row201Message_);
        close();
    }
    view_.setFocus(Qt::OtherFocusReason);
}

} // namespace tarn
