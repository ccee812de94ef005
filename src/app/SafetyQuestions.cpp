// SPDX-License-Identifier: GPL-3.0-or-later
#include "SafetyQuestions.h"

#include "Controls.h"
#include "DownloadPlan.h"
#include "GridUndo.h"
#include "MainWindow.h"
#include "TransferActions.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SafetyQuestions)
};

constexpr int kCutsListed = 3;

// "3 texts are longer than the scale keeps; it will keep:" and the first few, by grid row.
QString cutQuestionText(const std::vector<CutText>& cuts) {
    const int count = int(cuts.size());
    QString text =
        count == 1
            ? Text::tr("1 text is longer than the scale keeps; it will keep:")
            : Text::tr("%n texts are longer than the scale keeps; it will keep:", nullptr, count);
    for (int i = 0; i < count && i < kCutsListed; ++i)
        //: A text the scale cuts: its grid row (%1), its field's name (%2) and what is kept (%3)
        text += QLatin1Char('\n') + Text::tr("row %1, %2: \"%3\"")
                                        .arg(cuts[size_t(i)].slot)
                                        .arg(cuts[size_t(i)].field, cuts[size_t(i)].kept);
    if (count > kCutsListed)
        //: The texts cut that are not listed
        text += QLatin1Char('\n') + Text::tr("... and %n more", nullptr, count - kCutsListed);
    return text + QLatin1Char('\n') + Text::tr("Send anyway?");
}

} // namespace

// The keys that open this question (Alt+D, Alt+W, Alt+M, Alt+R, Enter or Space on the button)
// never answer it when pressed again: no button takes their letters, and the default sends what
// the grid shows.
DownloadQuestion::Unsaved DialogDownloadQuestion::askUnsaved(const QString& table, Before before) {
    const bool download = before == Before::Download;
    //: %1: the table's name, PLU or INGRED
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarnlink"),
                    Text::tr("The %1 grid has changes that are not saved.").arg(table),
                    QMessageBox::NoButton, parent_);
    box.setInformativeText(
        download ? Text::tr("A download sends the saved table, not what the grid shows.")
                 : Text::tr("A compare holds the saved table against the scale's, not what the "
                            "grid shows."));
    QPushButton* save =
        box.addButton(download ? Text::tr("&Save and download") : Text::tr("&Save and compare"),
                      QMessageBox::AcceptRole);
    QPushButton* saved = box.addButton(download ? Text::tr("Download the saved &table")
                                                : Text::tr("Compare the saved &table"),
                                       QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(Text::tr("&Cancel"), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("cmdSaveAndSend"));
    saved->setObjectName(QStringLiteral("cmdSendSaved"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Unsaved::SaveAndDownload;
    if (box.clickedButton() == saved)
        return Unsaved::DownloadSaved;
    return Unsaved::Cancel;
}

DialogReplaceQuestion::DialogReplaceQuestion(QWidget* parent)
    : DialogSaveQuestion(parent, Text::tr("Save them before the grid is replaced?")) {}

bool DialogDownloadQuestion::askCuts(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarnlink"), text,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace {

// With the grid ahead of the records, asks whether to save first; false to go no further.
bool askUnsaved(MainWindow& window, TableKind kind, DownloadQuestion::Before before) {
    window.commitOpenEdit(kind);
    if (!window.gridUndo(kind).isAheadOfRecords())
        return true;
    switch (window.downloadQuestion().askUnsaved(QString::fromLatin1(sideOf(kind).name), before)) {
    case DownloadQuestion::Unsaved::Cancel:
        return false;
    case DownloadQuestion::Unsaved::SaveAndDownload:
        return window.saveToOwnFile(kind); // a cancelled or failed save goes no further
    case DownloadQuestion::Unsaved::DownloadSaved:
        break;
    }
    return true;
}

} // namespace

bool askBeforeCompare(MainWindow& window, TableKind kind) {
    return askUnsaved(window, kind, DownloadQuestion::Before::Compare);
}

bool askBeforeDownload(MainWindow& window, TableKind kind) {
    if (!askUnsaved(window, kind, DownloadQuestion::Before::Download))
        return false;
    const Workspace& ws = window.workspace();
    if (!window.hasSource(kind))
        return true; // the download refuses on its own
    DownloadOptions options = downloadOptions(window.controls(), kind);
    // The store says which records a Changed download sends; any of them may be cut.
    if (options.extent == DownloadExtent::Changed)
        options.extent = DownloadExtent::All;
    // No cuts for a range that is not valid: the download refuses it on its own.
    const std::vector<CutText> cuts = cutTexts(ws, kind, options);
    return cuts.empty() || window.downloadQuestion().askCuts(cutQuestionText(cuts));
}

} // namespace tarn
