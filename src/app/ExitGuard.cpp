// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExitGuard.h"

#include "GridUndo.h"

#include <QMessageBox>

namespace tarn {

SaveQuestion::Answer DialogSaveQuestion::ask(const QStringList& tables) {
    const QString text =
        tables.size() == 1
            ? QStringLiteral("The %1 table has changes that are not saved.").arg(tables.front())
            : QStringLiteral("The %1 tables have changes that are not saved.")
                  .arg(tables.join(QStringLiteral(" and ")));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarnlink"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setInformativeText(question_);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

SaveQuestion::Answer ScriptedSaveQuestion::ask(const QStringList& tables) {
    asked.push_back(tables);
    if (answers_.empty())
        return Answer::Cancel;
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

bool mayExit(SaveQuestion& question, const std::vector<ExitTable>& tables) {
    QStringList changed;
    for (const ExitTable& t : tables) {
        t.commitOpenEdit();
        if (t.undo->isChanged())
            changed << t.name;
    }
    if (changed.isEmpty())
        return true;
    switch (question.ask(changed)) {
    case SaveQuestion::Answer::Cancel:
        return false;
    case SaveQuestion::Answer::Discard:
        return true;
    case SaveQuestion::Answer::Save:
        break;
    }
    for (const ExitTable& t : tables)
        if (t.undo->isChanged() && !t.save())
            return false;
    return true;
}

} // namespace tarn
