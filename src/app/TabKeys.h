// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tarn {

class MainWindow;

// Moving between the tabs by keyboard, wherever the focus is in the window (a grid
// included): Ctrl+Tab and Ctrl+PgDn show the next tab, Ctrl+Shift+Tab and Ctrl+PgUp the one
// before, round past the ends; a tab's mnemonic shows it. The focus goes into the tab shown,
// into its grid on the "PLU" and "INGRED" tabs, so that typing fills the current cell.
class TabKeys : public QObject {
    Q_OBJECT
public:
    explicit TabKeys(MainWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int by);
    void focusPage();

    MainWindow& window_;
};

} // namespace tarn
