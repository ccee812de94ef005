// SPDX-License-Identifier: GPL-3.0-or-later
// .csv as RFC 4180 has it: fields separated by commas (or semicolons, as spreadsheets in much
// of Europe write them, or tabs, as Excel's "Unicode text"), a field in double quotes may hold
// separators, line breaks and doubled quotes. Every field is a text.

#include "Cp1252.h"
#include "SafeFile.h"
#include "SheetFile.h"
#include "SheetParts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace tarn {

using namespace parts;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CsvSheet)
};

const QByteArray kBom("\xEF\xBB\xBF");

struct Decoded {
    QString text;
    QString error; // set when the bytes do not hold what their byte-order mark says
};

// The line (from 1) of a failure at `at` units into `units` counted in LF code units.
template <class Units> int lineAt(const Units& units, qsizetype at) {
    return int(std::count(units.begin(), units.begin() + at, typename Units::value_type('\n'))) + 1;
}

QString notEncoded(const char* encoding, int line) {
    //: %2 is the encoding, UTF-8 or UTF-16
    return Text::tr("line %1: a byte that is not %2, although the file starts as %2")
        .arg(QString::number(line), QLatin1String(encoding));
}

// UTF-16 after its byte-order mark, big- or little-endian: every unit, surrogates in pairs.
Decoded decodeUtf16(QByteArrayView bytes, bool bigEndian) {
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const quint8 a = quint8(bytes[i]);
        const quint8 b = quint8(bytes[i + 1]);
        text.append(QChar(char16_t(bigEndian ? (a << 8 | b) : (b << 8 | a))));
    }
    const auto pairFails = [&](qsizetype i) {
        const QChar c = text[i];
        if (c.isHighSurrogate())
            return i + 1 == text.size() || !text[i + 1].isLowSurrogate();
        return c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
    };
    for (qsizetype i = 0; i < text.size(); ++i)
        if (pairFails(i))
            return {{}, notEncoded("UTF-16", lineAt(text, i))};
    if (bytes.size() % 2)
        return {{}, notEncoded("UTF-16", lineAt(text, text.size()))};
    return {text, {}};
}

// The bytes as text. A byte-order mark decides: UTF-8, UTF-16 little- or big-endian, and a
// byte that does not fit it is a failure naming its line. Without one: UTF-8 when the bytes
// are valid UTF-8, otherwise Windows-1252, what a spreadsheet program on Windows saves as CSV.
Decoded decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return decodeUtf16(QByteArrayView(bytes).sliced(2), false);
    if (bytes.startsWith("\xFE\xFF"))
        return decodeUtf16(QByteArrayView(bytes).sliced(2), true);
    const bool marked = bytes.startsWith(kBom);
    const QByteArrayView rest = QByteArrayView(bytes).sliced(marked ? kBom.size() : 0);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(rest);
    if (!utf8.hasError())
        return {text, {}};
    if (!marked)
        return {fromCp1252(rest.toByteArray()), {}};
    // A line break byte never stands inside a UTF-8 sequence: the first line that fails.
    int line = 1;
    for (const QByteArray& piece : rest.toByteArray().split('\n')) {
        QStringDecoder one(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = one.decode(piece);
        if (one.hasError())
            break;
        ++line;
    }
    return {{}, notEncoded("UTF-8", line)};
}

// The separator: of tab, semicolon and comma the one the first record holds most of outside
// quotes; a comma when there is none, or a tie with it.
QChar separatorOf(const QString& text) {
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
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
        else if (!quoted && c == u'\t')
            ++tabs;
    }
    if (tabs > commas && tabs >= semicolons)
        return QChar(u'\t');
    return semicolons > commas ? QChar(u';') : QChar(u',');
}

} // namespace

ReadOutcome readCsv(const QString& path, int maxRows, int cols) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    const Decoded decoded = decode(file.read(std::min(file.size(), kMaxPartBytes)));
    if (!decoded.error.isEmpty())
        return {std::nullopt, decoded.error};
    const QString& text = decoded.text;
    const QChar sep = separatorOf(text);

    // Past maxRows only column A counts, as long as it holds something.
    SheetCells cells(maxRows, cols);
    int row = 0;
    int col = 0;
    int line = 1;
    int quoteLine = 0;        // where the open quoted field began
    QString field;            // one character past a cell's limit at most: it is refused then
    bool quotedField = false; // the field began with a quote
    bool inQuotes = false;
    auto endField = [&] {
        if (!field.isEmpty())
            cells.set(row, col, {SheetCell::Kind::Text, field});
        field.clear();
        quotedField = false;
        ++col;
    };
    auto append = [&](QChar c) {
        if (field.size() <= kMaxCellChars)
            field += c;
    };
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (; i < n && !cells.beyondEnded(row); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    append(u'"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                append(c);
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
        } else {
            append(c); // a quote inside an unquoted field is taken as it stands
        }
    }
    if (inQuotes)
        return {std::nullopt,
                Text::tr("line %1: a quoted field has no closing quote").arg(quoteLine)};
    if (!cells.beyondEnded(row) && (col > 0 || !field.isEmpty() || quotedField))
        endField(); // the last record without a line break
    return {cells.take(QFileInfo(path).completeBaseName()), {}};
}

QString writeCsv(const QString& path, const WriteSheet& sheet) {
    if (const QString why = unwritableCell(sheet); !why.isEmpty())
        return why;
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
