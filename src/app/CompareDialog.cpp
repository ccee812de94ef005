// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareDialog.h"

#include "ListDialog.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarn {

CompareDialog::CompareDialog(QWidget* parent)
    : QDialog(parent), summary_(new QLabel(this)), list_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("dlgCompare"));
    auto* layout = new QVBoxLayout(this);
    summary_->setObjectName(QStringLiteral("lblCompare"));
    layout->addWidget(summary_);
    list_->setObjectName(QStringLiteral("lstDifferences"));
    addReadOnlyList(*this, *layout, *list_,
                    {//: column: the record's number
                     tr("No"),
                     //: column: the table's field that differs
                     tr("Field"),
                     //: column: what the PC's table holds
                     tr("PC"),
                     //: column: what the scale holds
                     tr("Scale")});
    resize(640, 420);
}

void CompareDialog::show(const QString& title, TableKind kind,
                         const std::vector<FieldDifference>& list) {
    setWindowTitle(title);
    summary_->setText(
        list.empty() ? tr("The scale holds this table")
                     : tr("The scale holds %n record(s) differently", nullptr, recordsIn(list)));
    list_->setRowCount(int(list.size()));
    for (int row = 0; row < int(list.size()); ++row) {
        const FieldDifference& d = list[size_t(row)];
        QString pc = d.pc;
        QString scale = d.scale;
        if (onOneSideOnly(d, kind)) {
            //: a side that holds no such record
            const QString none = tr("(none)");
            //: a side that holds the whole record, the other none
            const QString whole = tr("(this record)");
            pc = d.pc.isEmpty() ? none : whole;
            // What the scale's own record shows, that the PC has nothing for.
            const QString shown = scaleRecordText(d);
            scale = d.scale.isEmpty() ? none : shown.isEmpty() ? whole : shown;
        }
        const QString cells[] = {QString::number(d.number), d.field, pc, scale};
        setListRow(*list_, row, cells);
    }
    showList(*this, *list_);
}

} // namespace tarn
