// SPDX-License-Identifier: GPL-3.0-or-later
#include "PriceListActions.h"

#include "Controls.h"
#include "GridUndo.h"
#include "MainWindow.h"
#include "PriceListDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

namespace tarn {

namespace {
// The dialogs offer the four kinds and .txt, which is read as .csv: each kind's description (the
// dialog translates it, FileChooser) and patterns.
constexpr const char* kKinds[][2] = {
    {QT_TRANSLATE_NOOP("FileChooser", "Price lists"), "*.xls;*.xlsx;*.ods;*.csv;*.txt"},
    {QT_TRANSLATE_NOOP("FileChooser", "Excel File"), "*.xls"},
    {QT_TRANSLATE_NOOP("FileChooser", "Excel Workbook"), "*.xlsx"},
    {QT_TRANSLATE_NOOP("FileChooser", "OpenDocument Spreadsheet"), "*.ods"},
    {QT_TRANSLATE_NOOP("FileChooser", "CSV File"), "*.csv;*.txt"},
    //: a filter of the file dialogs: files of any kind
    {QT_TRANSLATE_NOOP("FileChooser", "ALL File"), "*.*"}};

// "Price lists|*.xls;...|Excel File|*.xls|...", as the file chooser takes it.
QString filter() {
    QStringList parts;
    for (const auto& [description, patterns] : kKinds)
        parts << QString::fromLatin1(description) << QString::fromLatin1(patterns);
    return parts.join(QLatin1Char('|'));
}

// Where the mappings are kept: the window's own memory, or, when it keeps none, the program's
// settings in the platform's usual place (QSettings needs an organization name; without one it
// reads and writes nothing).
std::unique_ptr<QSettings> programSettings(const MainWindow& window) {
    if (const QSettings* memory = window.memory())
        return std::make_unique<QSettings>(memory->fileName(), memory->format());
    const QString organization = QCoreApplication::organizationName();
    if (!organization.isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Tarnlink"),
                                       QStringLiteral("Tarnlink"));
}
} // namespace

PriceListActions::PriceListActions(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("priceListActions"));
    const Controls& c = window.controls();
    // Each entry joins its table's Open menu, so it waits with Open while an exchange runs.
    const auto entry = [this](QAction* open, const char* name, TableKind kind) {
        QAction* action = open->menu()->addAction(tr("Price &list..."));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, kind] { openList(kind); });
    };
    entry(c.mnuO, "mnuPriceList", TableKind::Plu);
    entry(c.mnuO1, "mnuPriceList1", TableKind::Ingred);
}

void PriceListActions::openList(TableKind kind) {
    window_.commitOpenEdit(kind); // the preview holds the list against the grid as it shows
    const auto path = window_.fileChooser().openPath(filter());
    if (!path)
        return;
    ReadOutcome read = readPriceList(*path);
    if (!read.sheet) {
        window_.showReport(Report().fail(read.error));
        return;
    }
    const TextGrid& grid = window_.gridUndo(kind).grid();
    const std::optional<RememberedMapping> remembered =
        recallMapping(*programSettings(window_), kind, *read.sheet);
    auto* dialog = new PriceListDialog(kind, std::move(*read.sheet), grid, remembered, &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, kind] {
        // The dialog is modal: the grid is still the one its preview showed.
        const MergePlan& plan = dialog->plan();
        if (!plan.ok())
            return;
        //: the step Undo takes back ("Undo Price list")
        window_.gridUndo(kind).write(tr("Price list"), plan.writes, plan.rows);
        rememberMapping(*programSettings(window_), kind, dialog->list(), dialog->columnMap(),
                        dialog->priceDecimals());
        window_.showReport(Report::saying(plan.summary(kind)));
    });
    dialog->open();
}

} // namespace tarn
