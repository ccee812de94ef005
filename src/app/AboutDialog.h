// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace tarn {

// frmAbout: what the program is for, its version and whom to ask. "OK" only hides it, so a
// later "About" shows the same window again.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    static QString aboutText();
};

} // namespace tarn
