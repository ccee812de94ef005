// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QObject>
#include <QPointer>

class QProgressBar;
class QPushButton;

namespace tarn {

struct Controls;
class MainWindow;

// The download options as the "Download" tab holds them for the table.
DownloadOptions downloadOptions(const Controls& c, TableKind kind);

// The "Download", "Upload" and "Display" buttons: each reads its options from the window and
// hands its job to the engine, which runs it on the port's own thread; what the job reports is
// shown here, in one place. While a job runs, nothing that would start another exchange, open
// or close the port, or change a table can be used; "Stop" (and Escape) ends it. A table
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
    // cmdStop click, or Escape while a job runs.
    void cmdStop();

    // A job is on the line.
    bool running() const { return job_ != 0; }
    // Runs a job on the port with the window held as for a table transfer (Compare).
    void start(Job job);
    // What runs and how far it came, as Exit asks whether to stop it: "A download is running
    // (35 of 200 sent). Stop it and exit?"
    QString runningText() const;

signals:
    // A job has ended and its outcome is shown.
    void jobEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A Changed download of the PLU table ended having sent these slots (in the order sent).
    void changedPluSent(const QList<int>& sent);

private:
    void download(TableKind kind);
    void upload(TableKind kind);
    void attach(Engine* engine);
    void showProgress(int done, int total);
    void ended(const JobOutcome& outcome, RequestId id);
    void hold(bool on);

    MainWindow& window_;
    const Controls& c_;
    QProgressBar* progress_;
    QPushButton* stop_;
    RequestId job_ = 0;                                  // the job on the line, or 0
    JobOutcome::What what_ = JobOutcome::What::Download; // the job's kind while one runs
    int done_ = 0;
    int total_ = 0;           // of the job's progress; 0 before the first report
    bool changedPlu_ = false; // that job is a Changed download of the PLU table
    QList<int> sent_;         // ... and the slots the scale acknowledged so far
    bool stopAsked_ = false;
    QPointer<QWidget> focusBefore_; // where the focus was when the job started
};

} // namespace tarn
