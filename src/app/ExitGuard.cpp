// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExitGuard.h"

#include "GridUndo.h"

#include <QMessageBox>
#include <QPushButton>

namespace tarn {

SaveQuestion::Answer DialogSaveQuestion::ask(const QStringList& tables,
                                             const QStringList& remarks) {
    QString text =
        tables.size() == 1
            ? QStringLiteral("The %1 table has changes that are not saved.").arg(tables.front())
            : QStringLiteral("The %1 tables have changes that are not saved.")
                  .arg(tables.join(QStringLiteral(" and ")));
    for (const QString& remark : remarks)
        text += QLatin1Char('\n') + remark;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarnlink"), text, QMessageBox::NoButton,
                    parent_);
    box.setInformativeText(question_);
    // No letter of the keys that open it (Alt+D and Alt+U of the uploads, N, O, P, E, I and X of
    // the menus' entries), and none twice; Enter saves.
    QPushButton* save = box.addButton(QStringLiteral("&Save"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Disc&ard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("&Cancel"), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("cmdSave"));
    discard->setObjectName(QStringLiteral("cmdDiscard"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Answer::Save;
    if (box.clickedButton() == discard)
        return Answer::Discard;
    return Answer::Cancel;
}

bool DialogStopQuestion::askStop(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarnlink"), text, QMessageBox::NoButton,
                    parent_);
    QPushButton* stop = box.addButton(QStringLiteral("&Stop and exit"), QMessageBox::AcceptRole);
    QPushButton* goOn = box.addButton(QStringLiteral("&Go on"), QMessageBox::RejectRole);
    stop->setObjectName(QStringLiteral("cmdStopAndExit"));
    goOn->setObjectName(QStringLiteral("cmdGoOn"));
    box.setDefaultButton(goOn);
    box.setEscapeButton(goOn);
    box.exec();
    return box.clickedButton() == stop;
}

bool mayExit(SaveQuestion& question, const std::vector<ExitTable>& tables) {
    QStringList changed;
    QStringList remarks;
    std::vector<const ExitTable*> toSave;
    for (const ExitTable& t : tables) {
        t.commitOpenEdit();
        const QString behind = t.fileBehind ? t.fileBehind() : QString();
        if (!t.undo->isChanged() && behind.isEmpty())
            continue;
        changed << t.name;
        if (!behind.isEmpty())
            remarks << t.name + QStringLiteral(": ") + behind;
        toSave.push_back(&t);
    }
    if (changed.isEmpty())
        return true;
    switch (question.ask(changed, remarks)) {
    case SaveQuestion::Answer::Cancel:
        return false;
    case SaveQuestion::Answer::Discard:
        return true;
    case SaveQuestion::Answer::Save:
        break;
    }
    for (const ExitTable* t : toSave)
        if (!t->save())
            return false;
    return true;
}

} // namespace tarn
