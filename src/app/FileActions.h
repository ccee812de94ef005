#pragma once

#include "Workspace.h"

#include <QObject>

namespace tarn {

class MainWindow;

// The PLU and INGRED "Open" and "Save" file entries: the file dialog, then the table file
// operation, which shows its result in the status line.
class FileActions : public QObject {
    Q_OBJECT
public:
    explicit FileActions(MainWindow& window);

    void open(TableKind kind);
    void save(TableKind kind);

private:
    MainWindow& window_;
};

} // namespace tarn
