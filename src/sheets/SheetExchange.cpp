// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetExchange.h"

#include "Numbers.h"
#include "ScaleText.h"
#include "SheetFile.h"
#include "SheetParts.h"

#include <QCoreApplication>

#include <type_traits>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SheetExchange)
};

constexpr SheetSide kPluSheet{TableKind::Plu,
                              "PLU ",
                              {"PLU No", "           Item Name1           ",
                               "           Item Name2           ", "U/Price", "Valid Date", "Tare",
                               "Item Code", "G Code", "Message No"},
                              QT_TRANSLATE_NOOP("SheetExchange", "Excel File Ingred Data  "),
                              //: %1 is the text in column A of the row being read
                              QT_TRANSLATE_NOOP("SheetExchange", " Data Format Changing ....  %1"),
                              QT_TRANSLATE_NOOP("SheetExchange", "PLU Number is %1"),
                              28,
                              ""};

constexpr SheetSide kIngredSheet{
    TableKind::Ingred,
    "INGRED ",
    {"Message No", "           Message1            ", "           Message2            ",
     "           Message3            ", "           Message4            ",
     "           Message5            ", "           Message6            ",
     "           Message7            ", "           Message8            "},
    QT_TRANSLATE_NOOP("SheetExchange", "Excel File INGRED Data  "),
    //: %1 is the text in column A of the row being read
    QT_TRANSLATE_NOOP("SheetExchange", "  Data Format Changing....  %1"),
    QT_TRANSLATE_NOOP("SheetExchange", "Ingredient Number is %1"),
    50,
    " "};

const QString kRowStatusTail = QStringLiteral("      ");
const QString kError = QStringLiteral("ERROR! ");
const QString kEmptyNumber = QStringLiteral("0");

constexpr int kSheetRecordRows = kMaxRecords + 1; // header row and rows 2 to 201
constexpr int kGridCols = 1 + kFieldColumns;

// Grid row j (its texts in columns 1 to 9) into a record. Empty numbers but the first become
// "0", empty texts the side's fill, both in the grid too; texts are cut to the side's limit in
// the record only. Returns the failure text, empty when the row converted.
template <class R>
QString convertRow(const SheetSide& side, QStringList& texts, R& record, int sheetRow) {
    QString failure;
    forEachField(record, [&](int col, auto& field) {
        if (!failure.isEmpty())
            return;
        QString& text = texts[col - 1];
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, QString>) {
            if (text.isEmpty())
                text = QString::fromLatin1(side.emptyTextFill);
            field = text.left(side.textLimit);
        } else {
            if (text.isEmpty() && col > 1)
                text = kEmptyNumber;
            const NumberResult n = parseNumber(text, widthOf<T>());
            if (!n.ok()) {
                failure = parts::cellPlace(sheetRow, col - 1) + columnCaption(side.kind, col) +
                          QLatin1Char(' ') + n.reason();
                return;
            }
            field = T(n.value);
        }
    });
    return failure;
}

// What the operator should hear of a completed import of `count` records.
QStringList importWarnings(const ReadSheet& sheet, int count) {
    QStringList out;
    const bool a1Empty = sheet.rows.isEmpty() || parts::holdsNothing(sheet.rows[0][0]);
    if (a1Empty)
        out << Text::tr("Nothing was imported: cell A1 is empty, and the records end at the first "
                        "row whose column A is empty.");
    else if (count == kMaxRecords && sheet.rowsBeyond == 1)
        out << Text::tr("1 row past the %1th was left out: a table holds at most %1 records.")
                   .arg(kMaxRecords);
    else if (count == kMaxRecords && sheet.rowsBeyond > 0)
        out << Text::tr("%n rows past the %1th were left out: a table holds at most %1 records.",
                        nullptr, int(sheet.rowsBeyond))
                   .arg(kMaxRecords);
    return out;
}

} // namespace

// Every kind together first, then each kind, then all files; a dialog shows each entry with its
// patterns: "All spreadsheets (*.xls *.xlsx *.ods *.csv)", the description translated there.
// clang-format off
constexpr char kSpreadsheetFilter[] =
    QT_TRANSLATE_NOOP("FileChooser", "All spreadsheets") "|*.xls;*.xlsx;*.ods;*.fods;*.csv;*.txt|"
    QT_TRANSLATE_NOOP("FileChooser", "Excel File") "|*.xls|"
    QT_TRANSLATE_NOOP("FileChooser", "Excel Workbook") "|*.xlsx|"
    QT_TRANSLATE_NOOP("FileChooser", "OpenDocument Spreadsheet") "|*.ods;*.fods|"
    QT_TRANSLATE_NOOP("FileChooser", "CSV File") "|*.csv;*.txt|"
    QT_TRANSLATE_NOOP("FileChooser", "ALL File") "|*.*";
// clang-format on
const char* const kWorkbookOpenFilter = kSpreadsheetFilter;
const char* const kWorkbookSaveFilter = kSpreadsheetFilter;
const char* const kWorkbookExportStarts = QT_TRANSLATE_NOOP("SheetExchange", " Input File Name ");

const SheetSide& sheetSideOf(TableKind kind) {
    return kind == TableKind::Plu ? kPluSheet : kIngredSheet;
}

QString sheetNameFor(TableKind kind, const QDate& date) {
    return QString::fromLatin1(sheetSideOf(kind).sheetPrefix) +
           date.toString(QStringLiteral("dd.MM.yy"));
}

template <class R> Report importWorkbook(Workspace& ws, const QString& path) {
    Table<R>& table = ws.table<R>();
    const SheetSide& side = sheetSideOf(table.kind);

    Report report;
    report.say(Text::tr(" Open Excel File "));
    const ReadOutcome read = readSheetFile(path, kSheetRecordRows, kFieldColumns);
    if (!read.sheet)
        return report.fail(kError + parts::fileNameOf(path) + QStringLiteral(": ") + read.error);
    report.say(Text::tr(" Initializing "));

    // Grid rows 0 (captions) to gridRows - 1, columns 1 to 9, built aside.
    const QVector<QVector<SheetCell>>& sheet = read.sheet->rows;
    QVector<QStringList> texts;
    int count = 0;
    int gridRows = 0;
    for (int r = 1; gridRows == 0; ++r) {
        const auto cellAt = [&](int c) {
            return r - 1 < sheet.size() ? sheet[r - 1][c - 1] : SheetCell{};
        };
        // The row that ends the records (column A empty) is read for nothing but that: a cell
        // of it that could not be taken is left empty, never refused.
        const SheetCell first = cellAt(1);
        const bool endRow = r >= 2 && parts::cellFault(first).isEmpty() && first.text.isEmpty();
        QStringList row;
        for (int c = 1; c <= kFieldColumns; ++c) {
            const SheetCell cell = cellAt(c);
            const QString fault = parts::cellFault(cell);
            if (!fault.isEmpty() && !endRow)
                return report.fail(parts::cellPlace(r, c - 1) + fault);
            row.append(fault.isEmpty() ? cell.text : QString());
        }
        texts.append(row);
        report.say(Text::tr(side.rowStatus).arg(row[0]) + kRowStatusTail);
        const bool empty = row[0].isEmpty();
        if (r >= 2 && !empty)
            count = r - 1;
        if (empty)
            gridRows = r;
        else if (r == kSheetRecordRows)
            gridRows = kSheetRecordRows + 1;
    }
    report.say(Text::tr(side.countStatus).arg(count));

    auto records = table.records;
    for (int j = 1; j <= kMaxRecords; ++j)
        records[size_t(j)] = R{};
    for (int j = 1; j <= count; ++j) {
        const QString failure = convertRow(side, texts[j], records[size_t(j)], j + 1);
        if (!failure.isEmpty())
            return report.fail(failure);
    }

    // Everything read and converted: now the table changes, all at once.
    TextGrid& grid = table.grid;
    grid.setCols(kGridCols);
    grid.setRows(gridRows);
    for (int i = 0; i < gridRows; ++i) {
        const bool numbered = i >= 1 && i <= kMaxRecords;
        grid.setText(i, 0, numbered ? QString::number(i) : QString());
        for (int c = 1; c <= kFieldColumns; ++c)
            grid.setText(i, c, i < texts.size() ? texts[i][c - 1] : QString());
    }
    grid.setText(0, 0, QStringLiteral("NO"));
    constexpr int kImportedRowHeight = 300;
    for (int i = 1; i < gridRows; ++i) {
        grid.setRow(i);
        grid.setRowHeight(i, kImportedRowHeight);
    }
    table.records = records;
    table.count = qint16(count);
    ws.setFilePath(path);
    report.say(Text::tr(" Data is End "));
    report.warnings = importWarnings(*read.sheet, count);
    return report;
}

template <class R>
Report exportWorkbook(const Workspace& ws, const QString& path, const QDate& date) {
    const Table<R>& table = ws.table<R>();
    const SheetSide& side = sheetSideOf(table.kind);

    Report report;
    report.say(Text::tr(" Excel File Save "));
    WriteSheet sheet;
    sheet.name = sheetNameFor(table.kind, date);
    QStringList headers;
    for (const char* h : side.headers)
        headers.append(QString::fromLatin1(h));
    sheet.rows.append(headers);
    // Up to the grid's last row; the first row without a number in column 1 ends the sheet.
    for (int i = 1; i < table.grid.rows(); ++i) {
        const QString number = table.grid.text(i, 1);
        if (number.isEmpty())
            break;
        QStringList row;
        for (int c = 1; c <= kFieldColumns; ++c)
            row.append(table.grid.text(i, c));
        sheet.rows.append(row);
        //: followed by the record's number
        report.say(Text::tr(" Data Changing ....  ") + number);
    }
    sheet.columnWidths = fittedWidths(sheet.rows, kFieldColumns);
    sheet.activeRow = 1; // A2
    sheet.activeCol = 0;

    const QString why = writeSheetFile(path, sheet);
    if (!why.isEmpty())
        //: %1 is the file's name, %2 why it cannot be saved
        return report.fail(Text::tr("ERROR! cannot save %1: %2").arg(parts::fileNameOf(path), why));
    report.say(Text::tr(" Save End"));
    return report;
}

template Report importWorkbook<PluRecord>(Workspace&, const QString&);
template Report importWorkbook<IngredRecord>(Workspace&, const QString&);
template Report exportWorkbook<PluRecord>(const Workspace&, const QString&, const QDate&);
template Report exportWorkbook<IngredRecord>(const Workspace&, const QString&, const QDate&);

Report importWorkbook(Workspace& ws, TableKind kind, const QString& path) {
    return kind == TableKind::Plu ? importWorkbook<PluRecord>(ws, path)
                                  : importWorkbook<IngredRecord>(ws, path);
}

Report exportWorkbook(const Workspace& ws, TableKind kind, const QString& path, const QDate& date) {
    return kind == TableKind::Plu ? exportWorkbook<PluRecord>(ws, path, date)
                                  : exportWorkbook<IngredRecord>(ws, path, date);
}

} // namespace tarn
