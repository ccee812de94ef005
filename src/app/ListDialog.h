// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarn {

// The body of a dialog that lists rows to read (Compare, History): the list under its column
// headers, taking the room that is left, and a Close button (Alt+C) below it.
inline void addReadOnlyList(QDialog& dialog, QVBoxLayout& layout, QTableWidget& list,
                            const QStringList& headers) {
    list.setColumnCount(int(headers.size()));
    list.setHorizontalHeaderLabels(headers);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.verticalHeader()->hide();
    list.horizontalHeader()->setStretchLastSection(true);
    layout.addWidget(&list, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    //: the button that closes a list (Compare, History)
    buttons->button(QDialogButtonBox::Close)
        ->setText(QCoreApplication::translate("ListDialog", "&Close"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout.addWidget(buttons);
}

// One row of such a list, a text a column.
template <class Texts> void setListRow(QTableWidget& list, int row, const Texts& cells) {
    int col = 0;
    for (const QString& text : cells)
        list.setItem(row, col++, new QTableWidgetItem(text));
}

// Shows the dialog over the window, its columns as wide as what they hold.
inline void showList(QDialog& dialog, QTableWidget& list) {
    list.resizeColumnsToContents();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace tarn
