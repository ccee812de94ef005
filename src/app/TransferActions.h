#pragma once

#include "Transfers.h"

#include <QObject>

class QProgressBar;

namespace tarn {

struct Controls;
class MainWindow;

// The "Download", "Upload" and "Display" buttons: each reads its options from the window, runs
// its transfer on the link and shows what it returns. While a table transfer runs, the tab
// control is disabled and the progress bar shows the records done; "Update" is disabled while
// its own exchange runs.
class TransferActions : public QObject {
    Q_OBJECT
public:
    explicit TransferActions(MainWindow& window);

    void cmdPLUDownload();
    void cmdINGREDDownload();
    void cmdPLUUpload();
    void cmdINGUpload();
    void cmdVFDUpdate();

private:
    template <class R> void runDownload();
    template <class R> void runUpload();
    template <class F> TransferResult runTable(F&& transfer);

    MainWindow& window_;
    const Controls& c_;
    QProgressBar* progress_;
};

} // namespace tarn
