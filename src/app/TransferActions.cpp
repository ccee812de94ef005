// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferActions.h"

#include "Controls.h"
#include "MainWindow.h"
#include "PortActions.h"
#include "SafetyQuestions.h"
#include "Workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

#include <algorithm>

namespace tarn {

DownloadOptions downloadOptions(const Controls& c, TableKind kind) {
    const bool plu = kind == TableKind::Plu;
    DownloadOptions o;
    if ((plu ? c.optDownOnePLU : c.optDownOneINGRED)->isChecked())
        o.extent = DownloadExtent::One;
    else if ((plu ? c.optDownMultiplePLU : c.optDownMultipleINGRED)->isChecked())
        o.extent = DownloadExtent::Range;
    else if ((plu ? c.optDownChangedPLU : c.optDownChangedINGRED)->isChecked())
        o.extent = DownloadExtent::Changed; // the engine finds the slots in the store
    else
        o.extent = DownloadExtent::All;
    o.one = (plu ? c.txtDownOnePluNo : c.txtDownOneIngNo)->text();
    o.start = (plu ? c.txtDownStartPluNo : c.txtDownStartIngNo)->text();
    o.end = (plu ? c.txtDownEndPluNo : c.txtDownEndIngNo)->text();
    return o;
}

namespace {

// What a table transfer that failed on the way did, and what the operator does next; empty for
// any other end.
QString adviceAfter(const JobOutcome& o) {
    using What = JobOutcome::What;
    QString text;
    switch (o.result.outcome) {
    case TransferOutcome::Abandoned:
        switch (o.what) {
        case What::Download:
            //: "Changed" is the download's option of that name
            text = TransferActions::tr("The scale stopped answering after %1 of %2 records. "
                                       "Check that it is on and cabled, then send Changed: it "
                                       "sends the rest.");
            break;
        case What::Upload:
            text = TransferActions::tr("The scale stopped answering after %1 of %2 records. "
                                       "Check that it is on and cabled, then upload again.");
            break;
        case What::Compare:
            text = TransferActions::tr("The scale stopped answering after %1 of %2 records. "
                                       "Check that it is on and cabled, then compare again.");
            break;
        case What::Display:
            return {};
        }
        break;
    case TransferOutcome::PortLost:
        switch (o.what) {
        case What::Download:
            //: "Changed" is the download's option of that name
            text = TransferActions::tr("The port was lost after %1 of %2 records (adapter pulled "
                                       "out?). Open it again, then send Changed.");
            break;
        case What::Upload:
            text = TransferActions::tr("The port was lost after %1 of %2 records (adapter pulled "
                                       "out?). Open it again, then upload again.");
            break;
        case What::Compare:
            text = TransferActions::tr("The port was lost after %1 of %2 records (adapter pulled "
                                       "out?). Open it again, then compare again.");
            break;
        case What::Display:
            return {};
        }
        break;
    default:
        return {};
    }
    return text.arg(o.result.records).arg(o.result.total);
}

} // namespace

TransferActions::TransferActions(MainWindow& window)
    : QObject(&window), window_(window), c_(window.controls()),
      progress_(new QProgressBar(window.statusBar())),
      stop_(new QPushButton(tr("&Stop"), window.statusBar())) {
    progress_->setObjectName(QStringLiteral("prgTransfer"));
    progress_->setMaximumWidth(160);
    progress_->setFormat(QStringLiteral("%v / %m"));
    window.addToStatusLine(progress_);
    progress_->hide();
    stop_->setObjectName(QStringLiteral("cmdStop"));
    stop_->setFocusPolicy(Qt::NoFocus);
    window.addToStatusLine(stop_);
    stop_->hide();
    connect(stop_, &QPushButton::clicked, this, &TransferActions::cmdStop);

    const std::pair<QPushButton*, void (TransferActions::*)()> buttons[] = {
        {c_.cmdPLUDownload, &TransferActions::cmdPLUDownload},
        {c_.cmdINGREDDownload, &TransferActions::cmdINGREDDownload},
        {c_.cmdPLUUpload, &TransferActions::cmdPLUUpload},
        {c_.cmdINGUpload, &TransferActions::cmdINGUpload},
        {c_.cmdVFDUpdate, &TransferActions::cmdVFDUpdate}};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);

    // Escape stops a job wherever the focus is in the window (the grids and boxes are held).
    qApp->installEventFilter(this);

    attach(&window.portActions().engine());
    connect(&window.portActions(), &PortActions::engineMade, this, &TransferActions::attach);
}

void TransferActions::attach(Engine* engine) {
    job_ = 0;
    connect(engine, &Engine::status, &window_.workspace(), &Workspace::status);
    connect(engine, &Engine::progress, this, &TransferActions::showProgress);
    connect(engine, &Engine::finished, this, &TransferActions::ended);
    connect(engine, &Engine::acknowledged, this, [this](const RecordAck& ack) {
        if (changedPlu_ && ack.download && ack.kind == TableKind::Plu)
            sent_ << ack.slot;
    });
}

void TransferActions::cmdPLUDownload() {
    download(TableKind::Plu);
}
void TransferActions::cmdINGREDDownload() {
    download(TableKind::Ingred);
}
void TransferActions::cmdPLUUpload() {
    upload(TableKind::Plu);
}
void TransferActions::cmdINGUpload() {
    upload(TableKind::Ingred);
}

// One exchange on the line at a time. While one runs, the tab control (every button that starts
// an exchange or opens or closes the port, and the grids) and the menu entries that replace,
// change or write out a table are disabled; Exit and About stay. All comes back when the job
// has ended, however it ended.
void TransferActions::hold(bool on) {
    // The tabs give up the focus while they are held (it goes on to the Source box); it comes
    // back where it was, so that the grid's keys (Ctrl+Z) act at once.
    if (on)
        focusBefore_ = window_.focusWidget();
    c_.SSTab->setEnabled(!on);
    for (QAction* entry : c_.tableEntries())
        entry->setEnabled(!on);
    stop_->setVisible(on);
    if (!on && focusBefore_ && focusBefore_->isVisible() && focusBefore_->isEnabled())
        focusBefore_->setFocus(Qt::OtherFocusReason);
}

void TransferActions::start(Job job) {
    if (running())
        return;
    stopAsked_ = false;
    progress_->hide();
    c_.lblTransferAdvice->hide();
    hold(true);
    what_ = std::holds_alternative<DownloadJob>(job)  ? JobOutcome::What::Download
            : std::holds_alternative<UploadJob>(job)  ? JobOutcome::What::Upload
            : std::holds_alternative<CompareJob>(job) ? JobOutcome::What::Compare
                                                      : JobOutcome::What::Display;
    done_ = total_ = 0;
    job_ = window_.portActions().engine().run(std::move(job));
}

QString TransferActions::runningText() const {
    const bool counted = total_ > 0;
    QString text;
    switch (what_) {
    case JobOutcome::What::Download:
        //: Exit's question while a download runs; %1 of %2 records sent so far
        text = counted ? tr("A download is running (%1 of %2 sent). Stop it and exit?")
                       : tr("A download is running. Stop it and exit?");
        break;
    case JobOutcome::What::Upload:
        //: Exit's question while an upload runs; %1 of %2 records received so far
        text = counted ? tr("An upload is running (%1 of %2 received). Stop it and exit?")
                       : tr("An upload is running. Stop it and exit?");
        break;
    case JobOutcome::What::Compare:
        //: Exit's question while a compare runs; %1 of %2 records read so far
        text = counted ? tr("A compare is running (%1 of %2 read). Stop it and exit?")
                       : tr("A compare is running. Stop it and exit?");
        break;
    case JobOutcome::What::Display:
        return tr("A read of the scale's display is running. Stop it and exit?");
    }
    return counted ? text.arg(done_).arg(total_) : text;
}

void TransferActions::showProgress(int done, int total) {
    done_ = done;
    total_ = total;
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(total > 0 ? done : 1);
    progress_->setTextVisible(total > 0);
    progress_->show();
}

bool TransferActions::eventFilter(QObject* watched, QEvent* event) {
    if (running() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_) {
        cmdStop();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TransferActions::cmdStop() {
    if (!running())
        return;
    stopAsked_ = true;
    window_.portActions().engine().stop();
}

// Every job ends here: the window comes back, and what the job brought is shown.
void TransferActions::ended(const JobOutcome& o, RequestId id) {
    if (id != job_)
        return;
    job_ = 0;
    hold(false);
    if (changedPlu_ && !sent_.isEmpty())
        emit changedPluSent(sent_);
    changedPlu_ = false;
    sent_.clear();
    Workspace& ws = window_.workspace();
    if (o.what == JobOutcome::What::Upload && o.result.outcome != TransferOutcome::Refused) {
        // The records received so far, whatever the end; the other table keeps its file.
        const MainWindow::SourceOf source(window_, o.kind);
        ws.setFilePath(QString::fromLatin1(Workspace::kNoFile));
        showUpload(ws, o.received);
    }
    if (o.what == JobOutcome::What::Display && o.display) {
        c_.txtWeight->setText(o.display->weight);
        c_.txtUnitPrice->setText(o.display->unitPrice);
        c_.txtTotalPrice->setText(o.display->totalPrice);
    }
    const bool stoppedHere = stopAsked_ && o.stopped;
    stopAsked_ = false;
    const QString advice = adviceAfter(o);
    if (stoppedHere) {
        // The operator's Stop: say where it stopped, and leave the bar at the records done.
        ws.status(stoppedText(o));
    } else if (!advice.isEmpty()) {
        // A transfer that failed on the way: the bar stays at the records done, and the line
        // under it says what happened and what to do.
        c_.lblTransferAdvice->setText(advice);
        c_.lblTransferAdvice->show();
    } else {
        progress_->hide();
    }
    emit jobEnded();
}

void TransferActions::download(TableKind kind) {
    if (!askBeforeDownload(window_, kind))
        return;
    DownloadJob job = downloadJob(kind, window_.workspace(), downloadOptions(c_, kind));
    job.hasFile = window_.hasSource(kind); // the table's own file, not the other's
    job.verify = c_.chkVerify->isChecked();
    if (running())
        return;
    const bool changedPlu = kind == TableKind::Plu && c_.optDownChangedPLU->isChecked();
    start(std::move(job));
    changedPlu_ = changedPlu;
}

void TransferActions::upload(TableKind kind) {
    if (!window_.mayReplace(kind))
        return;
    const bool plu = kind == TableKind::Plu;
    UploadOptions options;
    options.extent = (plu ? c_.optUpOnePLU : c_.optUpOneING)->isChecked() ? UploadExtent::One
                                                                          : UploadExtent::All;
    options.number = (plu ? c_.txtUpOnePluNo : c_.txtUpOneIngNo)->text();
    start(UploadJob{kind, options});
}

// One read of the scale's display, with the window held like a table transfer.
void TransferActions::cmdVFDUpdate() {
    start(DisplayJob{});
}

} // namespace tarn
