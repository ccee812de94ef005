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
                    {QStringLiteral("No"), QStringLiteral("Field"), QStringLiteral("PC"),
                     QStringLiteral("Scale")});
    resize(640, 420);
}

void CompareDialog::show(const QString& title, TableKind kind,
                         const std::vector<FieldDifference>& list) {
    setWindowTitle(title);
    summary_->setText(
        list.empty()
            ? QStringLiteral("The scale holds this table")
            : QStringLiteral("The scale holds %1 record(s) differently").arg(recordsIn(list)));
    list_->setRowCount(int(list.size()));
    for (int row = 0; row < int(list.size()); ++row) {
        const FieldDifference& d = list[size_t(row)];
        QString pc = d.pc;
        QString scale = d.scale;
        if (onOneSideOnly(d, kind)) {
            pc = d.pc.isEmpty() ? QStringLiteral("(none)") : QStringLiteral("(this record)");
            // What the scale's own record shows, that the PC has nothing for.
            const QString shown = scaleRecordText(d);
            scale = d.scale.isEmpty() ? QStringLiteral("(none)")
                    : shown.isEmpty() ? QStringLiteral("(this record)")
                                      : shown;
        }
        const QString cells[] = {QString::number(d.number), d.field, pc, scale};
        setListRow(*list_, row, cells);
    }
    showList(*this, *list_);
}

} // namespace tarn
