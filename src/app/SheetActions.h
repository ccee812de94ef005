// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h"

#include <QDate>
#include <QObject>

#include <functional>

namespace tarn {

class MainWindow;

// The workbook entries of the PLU and INGRED menus: "Excel File( *.XLS)" under Open and Save.
class SheetActions : public QObject {
    Q_OBJECT
public:
    explicit SheetActions(MainWindow& window);

    // Today's date for the sheet name; tests fix it.
    void setClock(std::function<QDate()> today) { today_ = std::move(today); }

    template <class R> void importTable();
    template <class R> void exportTable();

private:
    MainWindow& window_;
    std::function<QDate()> today_;
};

} // namespace tarn
