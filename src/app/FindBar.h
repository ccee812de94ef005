// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tarn {

class GridView;

// The find bar over a grid: the cursor moves to the next cell whose text contains the one
// typed, in any column and any letter case, wrapping at the end. Enter and F3 find the next
// one; Escape closes the bar and gives the grid the focus back.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(GridView& view, const char* textName, QWidget* parent = nullptr);

    void open();
    void close();
    // Moves to the next match; false (and "Not found" in the bar) when there is none.
    bool findNext();
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GridView& view_;
    QLineEdit* text_;
    QLabel* note_;
};

} // namespace tarn
