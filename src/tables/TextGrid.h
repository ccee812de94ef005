// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVector>

namespace tarn {

// One column as a grid format string describes it: "^Caption   " centres the column's cells,
// "<Caption " aligns them left; the caption's trailing blanks widen the column.
struct ColumnFormat {
    enum class Align { Left, Centre };
    Align align = Align::Centre;
    QString caption;    // the header text as written, trailing blanks included
    int widthChars = 0; // the column is just wide enough for this many characters of the caption
};

QVector<ColumnFormat> parseFormat(const QString& format);

// A grid of texts in the manner of a flexible grid control: row 0 and column 0 are fixed cells
// held as ordinary texts, the operator's cursor lives in rows 1.. and columns 1...
// The view shows it; handlers and tests work on it directly.
class TextGrid : public QObject {
    Q_OBJECT
public:
    static constexpr int kStandardHeight = -1;

    explicit TextGrid(QObject* parent = nullptr);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // New rows and columns start empty with the standard height; the current cell is kept
    // inside the grid's movable part.
    void setRows(int n);
    void setCols(int n);

    // Sets the header texts of row 0, the alignments and the widths, one column per "|" part.
    void setFormat(const QString& format);
    QString format() const { return format_; }
    ColumnFormat::Align align(int col) const;
    int widthChars(int col) const;

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);

    int row() const { return row_; }
    int col() const { return col_; }
    // Moving the cursor raises leaveCell() first, while the old cell is still current.
    void setRow(int row);
    void setCol(int col);
    void setCurrent(int row, int col);

    // Row height in twips; kStandardHeight for the view's own standard height.
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);

signals:
    void leaveCell();
    void currentChanged(int row, int col);
    void cellChanged(int row, int col);
    void shapeChanged(); // row or column count
    void formatChanged();
    void rowHeightChanged(int row);

private:
    int index(int row, int col) const { return row * cols_ + col; }
    void resize(int rows, int cols);

    int rows_ = 2;
    int cols_ = 2;
    int row_ = 1;
    int col_ = 1;
    QString format_;
    QVector<QString> cells_;
    QVector<int> heights_;
    QVector<ColumnFormat> columns_;
};

} // namespace tarn
