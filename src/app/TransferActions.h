#pragma once

#include "Transfers.h"

#include <QObject>

class QProgressBar;

namespace tarn {

struct Controls;
class MainWindow;

// The "Download", "Upload" and "Display" buttons: each reads its options from the window, runs
// its transfer on the link and shows what it returns. While any of them runs, nothing that would
// start another exchange, open or close the port, or change a table can be used; a table
// transfer also shows the records done in the progress bar.
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
