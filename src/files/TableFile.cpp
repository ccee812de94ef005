// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFile.h"

#include "Cp1252.h"
#include "Numbers.h"
#include "SafeFile.h"
#include "ScaleText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <type_traits>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TableFile)
};

// A table file holds at most 200 lines of a few hundred characters; anything far larger is
// not a table file and is refused before it is read into memory.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

// The column whose empty cell a save fills with "0" in the grid.
template <class R> constexpr int kMessageNoColumn = 0;
template <> constexpr int kMessageNoColumn<PluRecord> = 9;
template <> constexpr int kMessageNoColumn<IngredRecord> = 1;

template <class V> constexpr bool isText = std::is_same_v<std::decay_t<V>, QString>;

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Reads a file's text field by field: a field ends at a comma or a line end, blanks before it
// are skipped, and a field that begins with a double quote runs to the next double quote on
// its line. Fields follow one another whatever lines they stand on.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : text_(text) {}

    struct Field {
        QString text;
        int line = 0;
    };

    // Skips blanks and empty lines before a record; false at the end of the file.
    bool nextRecord() {
        while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_])))
            skipOne();
        recordLine_ = line_;
        return pos_ < text_.size();
    }
    // The line the current record begins on.
    int recordLine() const { return recordLine_; }

    // nullopt with `problem` set when the field is missing or malformed.
    std::optional<Field> next(const QString& name, std::optional<FileProblem>& problem) {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        if (pos_ >= text_.size()) {
            //: %1 is a field's name
            problem = FileProblem{recordLine_, 0, 0, Text::tr("the file ends before %1").arg(name)};
            return std::nullopt;
        }
        Field field{{}, line_};
        if (text_[pos_] == QLatin1Char('"')) {
            const qsizetype start = pos_ + 1;
            qsizetype end = start;
            while (end < text_.size() && text_[end] != QLatin1Char('"') && !isLineEnd(text_[end]))
                ++end;
            if (end >= text_.size() || text_[end] != QLatin1Char('"')) {
                problem =
                    FileProblem{line_, 0, 0, Text::tr("%1 has no closing double quote").arg(name)};
                return std::nullopt;
            }
            field.text = text_.mid(start, end - start);
            pos_ = end + 1;
            // Whatever stands between the closing quote and the field's end is not part of it.
            while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') &&
                   !isLineEnd(text_[pos_]))
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') &&
                   !isLineEnd(text_[pos_]))
                ++pos_;
            field.text = text_.mid(start, pos_ - start);
        }
        if (pos_ < text_.size())
            skipOne(); // the comma or line end that ends the field
        return field;
    }

private:
    // Steps over one character; CR LF, a lone LF or a lone CR is one line end.
    void skipOne() {
        const QChar c = text_[pos_++];
        if (c == QLatin1Char('\r')) {
            if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\n'))
                ++pos_;
            ++line_;
        } else if (c == QLatin1Char('\n')) {
            ++line_;
        }
    }

    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int recordLine_ = 1;
};

Report failed(const QString& text) {
    return Report().fail(text);
}

// Why the file cannot hold the text field `name`: a double quote or a line break would end the
// field or the record early, and a character with no Windows-1252 byte cannot be written.
// Empty when it can.
QString textRefusal(const QString& name, const QString& field) {
    if (field.contains(u'"'))
        return Text::tr("%1 contains a double quote").arg(name);
    if (field.contains(u'\r') || field.contains(u'\n'))
        return Text::tr("%1 contains a line break").arg(name);
    if (!toCp1252(field))
        return Text::tr("%1 contains \"%2\", which the file cannot hold")
            .arg(name, firstUnencodable(field));
    return {};
}

// A price typed with a decimal comma or point, "19,90" or "2.99": the same in cents, as it is to
// be typed ("1990"); empty for any other text.
QString centsOf(const QString& text) {
    static const QRegularExpression price(QStringLiteral("^\\s*(\\d+)[.,](\\d{1,2})\\s*$"));
    const QRegularExpressionMatch m = price.match(text);
    if (!m.hasMatch())
        return {};
    const NumberResult cents = parseNumber(
        m.captured(1) + m.captured(2).leftJustified(2, QLatin1Char('0')), IntWidth::Int32);
    return cents.ok() ? QString::number(cents.value) : QString();
}

template <class R> QString cellRefusalOf(int col, const QString& text) {
    QString why;
    R record{};
    forEachField(record, [&](int c, auto& value) {
        if (c != col)
            return;
        const QString name = columnCaption(RecordTraits<R>::kind, col);
        using V = std::decay_t<decltype(value)>;
        if constexpr (isText<V>) {
            why = textRefusal(name, text);
        } else if (!text.isEmpty()) {
            const NumberResult n = parseNumber(text, widthOf<V>());
            QString cents;
            if constexpr (std::is_same_v<R, PluRecord>)
                if (static_cast<const void*>(&value) == &record.unitPrice && !n.ok())
                    cents = centsOf(text);
            if (!cents.isEmpty())
                why = Text::tr("%1 is a whole number (cents): type %2").arg(name, cents);
            else if (!n.ok())
                why = name + QLatin1Char(' ') + n.reason();
        }
    });
    return why;
}

template <class R> Report loadTable(Workspace& ws, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(Text::tr("ERROR! cannot open %1 (%2)").arg(path, file.errorString()));
    if (file.size() > kMaxFileBytes)
        return failed(Text::tr("ERROR! %1 is too large for a table file").arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed(Text::tr("ERROR! cannot read %1 (%2)").arg(path, file.errorString()));
    file.close();

    const ParsedFile<R> parsed = parseTableFile<R>(bytes);
    if (!parsed.ok())
        return failed(parsed.problem->message());

    Table<R>& table = ws.table<R>();
    installRecords<R>(table, parsed.records);
    ws.setFilePath(QFileInfo(path).absoluteFilePath());
    return Report::saying(countStatus(table.side(), table.count));
}

template <class R> Report saveTable(Workspace& ws, const PathChooser& choosePath) {
    Table<R>& table = ws.table<R>();
    const GridCopy<R> copy = copyFromGrid<R>(table.grid);
    if (!copy.ok())
        return failed(copy.problem->message());
    const WrittenFile written = writeTableFile<R>(copy.records);
    if (!written.ok())
        return failed(written.problem->message());

    const std::optional<QString> path = choosePath();
    if (!path)
        return {Report::Result::Cancelled, {}, {}};

    if (const QString why = writeWholeFile(*path, written.bytes); !why.isEmpty())
        return failed(Text::tr("ERROR! cannot save %1 (%2)").arg(*path, why));

    applyGridCopy<R>(table, copy);
    ws.setFilePath(QFileInfo(*path).absoluteFilePath());
    // A file save reports the ingredient count under its own name; the PLU save and both loads
    // use the table's count text.
    if (table.kind == TableKind::Plu)
        return Report::saying(countStatus(table.side(), table.count));
    const QString count = Text::tr("INGRED Count is %1").arg(table.count);
    return Report::saying(count);
}

} // namespace

QString FileProblem::message() const {
    if (line > 0)
        return Text::tr("ERROR! line %1: %2").arg(line).arg(what);
    if (row > 0)
        return Text::tr("ERROR! row %1: %2").arg(row).arg(what);
    return QStringLiteral("ERROR! ") + what;
}

template <class R> ParsedFile<R> parseTableFile(const QByteArray& bytes) {
    ParsedFile<R> out;
    const QString text = fromCp1252(bytes);
    FieldReader reader(text);
    while (reader.nextRecord()) {
        if (out.records.size() == size_t(kMaxRecords)) {
            out.problem = FileProblem{reader.recordLine(), 0, 0,
                                      Text::tr("more than %1 records").arg(kMaxRecords)};
            break;
        }
        R record{};
        forEachField(record, [&](int col, auto& value) {
            if (out.problem)
                return;
            const QString name = columnCaption(RecordTraits<R>::kind, col);
            const std::optional<FieldReader::Field> field = reader.next(name, out.problem);
            if (!field)
                return;
            using V = std::decay_t<decltype(value)>;
            if constexpr (isText<V>) {
                value = field->text;
            } else if (field->text.trimmed().isEmpty()) {
                value = 0;
            } else {
                const NumberResult n = parseNumber(field->text, widthOf<V>());
                if (n.ok())
                    value = V(n.value);
                else
                    out.problem =
                        FileProblem{field->line, 0, col, name + QLatin1Char(' ') + n.reason()};
            }
        });
        if (out.problem)
            break;
        out.records.push_back(std::move(record));
    }
    if (out.problem)
        out.records.clear();
    return out;
}

template <class R> WrittenFile writeTableFile(std::span<const R> records) {
    WrittenFile out;
    QString text;
    int row = 0;
    for (const R& record : records) {
        ++row;
        forEachField(record, [&](int col, const auto& value) {
            if (out.problem)
                return;
            if (col > 1)
                text += QLatin1Char(',');
            using V = std::decay_t<decltype(value)>;
            if constexpr (isText<V>) {
                const QString field = value.isEmpty() ? QStringLiteral(" ") : value;
                const QString why = textRefusal(columnCaption(RecordTraits<R>::kind, col), field);
                if (!why.isEmpty())
                    out.problem = FileProblem{0, row, col, why};
                else
                    text += QLatin1Char('"') + field + QLatin1Char('"');
            } else {
                text += QString::number(value);
            }
        });
        if (out.problem)
            return out;
        text += QLatin1String("\r\n");
    }
    if (std::optional<QByteArray> bytes = toCp1252(text))
        out.bytes = std::move(*bytes);
    else // not expected: every field was checked above
        out.problem = FileProblem{0, 0, 0, Text::tr("the table cannot be written")};
    return out;
}

template <class R> GridCopy<R> copyFromGrid(const TextGrid& grid, const CopyOptions& options) {
    GridCopy<R> out;
    const int lastRow = std::min(kMaxRecords, grid.rows() - 1);
    for (int row = 1; row <= lastRow; ++row) {
        if (grid.text(row, 1).isEmpty())
            break;
        R record{};
        forEachField(record, [&](int col, auto& value) {
            if (out.problem)
                return;
            const QString cell = grid.text(row, col);
            using V = std::decay_t<decltype(value)>;
            if constexpr (isText<V>) {
                value = cell.isEmpty()           ? options.emptyText
                        : options.textLimit >= 0 ? cell.left(options.textLimit)
                                                 : cell;
            } else if (cell.isEmpty()) {
                value = 0;
                out.emptyNumberCells.emplace_back(row, col);
            } else {
                const NumberResult n = parseNumber(cell, widthOf<V>());
                if (n.ok())
                    value = V(n.value);
                else
                    out.problem = FileProblem{0, row, col, cellRefusalOf<R>(col, cell)};
            }
        });
        if (out.problem) {
            out.records.clear();
            out.emptyNumberCells.clear();
            break;
        }
        out.records.push_back(std::move(record));
    }
    return out;
}

template <class R> void applyGridCopy(Table<R>& table, const GridCopy<R>& copy) {
    for (size_t k = 0; k < copy.records.size(); ++k)
        table.records[k + 1] = copy.records[k];
    table.count = qint16(copy.records.size());
    for (const auto& [row, col] : copy.emptyNumberCells) {
        if (col == kMessageNoColumn<R>)
            table.grid.setText(row, col, QStringLiteral("0"));
    }
}

template <class R> void installRecords(Table<R>& table, std::span<const R> records) {
    TextGrid& grid = table.grid;
    // A grid that an import left shorter than the table still shows every row.
    if (grid.cols() < 1 + kFieldColumns)
        grid.setCols(1 + kFieldColumns);
    if (grid.rows() < kTableSlots)
        grid.setRows(kTableSlots);
    grid.setFormat(QString::fromLatin1(table.side().formatString));
    const int n = int(std::min(records.size(), size_t(kMaxRecords)));
    table.count = qint16(n);
    for (int j = 1; j <= n; ++j) {
        table.records[size_t(j)] = records[size_t(j - 1)];
        showRecord(grid, j, table.records[size_t(j)]);
    }
    for (int j = n + 1; j <= kMaxRecords; ++j) {
        grid.setText(j, 0, QString::number(j));
        for (int c = 1; c <= kFieldColumns; ++c)
            grid.setText(j, c, QString());
        table.records[size_t(j)] = R{};
    }
}

Report load(Workspace& workspace, TableKind kind, const QString& path) {
    return kind == TableKind::Plu ? loadTable<PluRecord>(workspace, path)
                                  : loadTable<IngredRecord>(workspace, path);
}

Report save(Workspace& workspace, TableKind kind, const PathChooser& choosePath) {
    return kind == TableKind::Plu ? saveTable<PluRecord>(workspace, choosePath)
                                  : saveTable<IngredRecord>(workspace, choosePath);
}

Report save(Workspace& workspace, TableKind kind, const QString& path) {
    return save(workspace, kind, [&path]() -> std::optional<QString> { return path; });
}

QString cellRefusal(TableKind kind, int col, const QString& text) {
    return kind == TableKind::Plu ? cellRefusalOf<PluRecord>(col, text)
                                  : cellRefusalOf<IngredRecord>(col, text);
}

#define TARN_TABLE_FILE_FOR(R)                                                                     \
    template ParsedFile<R> parseTableFile<R>(const QByteArray&);                                   \
    template WrittenFile writeTableFile<R>(std::span<const R>);                                    \
    template GridCopy<R> copyFromGrid<R>(const TextGrid&, const CopyOptions&);                     \
    template void applyGridCopy<R>(Table<R>&, const GridCopy<R>&);                                 \
    template void installRecords<R>(Table<R>&, std::span<const R>);
TARN_TABLE_FILE_FOR(PluRecord)
TARN_TABLE_FILE_FOR(IngredRecord)
#undef TARN_TABLE_FILE_FOR

} // namespace tarn
