// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>

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

// A dialog is fitted before its own show event places it over the window, within the room.
bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow() && dialog->parentWidget() &&
            dialog->parentWidget()->window() == &window_ && dialog->screen())
            fitInto(*dialog, dialog->screen()->availableGeometry());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarn
