// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelActions.h"

#include "FileChooser.h"
#include "LabelPrint.h"
#include "MainWindow.h"
#include "MemoryActions.h"
#include "PrintedLabels.h"
#include "Settings.h"
#include "Store.h"
#include "TransferActions.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tarn {

namespace {

// The settings a label follows, or the reason (shown) why it cannot be printed.
struct Shop {
    LabelStyle style;
    Settings settings;
    QString error;
};
Shop shopSettings() {
    Shop shop;
    shop.settings = Settings::load();
    const StyleResult style = labelStyleOf(shop.settings);
    shop.style = style.style;
    shop.error = !shop.settings.problem().isEmpty() ? shop.settings.problem() : style.error;
    return shop;
}

} // namespace

LabelActions::LabelActions(MainWindow& window)
    : QObject(&window), window_(window), offer_(new QPushButton(window.statusBar())) {
    setObjectName(QStringLiteral("labelActions"));
    // Before Exit in the PLU menu.
    QMenu* plu = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    QAction* exitSeparator = window.findChild<QAction*>(QStringLiteral("mnuSep3"));
    const auto entry = [&](const QString& text, const char* name,
                           const std::function<void()>& run) {
        auto* action = new QAction(text, plu);
        action->setObjectName(QString::fromLatin1(name));
        plu->insertAction(exitSeparator, action);
        connect(action, &QAction::triggered, this, run);
    };
    entry(tr("Print &labels..."), "mnuPrintLabels", [this] { printLabels(); });
    entry(tr("Print p&rice list..."), "mnuPrintPriceList", [this] { printPriceList(); });

    offer_->setObjectName(QStringLiteral("cmdPrintSentLabels"));
    offer_->setFocusPolicy(Qt::NoFocus);
    offer_->hide();
    window.statusBar()->addPermanentWidget(offer_);
    connect(offer_, &QPushButton::clicked, this, [this] {
        offer_->hide();
        printLabels(sent_);
    });
    if (auto* transfers = window.findChild<TransferActions*>())
        connect(transfers, &TransferActions::changedPluSent, this, [this](const QList<int>& sent) {
            sent_ = sent;
            offer_->setText(
                tr("Print labels for the %n records just sent", nullptr, int(sent.size())));
            offer_->show();
        });
}

void LabelActions::withStore(
    const QString& kind, std::function<std::map<int, QString>(Store&)> work,
    std::function<void(const std::map<int, QString>&, const QString&)> done) {
    // The window's own connection to the store, on its thread: nothing waits for it at Exit.
    QPointer<LabelActions> self(this);
    window_.findChild<MemoryActions*>()->askStore(
        kind, std::move(work),
        [self, done = std::move(done)](const std::map<int, QString>& result,
                                       const QString& problem) {
            if (self)
                done(result, problem);
        });
}

bool LabelActions::showPreview(const std::function<void(QPagedPaintDevice&)>& paint) {
    if (preview_)
        return preview_(paint);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &window_);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&paint](QPrinter* p) { paint(*p); });
    return preview.exec() == QDialog::Accepted;
}

void LabelActions::remember(const std::vector<Label>& labels) {
    const QString file = window_.workspace().filePath();
    if (!window_.workspace().hasFile())
        return;
    const QString shop = Settings::load().shop();
    // Each print is remembered: no later one takes its place.
    withStore(
        QStringLiteral("labels printed %1").arg(++printed_),
        [file, shop, contents = contentsOf(labels)](Store& store) {
            rememberPrinted(store, file, shop, contents);
            return std::map<int, QString>{};
        },
        [this](const std::map<int, QString>&, const QString& problem) {
            if (!problem.isEmpty())
                window_.showReport(Report().fail(problem));
        });
}

void LabelActions::printLabels(const QList<int>& sent) {
    const Shop shop = shopSettings();
    if (!shop.error.isEmpty()) {
        window_.showReport(Report().fail(QStringLiteral("ERROR! ") + shop.error));
        return;
    }
    const Workspace& ws = window_.workspace();
    const int count = ws.plu.count;

    QDialog dialog(&window_);
    dialog.setObjectName(QStringLiteral("dlgLabels"));
    dialog.setWindowTitle(tr("Print labels"));
    auto* form = new QFormLayout;
    auto* which = new QButtonGroup(&dialog);
    auto* all = new QRadioButton(tr("&All %n records", nullptr, count), &dialog);
    //: a label for one record, its slot chosen beside
    auto* one = new QRadioButton(tr("&One"), &dialog);
    //: the labels of the slots from ... to ...
    auto* range = new QRadioButton(tr("&Range"), &dialog);
    auto* changed = new QRadioButton(tr("&Changed since last printed"), &dialog);
    auto* justSent =
        new QRadioButton(tr("The %n records just &sent", nullptr, int(sent.size())), &dialog);
    const QList<QRadioButton*> choices{all, one, range, changed, justSent};
    const char* const names[] = {"optLabelsAll", "optLabelsOne", "optLabelsRange",
                                 "optLabelsChanged", "optLabelsSent"};
    for (qsizetype i = 0; i < choices.size(); ++i) {
        choices[i]->setObjectName(QString::fromLatin1(names[i]));
        which->addButton(choices[i], int(i));
    }
    auto spin = [&dialog](const char* name, int value) {
        auto* box = new QSpinBox(&dialog);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(1, std::max(1, int(kMaxRecords)));
        box->setValue(value);
        return box;
    };
    QSpinBox* oneSlot = spin("spnLabelsOne", 1);
    QSpinBox* first = spin("spnLabelsFirst", 1);
    QSpinBox* last = spin("spnLabelsLast", std::max(1, count));
    form->addRow(all);
    auto* oneRow = new QHBoxLayout;
    oneRow->addWidget(one);
    oneRow->addWidget(oneSlot);
    form->addRow(oneRow);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(range);
    rangeRow->addWidget(first);
    //: between the first and the last slot of a range
    rangeRow->addWidget(new QLabel(tr("to"), &dialog));
    rangeRow->addWidget(last);
    form->addRow(rangeRow);
    form->addRow(changed);
    form->addRow(justSent);
    changed->setEnabled(ws.hasFile());
    justSent->setVisible(!sent.isEmpty());
    (sent.isEmpty() ? all : justSent)->setChecked(true);

    auto* layout = new QComboBox(&dialog);
    layout->setObjectName(QStringLiteral("cmbLabelsLayout"));
    layout->addItems(labelLayoutNames());
    if (!shop.settings.section(QStringLiteral("labels")).empty()) {
        layout->addItem(QStringLiteral("settings"));
        layout->setCurrentIndex(layout->count() - 1);
    }
    //: the kind of label sheet (its layout) printed on
    form->addRow(tr("Sheet"), layout);
    auto* skip = new QSpinBox(&dialog);
    skip->setObjectName(QStringLiteral("spnLabelsSkip"));
    form->addRow(tr("Labels already used on the first sheet"), skip);
    auto* problem = new QLabel(&dialog);
    problem->setObjectName(QStringLiteral("lblLabelsProblem"));
    form->addRow(problem);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Ca&ncel"));
    QPushButton* preview = buttons->addButton(tr("&Preview..."), QDialogButtonBox::AcceptRole);
    preview->setObjectName(QStringLiteral("cmdLabelsPreview"));
    //: writes the labels to a PDF file
    QPushButton* pdf = buttons->addButton(tr("P&DF..."), QDialogButtonBox::AcceptRole);
    pdf->setObjectName(QStringLiteral("cmdLabelsPdf"));
    auto* box = new QVBoxLayout(&dialog);
    box->addLayout(form);
    box->addWidget(buttons);

    std::optional<LabelLayout> chosen;
    const auto update = [&] {
        const LayoutResult r = layoutNamed(layout->currentText(), shop.settings);
        chosen = r.layout;
        problem->setText(r.error);
        skip->setRange(0, chosen ? chosen->perPage() - 1 : 0);
        preview->setEnabled(bool(chosen) && count > 0);
        pdf->setEnabled(bool(chosen) && count > 0);
    };
    connect(layout, &QComboBox::currentTextChanged, &dialog, update);
    update();
    QPushButton* pressed = nullptr;
    connect(buttons, &QDialogButtonBox::clicked, &dialog,
            [&pressed](QAbstractButton* b) { pressed = qobject_cast<QPushButton*>(b); });
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || !chosen)
        return;

    const PluTable& table = ws.plu.records;
    std::vector<int> chosenSlots;
    const auto between = [&](int a, int b) {
        for (int slot = a; slot <= std::min(b, count); ++slot)
            chosenSlots.push_back(slot);
    };
    if (one->isChecked())
        between(oneSlot->value(), oneSlot->value());
    else if (range->isChecked())
        between(first->value(), last->value());
    else if (justSent->isChecked())
        chosenSlots.assign(sent.begin(), sent.end());
    else
        between(1, count);
    std::vector<Label> labels = labelsOf(table, chosenSlots, shop.style);
    const LabelRun base{*chosen, {}, skip->value()};
    const bool toPdf = pressed == pdf;
    const auto go = [this, base, toPdf](std::vector<Label> labels) {
        if (labels.empty()) {
            window_.showReport(Report::saying(tr("No labels to print")));
            return;
        }
        QStringList warnings;
        for (const Label& l : labels)
            if (!l.barcode.warning.isEmpty())
                warnings << l.barcode.warning;
        LabelRun run = base;
        run.labels = std::move(labels);
        const auto paint = [run](QPagedPaintDevice& d) { paintLabels(d, run); };
        bool printed = false;
        if (toPdf) {
            // The dialog translates the description (FileChooser).
            const auto path = window_.fileChooser().savePath(
                QStringLiteral(QT_TRANSLATE_NOOP("FileChooser", "PDF File") "|*.pdf"));
            if (!path)
                return;
            const auto failure = writePdf(*path, QStringLiteral("Labels"), paint);
            printed = !failure;
            window_.showReport(failure ? Report().fail(QStringLiteral("ERROR! ") + *failure)
                                       : Report::saying(tr("Labels: %n written to %1", nullptr,
                                                           int(run.labels.size()))
                                                            .arg(*path)));
        } else {
            printed = showPreview(paint);
        }
        if (!warnings.isEmpty())
            window_.showReport(Report::saying(warnings.join(QLatin1Char('\n'))));
        if (printed)
            remember(run.labels);
    };
    if (!changed->isChecked()) {
        go(std::move(labels));
        return;
    }
    // The labels that print otherwise than when last printed from this file in this shop.
    const QString file = ws.filePath();
    const QString shopName = shop.settings.shop();
    withStore(
        QStringLiteral("labels last printed"),
        [file, shopName](Store& store) { return printedLabels(store, file, shopName); },
        [this, go, labels](const std::map<int, QString>& printed, const QString& problem) {
            if (!problem.isEmpty()) {
                window_.showReport(Report().fail(problem));
                return;
            }
            std::vector<Label> differ;
            for (size_t i : changedLabels(contentsOf(labels), printed))
                differ.push_back(labels[i]);
            go(std::move(differ));
        });
}

void LabelActions::printPriceList() {
    const Shop shop = shopSettings();
    if (!shop.error.isEmpty()) {
        window_.showReport(Report().fail(QStringLiteral("ERROR! ") + shop.error));
        return;
    }
    const Workspace& ws = window_.workspace();
    const PriceListRun run{shop.settings.shop(), QDate::currentDate(),
                           labelsOf(ws.plu.records, ws.plu.count, shop.style)};
    showPreview([run](QPagedPaintDevice& d) { paintPriceList(d, run); });
}

} // namespace tarn
