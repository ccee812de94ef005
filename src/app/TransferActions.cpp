#include "TransferActions.h"

#include "Controls.h"
#include "MainWindow.h"
#include "ScaleLink.h"

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
    runDownload<PluRecord>();
}
void TransferActions::cmdINGREDDownload() {
    runDownload<IngredRecord>();
}
void TransferActions::cmdPLUUpload() {
    runUpload<PluRecord>();
}
void TransferActions::cmdINGUpload() {
    runUpload<IngredRecord>();
}

// A table transfer with the tab control disabled and the progress bar shown, both put back on
// every way out.
template <class F> TransferResult TransferActions::runTable(F&& transfer) {
    QTabWidget* tabs = c_.SSTab;
    struct Restore {
        QTabWidget* tabs;
        QProgressBar* bar;
        ~Restore() {
            bar->hide();
            tabs->setEnabled(true);
        }
    } restore{tabs, progress_};
    tabs->setEnabled(false);
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

// One read of the scale's display. "Update" stays disabled while it waits, so a second press
// cannot share the port; it comes back only if the port is still open.
void TransferActions::cmdVFDUpdate() {
    QPushButton* button = c_.cmdVFDUpdate;
    button->setEnabled(false);
    const auto shown = updateDisplay(window_.link());
    button->setEnabled(window_.link().isOpen());
    if (!shown)
        return;
    c_.txtWeight->setText(shown->weight);
    c_.txtUnitPrice->setText(shown->unitPrice);
    c_.txtTotalPrice->setText(shown->totalPrice);
}

} // namespace tarn
