// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace tarn {

// The window and every dialog it opens (the price list, Compare, History, the questions, the
// file dialogs) fit the screen's available area when they open, so that their buttons are on
// the screen: a dialog larger than the room is made smaller as it is shown, and placed over the
// window with its frame within the screen's available area.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    explicit ScreenFit(QWidget& window);

    // The most a window may be within `area`, with room for the frame the window system adds.
    static QSize room(const QRect& area);
    // Makes `widget` no larger than room(area).
    static void fitInto(QWidget& widget, const QRect& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(QWidget& dialog, const QRect& area) const;

    QWidget& window_;
};

} // namespace tarn
