#include "TransferActions.h"

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

// The controls that choose a table transfer's records, by object name.
struct Controls {
    const char* downOne;      // option "One ..."
    const char* downMultiple; // option "Multiple ..."
    const char* downOneNo;
    const char* downStartNo;
    const char* downEndNo;
    const char* upOne;
    const char* upOneNo;
};

template <class R> constexpr Controls kControls{};
template <>
constexpr Controls kControls<PluRecord>{
    "optDownOnePLU",   "optDownMultiplePLU", "txtDownOnePluNo", "txtDownStartPluNo",
    "txtDownEndPluNo", "optUpOnePLU",        "txtUpOnePluNo"};
template <>
constexpr Controls kControls<IngredRecord>{
    "optDownOneINGRED", "optDownMultipleINGRED", "txtDownOneIngNo", "txtDownStartIngNo",
    "txtDownEndIngNo",  "optUpOneING",           "txtUpOneIngNo"};

} // namespace

TransferActions::TransferActions(MainWindow& window)
    : QObject(&window), window_(window), progress_(new QProgressBar(window.statusBar())) {
    progress_->setObjectName(QStringLiteral("prgTransfer"));
    progress_->setMaximumWidth(160);
    progress_->setTextVisible(false);
    window.statusBar()->addPermanentWidget(progress_);
    progress_->hide();

    const std::pair<const char*, void (TransferActions::*)()> buttons[] = {
        {"cmdPLUDownload", &TransferActions::cmdPLUDownload},
        {"cmdINGREDDownload", &TransferActions::cmdINGREDDownload},
        {"cmdPLUUpload", &TransferActions::cmdPLUUpload},
        {"cmdINGUpload", &TransferActions::cmdINGUpload},
        {"cmdVFDUpdate", &TransferActions::cmdVFDUpdate}};
    for (const auto& [name, handler] : buttons)
        connect(widget<QPushButton>(name), &QPushButton::clicked, this, handler);
}

template <class W> W* TransferActions::widget(const char* name) const {
    return window_.findChild<W*>(QString::fromLatin1(name));
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
    auto* tabs = widget<QTabWidget>("SSTab");
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
    const Controls& c = kControls<R>;
    DownloadOptions options;
    if (widget<QRadioButton>(c.downOne)->isChecked())
        options.extent = DownloadExtent::One;
    else if (widget<QRadioButton>(c.downMultiple)->isChecked())
        options.extent = DownloadExtent::Range;
    else
        options.extent = DownloadExtent::All;
    options.one = widget<QLineEdit>(c.downOneNo)->text();
    options.start = widget<QLineEdit>(c.downStartNo)->text();
    options.end = widget<QLineEdit>(c.downEndNo)->text();
    runTable([&](const TransferProgress& progress) {
        return download<R>(window_.workspace(), window_.link(), options, progress);
    });
}

template <class R> void TransferActions::runUpload() {
    const Controls& c = kControls<R>;
    UploadOptions options;
    options.extent =
        widget<QRadioButton>(c.upOne)->isChecked() ? UploadExtent::One : UploadExtent::All;
    options.number = widget<QLineEdit>(c.upOneNo)->text();
    runTable([&](const TransferProgress& progress) {
        return upload<R>(window_.workspace(), window_.link(), options, progress);
    });
}

// One read of the scale's display. "Update" stays disabled while it waits, so a second press
// cannot share the port; it comes back only if the port is still open.
void TransferActions::cmdVFDUpdate() {
    auto* button = widget<QPushButton>("cmdVFDUpdate");
    button->setEnabled(false);
    const auto shown = updateDisplay(window_.link());
    button->setEnabled(window_.link().isOpen());
    if (!shown)
        return;
    widget<QLineEdit>("txtWeight")->setText(shown->weight);
    widget<QLineEdit>("txtUnitPrice")->setText(shown->unitPrice);
    widget<QLineEdit>("txtTotalPrice")->setText(shown->totalPrice);
}

} // namespace tarn
