#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace tarn {

class GridView;
class Workspace;

// In-place editing of one grid through its overlay box. An edit is open exactly while the box is
// shown: a key typed in the grid opens it over the current cell, and the text goes back into that
// cell when the grid gets the focus again or its cursor is about to move. Both grids use this one
// class; they differ only in the grid, the box and the message that refuses Enter on row 201.
class GridEditor : public QObject {
    Q_OBJECT
public:
    GridEditor(GridView& view, QLineEdit& edit, Workspace& workspace, QString row201Message,
               QObject* parent = nullptr);

    bool isOpen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(const QString& typed);
    void commit();
    void placeOverCell();
    void escapeKey();
    void downKey();
    void enterKey();

    GridView& view_;
    QLineEdit& edit_;
    Workspace& workspace_;
    QString row201Message_;
};

} // namespace tarn
