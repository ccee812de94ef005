// .csv as RFC 4180 has it: fields separated by commas (or semicolons, as spreadsheets in much
// of Europe write them), a field in double quotes may hold separators, line breaks and
// doubled quotes. Every field is a text.

#include "Cp1252.h"
#include "SafeFile.h"
#include "SheetFile.h"
#include "SheetParts.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace tarn {

using namespace parts;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// The bytes as text: UTF-8 (its byte-order mark dropped) when they are valid UTF-8,
// otherwise Windows-1252, what a spreadsheet program on Windows saves as "CSV".
QString decode(QByteArray bytes) {
    if (bytes.startsWith(kBom))
        bytes.remove(0, kBom.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromCp1252(bytes) : text;
}

// The separator: a semicolon when the first record holds more of them than commas.
QChar separatorOf(const QString& text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons > commas ? QChar(u';') : QChar(u',');
}

} // namespace

ReadOutcome readCsv(const QString& path, int maxRows, int cols) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    const QString text = decode(file.read(std::min(file.size(), kMaxPartBytes)));
    const QChar sep = separatorOf(text);

    SheetCells cells(maxRows, cols);
    int row = 0;
    int col = 0;
    int line = 1;
    int quoteLine = 0; // where the open quoted field began
    QString field;
    bool quotedField = false; // the field began with a quote
    bool inQuotes = false;
    auto endField = [&] {
        if (!field.isEmpty())
            cells.set(row, col, {SheetCell::Kind::Text, field});
        field.clear();
        quotedField = false;
        ++col;
    };
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (; i < n && row < maxRows; ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                if (field.size() < kMaxCellChars)
                    field += c;
            }
        } else if (c == u'"' && field.isEmpty() && !quotedField) {
            inQuotes = quotedField = true;
            quoteLine = line;
        } else if (c == sep) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            endField();
            ++row;
            ++line;
            col = 0;
        } else if (field.size() < kMaxCellChars) {
            field += c; // a quote inside an unquoted field is taken as it stands
        }
    }
    if (inQuotes)
        return {std::nullopt,
                QStringLiteral("line %1: a quoted field has no closing quote").arg(quoteLine)};
    if (row < maxRows && (col > 0 || !field.isEmpty() || quotedField))
        endField(); // the last record without a line break
    return {cells.take(QFileInfo(path).completeBaseName()), {}};
}

QString writeCsv(const QString& path, const WriteSheet& sheet) {
    int cols = 0;
    for (const QStringList& row : sheet.rows)
        cols = std::max(cols, int(row.size()));
    QString out;
    for (const QStringList& row : sheet.rows) {
        for (int c = 0; c < cols; ++c) {
            if (c > 0)
                out += u',';
            const QString field = c < row.size() ? row[c] : QString();
            const bool quote = field.contains(u',') || field.contains(u'"') ||
                               field.contains(u'\n') || field.contains(u'\r') ||
                               field.contains(u';') || field.startsWith(u' ') ||
                               field.endsWith(u' ');
            if (quote)
                out += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
            else
                out += field;
        }
        out += QStringLiteral("\r\n");
    }
    return writeWholeFile(path, kBom + out.toUtf8());
}

} // namespace tarn
