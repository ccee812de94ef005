// SPDX-License-Identifier: GPL-3.0-or-later
// .xlsx written by libxlsxwriter, into a scratch file that then replaces the target whole.

#include "SafeFile.h"
#include "SheetFile.h"
#include "SheetParts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <xlsxwriter.h>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(XlsxWriter)
};

// Excel reads "_x0041_" in a text as the character it codes, "A": the underscore of every such
// run is itself coded ("_x005F_"), so that the text reads back as it was written.
QString escapedText(const QString& text) {
    if (!text.contains(QLatin1String("_x")))
        return text;
    static const QRegularExpression code(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    return QString(text).replace(code, QStringLiteral("_x005F_"));
}

} // namespace

QString writeXlsx(const QString& path, const WriteSheet& sheet) {
    if (const QString why = parts::unwritableCell(sheet); !why.isEmpty())
        return why;
    QTemporaryFile scratch(QDir::temp().filePath(QStringLiteral("tarnlink-XXXXXX.xlsx")));
    if (!scratch.open())
        //: %1 is the system's reason
        return Text::tr("no room for a scratch file: %1").arg(scratch.errorString());
    scratch.close();
    const QByteArray scratchName = QFile::encodeName(scratch.fileName());

    lxw_workbook_options options{};
    lxw_workbook* book = workbook_new_opt(scratchName.constData(), &options);
    if (!book)
        return Text::tr("cannot start the workbook");
    lxw_worksheet* ws = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
    lxw_error error = ws ? LXW_NO_ERROR : LXW_ERROR_SHEETNAME_ALREADY_USED;
    for (int r = 0; error == LXW_NO_ERROR && r < int(sheet.rows.size()); ++r) {
        const QStringList& row = sheet.rows[r];
        for (int c = 0; error == LXW_NO_ERROR && c < int(row.size()); ++c) {
            const QString& text = row[c];
            if (text.isEmpty())
                continue;
            if (isWholeNumberText(text))
                error = worksheet_write_number(ws, lxw_row_t(r), lxw_col_t(c), text.toDouble(),
                                               nullptr);
            else
                error = worksheet_write_string(ws, lxw_row_t(r), lxw_col_t(c),
                                               escapedText(text).toUtf8().constData(), nullptr);
        }
    }
    for (int c = 0; error == LXW_NO_ERROR && c < int(sheet.columnWidths.size()); ++c)
        error = worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), sheet.columnWidths[c] / 256.0,
                                     nullptr);
    if (ws && error == LXW_NO_ERROR)
        worksheet_set_selection(ws, lxw_row_t(sheet.activeRow), lxw_col_t(sheet.activeCol),
                                lxw_row_t(sheet.activeRow), lxw_col_t(sheet.activeCol));
    const lxw_error closed = workbook_close(book); // frees the workbook in any case
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR)
        return QString::fromUtf8(lxw_strerror(error));

    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return written.errorString();
    return writeWholeFile(path, written.readAll());
}

} // namespace tarn
