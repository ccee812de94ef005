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
    edit_.setFrame(false);
    edit_.installEventFilter(this);
    connect(&view_, &GridView::characterTyped, this, &GridEditor::open);
    connect(&view_, &GridView::focusReceived, this, &GridEditor::commit);
    connect(&view_.grid(), &TextGrid::leaveCell, this, &GridEditor::commit);
    connect(&view_, &GridView::cellsMoved, this, [this] {
        if (isOpen())
            placeOverCell();
    });
}

// Hidden by hand, not merely off screen: the edit stays open while its tab is not shown.
bool GridEditor::isOpen() const {
    return !edit_.isHidden();
}

void GridEditor::open(const QString& typed) {
    TextGrid& grid = view_.grid();
    if (!isEditableCell(grid))
        return;
    const QString text = openingText(typed, grid.text(grid.row(), grid.col()));
    edit_.setText(text);
    edit_.setCursorPosition(int(text.size()));
    view_.scrollTo(view_.currentIndex());
    placeOverCell();
    edit_.show();
    edit_.raise();
    edit_.setFocus(Qt::OtherFocusReason);
}

void GridEditor::commit() {
    if (!isOpen())
        return;
    TextGrid& grid = view_.grid();
    const QString text = edit_.text();
    edit_.hide();
    if (writer_)
        writer_(grid.row(), grid.col(), text);
    else
        grid.setText(grid.row(), grid.col(), text);
}

void GridEditor::placeOverCell() {
    const TextGrid& grid = view_.grid();
    const QRect cell = view_.cellRect(grid.row(), grid.col());
    const QPoint origin = view_.mapTo(edit_.parentWidget(), QPoint(0, 0));
    edit_.setGeometry(cell.translated(origin));
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
    default:
        return false;
    }
}

// The typed text is dropped: the box is hidden before the grid gets the focus back.
void GridEditor::escapeKey() {
    edit_.hide();
    view_.setFocus(Qt::OtherFocusReason);
}

void GridEditor::downKey() {
    commit();
    view_.setFocus(Qt::OtherFocusReason);
}

void GridEditor::enterKey() {
    if (tarn::enterKey(view_.grid(), [this] { commit(); }) == EnterResult::Refused) {
        workspace_.status(row201Message_);
        edit_.hide();
    }
    view_.setFocus(Qt::OtherFocusReason);
}

} // namespace tarn
