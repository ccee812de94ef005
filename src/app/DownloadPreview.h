// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tarn {

class MainWindow;

// Beside the "One" and "Multiple" number boxes of both download frames: which records they
// select ("row 101: PLU 100 APPLES", "rows 5 to 3: nothing"), kept up to date as the boxes are
// typed in and the tables change.
class DownloadPreview : public QObject {
    Q_OBJECT
public:
    explicit DownloadPreview(MainWindow& window);
    void refresh();

private:
    MainWindow& window_;
};

} // namespace tarn
