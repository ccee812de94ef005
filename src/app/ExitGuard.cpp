// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExitGuard.h"

#include "GridUndo.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tarn {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExitGuard)
};
} // namespace

SaveQuestion::Answer DialogSaveQuestion::ask(const QStringList& tables,
                                             const QStringList& remarks) {
    QString text;
    if (tables.size() == 1)
        //: %1: the changed table's name, PLU or INGRED
        text = Text::tr("The %1 table has changes that are not saved.").arg(tables.front());
    else
        //: %1 and %2: the changed tables' names, PLU and INGRED
        text = Text::tr("The %1 and %2 tables have changes that are not saved.")
                   .arg(tables.mid(0, tables.size() - 1).join(QStringLiteral(" and ")),
                        tables.value(tables.size() - 1));
    for (const QString& remark : remarks)
        text += QLatin1Char('\n') + remark;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarnlink"), text, QMessageBox::NoButton,
                    parent_);
    box.setInformativeText(question_.isEmpty() ? Text::tr("Save them before Tarnlink ends?")
                                               : question_);
    // No letter of the keys that open it (Alt+D and Alt+U of the uploads, N, O, P, E, I and X of
    // the menus' entries), and none twice; Enter saves.
    //: Saves the changed tables
    QPushButton* save = box.addButton(Text::tr("&Save"), QMessageBox::AcceptRole);
    //: Drops the changes
    QPushButton* discard = box.addButton(Text::tr("Disc&ard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(Text::tr("&Cancel"), QMessageBox::RejectRole);
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
    QPushButton* stop = box.addButton(Text::tr("&Stop and exit"), QMessageBox::AcceptRole);
    //: Lets the exchange go on and the program stay open
    QPushButton* goOn = box.addButton(Text::tr("&Go on"), QMessageBox::RejectRole);
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
            //: A table's name (PLU or INGRED) and why its file is behind its grid
            remarks << Text::tr("%1: %2").arg(t.name, behind);
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
