// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace tarn {

class GridUndo;

// Whether to save changed tables first: save them, discard them, or stay. Exit asks it, and so
// does anything that would replace a changed grid.
class SaveQuestion {
public:
    enum class Answer { Save, Discard, Cancel };
    virtual ~SaveQuestion() = default;
    // `tables` names the changed tables ("PLU", "INGRED"); `remarks` says of those whose grid
    // went to a workbook only that their file is older ("exported to shop.xlsx; shop.PLU is
    // older").
    virtual Answer ask(const QStringList& tables, const QStringList& remarks) = 0;
};

// The real one: a message box with "Save", "Discard" and "Cancel".
class DialogSaveQuestion : public SaveQuestion {
public:
    // `question`: what the operator is asked under the tables' names; empty: whether to save
    // them before the program ends.
    explicit DialogSaveQuestion(QWidget* parent, QString question = {})
        : parent_(parent), question_(std::move(question)) {}
    Answer ask(const QStringList& tables, const QStringList& remarks) override;

private:
    QWidget* parent_;
    QString question_;
};

// Whether to stop the exchange on the line and end the program: Exit (either menu, or closing
// the window) asks it while one runs.
class StopQuestion {
public:
    virtual ~StopQuestion() = default;
    // `text` says what runs and how far it came ("A download is running (35 of 200 sent). Stop
    // it and exit?"); true for "Stop and exit".
    virtual bool askStop(const QString& text) = 0;
};

// The real one: a message box with "Stop and exit" and "Go on", which Enter and Escape answer.
class DialogStopQuestion : public StopQuestion {
public:
    explicit DialogStopQuestion(QWidget* parent) : parent_(parent) {}
    bool askStop(const QString& text) override;

private:
    QWidget* parent_;
};

// One table as Exit sees it.
struct ExitTable {
    QString name;
    GridUndo* undo;
    std::function<void()> commitOpenEdit;
    std::function<bool()> save; // the table's file save; false when cancelled or failed
    // Exit's own: why the table's file is behind a grid that has no changes left unsaved (it
    // went to a workbook only); empty when it is not. Null: such a grid is not asked about.
    std::function<QString()> fileBehind;
};

// Whether the program may end now. Open edits are written first; with a table changed since it
// was last loaded or saved, or whose file is behind its grid, the operator is asked once, and
// "Save" saves each such table, stopping at the first that is not saved.
bool mayExit(SaveQuestion& question, const std::vector<ExitTable>& tables);

} // namespace tarn
