// SPDX-License-Identifier: GPL-3.0-or-later
#include "Convert.h"

#include "SheetExchange.h"
#include "SheetFile.h"

#include <QCommandLineParser>

namespace tarn::cli {

namespace {
// Whether a .csv's first row is the table's own header: each text in it the header of its
// column (as an export writes it, or trimmed, in any case), column A's there, nothing beyond
// the table's columns. A till's price list ("PLU;Price") is not, and would otherwise load its
// prices into the wrong fields.
bool hasTableHeader(TableKind kind, const QString& path) {
    const ReadOutcome read = readCsv(path, 1, kFieldColumns + 1);
    if (!read.sheet || read.sheet->rows.isEmpty())
        return true; // what cannot be read is the load's to report
    const auto& row = read.sheet->rows.front();
    const auto& headers = sheetSideOf(kind).headers;
    for (int c = 0; c < row.size(); ++c) {
        const QString text = row[c].text.simplified();
        if (c == 0 && text.isEmpty())
            return false;
        if (text.isEmpty())
            continue;
        if (c >= kFieldColumns || text.compare(QString::fromLatin1(headers[size_t(c)]).simplified(),
                                               Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}
} // namespace

QString Convert::summary() const {
    return tr("Load the table from IN and save it to OUT.");
}

std::optional<UsageError> Convert::parse(const QStringList& ports, const QStringList& words) {
    if (!ports.isEmpty())
        return UsageError{tr("convert does not use a port")};
    QCommandLineParser parser;
    QStringList paths;
    if (auto error = parseTableOperands(
            parser, words, {QStringLiteral("IN"), QStringLiteral("OUT")}, kind_, paths))
        return error;
    in_ = paths[0];
    out_ = paths[1];
    QString why;
    if (!formatOf(kind_, in_, &why) || !formatOf(kind_, out_, &why))
        return UsageError{why};
    return std::nullopt;
}

int Convert::run(Session& session) {
    Workspace& ws = session.workspace();
    if (formatOf(kind_, in_) == FileFormat::Workbook && sheetKindOf(in_) == SheetKind::Csv &&
        !hasTableHeader(kind_, in_)) {
        session.console().remark(
            (kind_ == TableKind::Plu
                 ? tr("%1: its first row is not the header of a PLU table: this looks like a price "
                      "list: use tarnlink-cli merge")
                 : tr("%1: its first row is not the header of an ingredient table: this looks like "
                      "a price list: use tarnlink-cli merge"))
                .arg(in_));
        return kFailed;
    }
    if (!loadTable(ws, kind_, in_, &session.console()) ||
        !saveTable(ws, kind_, out_, session.today()))
        return kFailed;
    return kDone;
}

} // namespace tarn::cli
