// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExitGuard.h"
#include "Workspace.h"

#include <QString>

#include <vector>

class QWidget;

namespace tarn {

class MainWindow;

// The questions the window asks before it sends a table whose grid holds changes that are not
// saved, or texts that the scale keeps only part of. A compare, which holds the saved table
// against the scale's, asks the first too.
class DownloadQuestion {
public:
    // For a compare: save and compare, compare the saved table, cancel.
    enum class Unsaved { SaveAndDownload, DownloadSaved, Cancel };
    enum class Before { Download, Compare };
    virtual ~DownloadQuestion() = default;
    // `table` is "PLU" or "INGRED".
    virtual Unsaved askUnsaved(const QString& table, Before before) = 0;
    // `text` says how many texts are cut and lists the first few; true sends anyway.
    virtual bool askCuts(const QString& text) = 0;
};

// The real one: message boxes.
class DialogDownloadQuestion : public DownloadQuestion {
public:
    explicit DialogDownloadQuestion(QWidget* parent) : parent_(parent) {}
    Unsaved askUnsaved(const QString& table, Before before) override;
    bool askCuts(const QString& text) override;

private:
    QWidget* parent_;
};

// The question Exit asks, asked before a table's grid is replaced (New, Open, an upload).
class DialogReplaceQuestion : public DialogSaveQuestion {
public:
    explicit DialogReplaceQuestion(QWidget* parent);
};

// Before a download of the table from the window: the grid's changes not saved, then the
// texts the scale will cut. False when the operator chose not to send.
bool askBeforeDownload(MainWindow& window, TableKind kind);
// Before a compare: the grid's changes not saved. False when the operator chose not to compare.
bool askBeforeCompare(MainWindow& window, TableKind kind);

} // namespace tarn
