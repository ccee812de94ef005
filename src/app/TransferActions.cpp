#include "TransferActions.h"

#include "Controls.h"
#include "MainWindow.h"
#include "SafetyQuestions.h"
#include "ScaleLink.h"

#include <QAction>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

namespace tarn {

namespace {

// The controls that choose a table transfer's records.
struct SideControls {
    QRadioButton* Controls::*downOne;      // option "One ..."
    QRadioButton* Controls::*downMultiple; // option "Multiple ..."
    QLineEdit* Controls::*downOneNo;
    QLineEdit* Controls::*downStartNo;
    QLineEdit* Controls::*downEndNo;
    QRadioButton* Controls::*upOne;
    QLineEdit* Controls::*upOneNo;
};

template <class R> constexpr SideControls kControls{};
template <>
constexpr SideControls kControls<PluRecord>{
    &Controls::optDownOnePLU,     &Controls::optDownMultiplePLU, &Controls::txtDownOnePluNo,
    &Controls::txtDownStartPluNo, &Controls::txtDownEndPluNo,    &Controls::optUpOnePLU,
    &Controls::txtUpOnePluNo};
template <>
constexpr SideControls kControls<IngredRecord>{
    &Controls::optDownOneINGRED,  &Controls::optDownMultipleINGRED, &Controls::txtDownOneIngNo,
    &Controls::txtDownStartIngNo, &Controls::txtDownEndIngNo,       &Controls::optUpOneING,
    &Controls::txtUpOneIngNo};

} // namespace

TransferActions::TransferActions(MainWindow& window)
    : QObject(&window), window_(window), c_(window.controls()),
      progress_(new QProgressBar(window.statusBar())) {
    progress_->setObjectName(QStringLiteral("prgTransfer"));
    progress_->setMaximumWidth(160);
    progress_->setTextVisible(false);
    window.statusBar()->addPermanentWidget(progress_);
    progress_->hide();

    const std::pair<QPushButton*, void (TransferActions::*)()> buttons[] = {
        {c_.cmdPLUDownload, &TransferActions::cmdPLUDownload},
        {c_.cmdINGREDDownload, &TransferActions::cmdINGREDDownload},
        {c_.cmdPLUUpload, &TransferActions::cmdPLUUpload},
        {c_.cmdINGUpload, &TransferActions::cmdINGUpload},
        {c_.cmdVFDUpdate, &TransferActions::cmdVFDUpdate}};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
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

namespace {
// One exchange on the line at a time. While one runs, the tab control (every button that starts
// an exchange or opens or closes the port, and the grids) and the menu entries that replace,
// change or write out a table are disabled; Exit and About stay. All comes back on every way
// out, Exit's stop of the wait included.
class ExchangeHold {
public:
    explicit ExchangeHold(const Controls& c) : c_(c) { enable(false); }
    ~ExchangeHold() { enable(true); }
    ExchangeHold(const ExchangeHold&) = delete;
    ExchangeHold& operator=(const ExchangeHold&) = delete;

private:
    void enable(bool on) {
        c_.SSTab->setEnabled(on);
        for (QAction* entry : c_.tableEntries())
            entry->setEnabled(on);
    }
    const Controls& c_;
};
} // namespace

// A table transfer with the window held and the progress bar shown, both put back on every way
// out.
template <class F> TransferResult TransferActions::runTable(F&& transfer) {
    const ExchangeHold hold(c_);
    struct HideBar {
        QProgressBar* bar;
        ~HideBar() { bar->hide(); }
    } hideBar{progress_};
    return transfer([this](int done, int total) {
        progress_->setRange(0, std::max(total, 1));
        progress_->setValue(total > 0 ? done : 1);
        progress_->show();
    });
}

template <class R> void TransferActions::runDownload() {
    const SideControls& s = kControls<R>;
    DownloadOptions options;
    if ((c_.*s.downOne)->isChecked())
        options.extent = DownloadExtent::One;
    else if ((c_.*s.downMultiple)->isChecked())
        options.extent = DownloadExtent::Range;
    else
        options.extent = DownloadExtent::All;
    options.one = (c_.*s.downOneNo)->text();
    options.start = (c_.*s.downStartNo)->text();
    options.end = (c_.*s.downEndNo)->text();
    runTable([&](const TransferProgress& progress) {
        return download<R>(window_.workspace(), window_.link(), options, progress);
    });
}

template <class R> void TransferActions::runUpload() {
    const SideControls& s = kControls<R>;
    UploadOptions options;
    options.extent = (c_.*s.upOne)->isChecked() ? UploadExtent::One : UploadExtent::All;
    options.number = (c_.*s.upOneNo)->text();
    runTable([&](const TransferProgress& progress) {
        return upload<R>(window_.workspace(), window_.link(), options, progress);
    });
}

// One read of the scale's display, with the window held like a table transfer.
void TransferActions::cmdVFDUpdate() {
    std::optional<DisplayTexts> shown;
    {
        const ExchangeHold hold(c_);
        shown = updateDisplay(window_.link());
    }
    if (!shown)
        return;
    c_.txtWeight->setText(shown->weight);
    c_.txtUnitPrice->setText(shown->unitPrice);
    c_.txtTotalPrice->setText(shown->totalPrice);
}

} // namespace tarn
