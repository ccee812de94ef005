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
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

#include <algorithm>

namespace tarn {

namespace {

// The controls that choose a table transfer's records.
struct SideControls {
    QRadioButton* Controls::*downOne;      // option "One ..."
    QRadioButton* Controls::*downMultiple; // option "Multiple ..."
    QRadioButton* Controls::*downChanged;  // option "Changed"
    QLineEdit* Controls::*downOneNo;
    QLineEdit* Controls::*downStartNo;
    QLineEdit* Controls::*downEndNo;
    QRadioButton* Controls::*upOne;
    QLineEdit* Controls::*upOneNo;
};

template <class R> constexpr SideControls kControls{};
template <>
constexpr SideControls kControls<PluRecord>{
    &Controls::optDownOnePLU,   &Controls::optDownMultiplePLU, &Controls::optDownChangedPLU,
    &Controls::txtDownOnePluNo, &Controls::txtDownStartPluNo,  &Controls::txtDownEndPluNo,
    &Controls::optUpOnePLU,     &Controls::txtUpOnePluNo};
template <>
constexpr SideControls kControls<IngredRecord>{
    &Controls::optDownOneINGRED, &Controls::optDownMultipleINGRED, &Controls::optDownChangedINGRED,
    &Controls::txtDownOneIngNo,  &Controls::txtDownStartIngNo,     &Controls::txtDownEndIngNo,
    &Controls::optUpOneING,      &Controls::txtUpOneIngNo};

// The texts of a stopped transfer's records, as the transfer shows them ("plu#" + slot).
QString recordText(const JobOutcome& o) {
    const bool plu = o.kind == TableKind::Plu;
    if (o.what == JobOutcome::What::Download)
        return plu ? QStringLiteral("plu#") : QStringLiteral("Message#");
    return plu ? QStringLiteral("plu#") : QStringLiteral("INGRED#");
}

} // namespace

TransferActions::TransferActions(MainWindow& window)
    : QObject(&window), window_(window), c_(window.controls()),
      progress_(new QProgressBar(window.statusBar())),
      stop_(new QPushButton(QStringLiteral("Stop"), window.statusBar())) {
    progress_->setObjectName(QStringLiteral("prgTransfer"));
    progress_->setMaximumWidth(160);
    progress_->setFormat(QStringLiteral("%v / %m"));
    window.statusBar()->addPermanentWidget(progress_);
    progress_->hide();
    stop_->setObjectName(QStringLiteral("cmdStop"));
    stop_->setFocusPolicy(Qt::NoFocus);
    window.statusBar()->addPermanentWidget(stop_);
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
    running_ = false;
    connect(engine, &Engine::status, &window_.workspace(), &Workspace::status);
    connect(engine, &Engine::progress, this, &TransferActions::showProgress);
    connect(engine, &Engine::finished, this, &TransferActions::ended);
}

void TransferActions::cmdPLUDownload() {
    if (!askBeforeDownload(window_, TableKind::Plu))
        return;
    runDownload<PluRecord>();
}
void TransferActions::cmdINGREDDownload() {
    if (!askBeforeDownload(window_, TableKind::Ingred))
        return;
    runDownload<IngredRecord>();
}
void TransferActions::cmdPLUUpload() {
    if (!window_.mayReplace(TableKind::Plu))
        return;
    runUpload<PluRecord>();
}
void TransferActions::cmdINGUpload() {
    if (!window_.mayReplace(TableKind::Ingred))
        return;
    runUpload<IngredRecord>();
}

// One exchange on the line at a time. While one runs, the tab control (every button that starts
// an exchange or opens or closes the port, and the grids) and the menu entries that replace,
// change or write out a table are disabled; Exit and About stay. All comes back when the job
// has ended, however it ended.
void TransferActions::hold(bool on) {
    c_.SSTab->setEnabled(!on);
    for (QAction* entry : c_.tableEntries())
        entry->setEnabled(!on);
    stop_->setVisible(on);
}

void TransferActions::start(Job job) {
    if (running_)
        return;
    running_ = true;
    stopAsked_ = false;
    progress_->hide();
    hold(true);
    window_.portActions().engine().run(std::move(job));
}

void TransferActions::showProgress(int done, int total) {
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(total > 0 ? done : 1);
    progress_->setTextVisible(total > 0);
    progress_->show();
}

bool TransferActions::eventFilter(QObject* watched, QEvent* event) {
    if (running_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_) {
        cmdStop();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TransferActions::cmdStop() {
    if (!running_)
        return;
    stopAsked_ = true;
    window_.portActions().engine().stop();
}

// Every job ends here: the window comes back, and what the job brought is shown.
void TransferActions::ended(const JobOutcome& o) {
    if (!running_)
        return;
    running_ = false;
    hold(false);
    Workspace& ws = window_.workspace();
    if (o.what == JobOutcome::What::Upload && o.result.outcome != TransferOutcome::Refused) {
        // The records received so far, whatever the end.
        ws.setFilePath(QString::fromLatin1(Workspace::kNoFile));
        if (o.kind == TableKind::Plu)
            showUpload(ws.plu, o.pluReceived);
        else
            showUpload(ws.ingred, o.ingredReceived);
    }
    if (o.what == JobOutcome::What::Display && o.display) {
        c_.txtWeight->setText(o.display->weight);
        c_.txtUnitPrice->setText(o.display->unitPrice);
        c_.txtTotalPrice->setText(o.display->totalPrice);
    }
    const bool stoppedHere = stopAsked_ && o.stopped;
    stopAsked_ = false;
    if (!stoppedHere) {
        progress_->hide();
        return;
    }
    // The operator's Stop: say where it stopped, and leave the bar at the records done.
    if (o.what == JobOutcome::What::Display)
        ws.status(QStringLiteral("Stopped"));
    else if (o.result.lastRecord > 0)
        ws.status(QStringLiteral("Stopped after ") + recordText(o) +
                  QString::number(o.result.lastRecord));
    else
        ws.status(QStringLiteral("Stopped before the first record"));
}

template <class R> void TransferActions::runDownload() {
    const SideControls& s = kControls<R>;
    DownloadOptions options;
    if ((c_.*s.downOne)->isChecked())
        options.extent = DownloadExtent::One;
    else if ((c_.*s.downMultiple)->isChecked())
        options.extent = DownloadExtent::Range;
    else if ((c_.*s.downChanged)->isChecked())
        options.extent = DownloadExtent::Changed; // the engine finds the slots in the store
    else
        options.extent = DownloadExtent::All;
    options.one = (c_.*s.downOneNo)->text();
    options.start = (c_.*s.downStartNo)->text();
    options.end = (c_.*s.downEndNo)->text();
    DownloadJob job = downloadJob(RecordTraits<R>::kind, window_.workspace(), options);
    job.verify = c_.chkVerify->isChecked();
    start(std::move(job));
}

template <class R> void TransferActions::runUpload() {
    const SideControls& s = kControls<R>;
    UploadOptions options;
    options.extent = (c_.*s.upOne)->isChecked() ? UploadExtent::One : UploadExtent::All;
    options.number = (c_.*s.upOneNo)->text();
    start(UploadJob{RecordTraits<R>::kind, options});
}

// One read of the scale's display, with the window held like a table transfer.
void TransferActions::cmdVFDUpdate() {
    start(DisplayJob{});
}

} // namespace tarn
