// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QSettings;

namespace tarn {

class MainWindow;

// What the window keeps between runs: the chosen port, each file dialog's last folder, the
// window's size and the column widths the operator gave the grids.
void restoreWindow(MainWindow& window, QSettings& settings);
void rememberWindow(MainWindow& window, QSettings& settings);

} // namespace tarn
