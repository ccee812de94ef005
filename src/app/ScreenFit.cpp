// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>

#include <algorithm>

namespace tarn {

ScreenFit::ScreenFit(QWidget& window) : QObject(&window), window_(window) {
    qApp->installEventFilter(this);
}

QSize ScreenFit::room(const QRect& area) {
    // The frame is not known before the window is shown; leave room for a usual one.
    const QSize frame(16, 40);
    return (area.size() - frame).expandedTo(QSize(200, 150));
}

void ScreenFit::fitInto(QWidget& widget, const QRect& area) {
    const QSize most = room(area);
    if (widget.width() > most.width() || widget.height() > most.height())
        widget.resize(widget.size().boundedTo(most));
}

// Centred over the window, and moved so that its frame is wholly within `area`.
void ScreenFit::place(QWidget& dialog, const QRect& area) const {
    // The window's own frame tells how large the dialog's will be; before the window has one,
    // a usual frame.
    QMargins margins(8, 32, 8, 8);
    const QRect outer = window_.frameGeometry();
    const QRect inner = window_.geometry();
    if (window_.isVisible() && outer != inner)
        margins = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                           outer.right() - inner.right(), outer.bottom() - inner.bottom());
    QRect frame(QPoint(0, 0), dialog.size().grownBy(margins));
    frame.moveCenter(window_.isVisible() ? outer.center() : area.center());
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    dialog.move(frame.topLeft());
}

// A dialog is fitted and placed before its own show event would place it.
bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow() && dialog->parentWidget() &&
            dialog->parentWidget()->window() == &window_ && dialog->screen()) {
            const QRect area = dialog->screen()->availableGeometry();
            fitInto(*dialog, area);
            place(*dialog, area);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarn
