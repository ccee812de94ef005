// SPDX-License-Identifier: GPL-3.0-or-later
// .xlsx: a zip package of XML parts. The package's relationships name the workbook part, the
// workbook lists its sheets in order, and its own relationships name each sheet's part and the
// shared strings.

#include "NumberFormats.h"
#include "SheetFile.h"
#include "SheetParts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <map>

namespace tarn {

using namespace parts;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(XlsxReader)
};

QString notXlsxText() {
    return Text::tr("not an .xlsx workbook");
}

// The namespaces of Excel 2007's pre-release versions, whose parts differ from the standard's.
bool isPreRelease(QStringView ns) {
    return ns == QLatin1String("http://schemas.openxmlformats.org/spreadsheetml/2006/5/main") ||
           ns == QLatin1String("http://schemas.openxmlformats.org/spreadsheetml/2006/7/main") ||
           ns == QLatin1String("http://schemas.microsoft.com/office/excel/2006/2");
}

struct Relationship {
    QString type; // the last word of its type: "officeDocument", "worksheet", "sharedStrings"
    QString part; // the target's full part name
};

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"
QString relsOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) +
           QStringLiteral(".rels");
}

// A relationship's target as a full part name: from the package root when it starts with
// "/", else from the folder of the part it belongs to.
QString resolve(const QString& source, const QString& target) {
    if (target.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(target.mid(1));
    const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
    return QDir::cleanPath(source.left(slash + 1) + target);
}

// An Excel text keeps a character XML cannot carry as _xHHHH_; "_x005F_" escapes an underscore.
QString unescaped(const QString& text) {
    if (!text.contains(QLatin1String("_x")))
        return text;
    static const QRegularExpression code(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype from = 0;
    for (auto it = code.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(from, m.capturedStart() - from);
        out += QChar(char16_t(m.captured(1).toUShort(nullptr, 16)));
        from = m.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}

// The text of a rich or plain text: every <t> but those of phonetic runs, up to the end of
// the current element (<si> or <is>). A text longer than a cell holds is kept one character
// too long, for the cell to be refused.
QString richText(QXmlStreamReader& xml) {
    QString text;
    int depth = 0;
    while (!xml.atEnd() && !xml.hasError()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("t")) {
                text += xml.readElementText();
                text.truncate(kMaxCellChars + 1);
            } else if (xml.name() == QLatin1String("rPh")) {
                xml.skipCurrentElement();
            } else {
                ++depth; // a run and its properties
            }
        } else if (token == QXmlStreamReader::EndElement && depth-- == 0) {
            break;
        }
    }
    return unescaped(text);
}

class XlsxReader {
public:
    XlsxReader(const QString& path, int maxRows, int cols)
        : zip_(path), cells_(maxRows, cols), maxRows_(maxRows), cols_(cols) {}

    ReadOutcome read() {
        if (!zip_.isOpen())
            return fail(notXlsxText());
        QString workbook = QStringLiteral("xl/workbook.xml");
        if (zip_.has(QStringLiteral("_rels/.rels"))) {
            const auto rels = relationships(QString());
            if (!rels)
                return fail(why_);
            for (const Relationship& r : *rels)
                if (r.type == QLatin1String("officeDocument"))
                    workbook = r.part;
        }
        if (!zip_.has(workbook))
            return fail(notXlsxText());
        const auto rels = relationships(workbook);
        if (!rels)
            return fail(why_);
        const auto sheet = firstWorksheet(workbook, *rels);
        if (!sheet)
            return fail(why_);
        if (!readStyles(*rels) || !readSheet(sheet->part) || !readSharedStrings(*rels))
            return fail(why_);
        return {cells_.take(sheet->name), {}};
    }

private:
    struct SheetEntry {
        QString name;
        QString part;
    };
    struct PendingText {
        int row, col;
        qint64 index;
    };

    ReadOutcome fail(const QString& why) const { return {std::nullopt, why}; }

    bool xmlFailed(const QString& part, const QXmlStreamReader& xml) {
        if (xml.hasError())
            why_ = xmlFailure(part, xml);
        return xml.hasError();
    }

    // The relationships of `source` (the package itself when empty), by id in file order.
    std::optional<QVector<Relationship>> relationships(const QString& source) {
        const QString relsPart = source.isEmpty() ? QStringLiteral("_rels/.rels") : relsOf(source);
        QVector<Relationship> out;
        if (!zip_.has(relsPart))
            return out; // a workbook without relationships has no sheets to find
        auto device = zip_.open(relsPart, &why_);
        if (!device)
            return std::nullopt;
        QXmlStreamReader xml(device.get());
        if (nextChild(xml)) {
            while (nextChild(xml)) {
                if (xml.name() == QLatin1String("Relationship")) {
                    const auto a = xml.attributes();
                    const QString type = a.value(QLatin1String("Type")).toString();
                    const QString target = a.value(QLatin1String("Target")).toString();
                    const bool external =
                        a.value(QLatin1String("TargetMode")) == QLatin1String("External");
                    if (!external) {
                        ids_.insert(source + QLatin1Char('#') +
                                        a.value(QLatin1String("Id")).toString(),
                                    int(out.size()));
                        out.append({type.section(QLatin1Char('/'), -1), resolve(source, target)});
                    }
                }
                xml.skipCurrentElement();
            }
        }
        if (xmlFailed(relsPart, xml))
            return std::nullopt;
        return out;
    }

    // The first sheet of the workbook, in the workbook's order, that is a worksheet.
    std::optional<SheetEntry> firstWorksheet(const QString& workbook,
                                             const QVector<Relationship>& rels) {
        auto device = zip_.open(workbook, &why_);
        if (!device)
            return std::nullopt;
        QXmlStreamReader xml(device.get());
        std::optional<SheetEntry> found;
        if (nextChild(xml)) {
            if (isPreRelease(xml.namespaceUri())) {
                why_ = Text::tr("the workbook is in the 2006 pre-release .xlsx format, which is "
                                "not a format it reads");
                return std::nullopt;
            }
            while (!found && nextChild(xml)) {
                if (xml.name() == QLatin1String("workbookPr")) {
                    const QStringView d = xml.attributes().value(QLatin1String("date1904"));
                    from1904_ = d == QLatin1String("1") || d == QLatin1String("true");
                }
                if (xml.name() != QLatin1String("sheets")) {
                    xml.skipCurrentElement();
                    continue;
                }
                while (nextChild(xml)) {
                    if (!found && xml.name() == QLatin1String("sheet")) {
                        const auto a = xml.attributes();
                        QString id;
                        for (const QXmlStreamAttribute& attr : a)
                            if (attr.name() == QLatin1String("id"))
                                id = attr.value().toString();
                        const int at = ids_.value(workbook + QLatin1Char('#') + id, -1);
                        if (at >= 0 && rels[at].type == QLatin1String("worksheet"))
                            found = SheetEntry{a.value(QLatin1String("name")).toString(),
                                               rels[at].part};
                    }
                    xml.skipCurrentElement();
                }
            }
        }
        if (xmlFailed(workbook, xml))
            return std::nullopt;
        if (!found)
            why_ = Text::tr("the workbook holds no worksheet");
        return found;
    }

    bool badCell(const QString& ref) {
        why_ = Text::tr("the worksheet holds a cell it cannot place (%1)").arg(ref);
        return false;
    }

    // The sheet's rows and cells, up to the last row asked for. Shared texts are looked up
    // afterwards, once it is known which of them are wanted.
    bool readSheet(const QString& part) {
        auto device = zip_.open(part, &why_);
        if (!device)
            return false;
        QXmlStreamReader xml(device.get());
        qint64 row = -1;
        bool done = !nextChild(xml);
        while (!done && nextChild(xml)) {
            if (xml.name() != QLatin1String("sheetData")) {
                xml.skipCurrentElement();
                continue;
            }
            while (!done && nextChild(xml)) {
                if (xml.name() != QLatin1String("row")) {
                    xml.skipCurrentElement();
                    continue;
                }
                const QXmlStreamAttributes attributes = xml.attributes();
                const QStringView r = attributes.value(QLatin1String("r"));
                if (r.isEmpty()) {
                    ++row;
                } else {
                    bool ok = false;
                    const qint64 n = r.toLongLong(&ok);
                    if (!ok || n < 1 || n > kMaxSheetRows || n - 1 <= row)
                        //: a row of a worksheet, as the worksheet numbers it
                        return badCell(Text::tr("row %1").arg(r.toString()));
                    row = n - 1;
                }
                if (row >= maxRows_ && cells_.beyondEnded(row)) {
                    done = true;
                    break;
                }
                if (!readRow(xml, row)) {
                    xmlFailed(part, xml);
                    return false;
                }
            }
        }
        return !xmlFailed(part, xml);
    }

    // "B12" -> column 1; -1 when it is no cell reference or lies in another row.
    static qint64 columnOf(QStringView ref, qint64 row) {
        qint64 col = 0;
        qsizetype i = 0;
        while (i < ref.size() && i < 3 && ref[i] >= u'A' && ref[i] <= u'Z')
            col = col * 26 + (ref[i++].unicode() - u'A' + 1);
        if (i == 0 || col > kMaxSheetCols)
            return -1;
        bool ok = false;
        const qint64 n = ref.mid(i).toLongLong(&ok);
        if (!ok || n - 1 != row || !ref[i].isDigit())
            return -1;
        return col - 1;
    }

    // The cells of a row; past the rows asked for, only whether column A holds something.
    bool readRow(QXmlStreamReader& xml, qint64 row) {
        const bool beyond = row >= maxRows_;
        qint64 col = -1;
        while (nextChild(xml)) {
            if (xml.name() != QLatin1String("c")) {
                xml.skipCurrentElement();
                continue;
            }
            const auto a = xml.attributes();
            const QStringView ref = a.value(QLatin1String("r"));
            if (ref.isEmpty()) {
                ++col;
            } else {
                const qint64 c = columnOf(ref, row);
                if (c < 0)
                    return badCell(ref.toString());
                col = c;
            }
            if (col >= cols_ || (beyond && col > 0)) {
                xml.skipCurrentElement();
                continue;
            }
            const QString type = a.value(QLatin1String("t")).toString();
            const QStringView style = a.value(QLatin1String("s"));
            QString value;
            bool hasValue = false;
            bool formula = false;
            while (nextChild(xml)) {
                if (xml.name() == QLatin1String("v")) {
                    value = xml.readElementText();
                    hasValue = true;
                } else if (xml.name() == QLatin1String("is")) {
                    value = richText(xml);
                    hasValue = true;
                } else {
                    formula = formula || xml.name() == QLatin1String("f");
                    xml.skipCurrentElement(); // extensions
                }
            }
            if (xml.hasError())
                return false;
            using K = SheetCell::Kind;
            // openpyxl, exceljs and SheetJS write formulas without computing them: without a
            // <v>, or (openpyxl) with an empty one. An empty text result is a result.
            const bool textResult =
                type == QLatin1String("str") || type == QLatin1String("inlineStr");
            const bool uncomputed =
                formula && (!hasValue || (!textResult && value.trimmed().isEmpty()));
            if (uncomputed)
                cells_.set(row, col, {K::Refused, uncomputedFormulaText()});
            if (!hasValue || uncomputed)
                continue;
            if (beyond) {
                cells_.set(
                    row, col,
                    {K::Other, type == QLatin1String("s") ? QStringLiteral("s") : value.trimmed()});
                continue;
            }
            if (type == QLatin1String("s")) {
                bool ok = false;
                const qint64 index = value.trimmed().toLongLong(&ok);
                if (!ok || index < 0) {
                    why_ = Text::tr("cell %1 names no shared text").arg(cellName(row, col));
                    return false;
                }
                pending_.append({int(row), int(col), index});
            } else if (type == QLatin1String("str") || type == QLatin1String("inlineStr")) {
                cells_.set(row, col, {K::Text, value});
            } else if (type == QLatin1String("b")) {
                cells_.set(row, col,
                           {K::Other, value.trimmed() == QLatin1String("1") ||
                                              value.trimmed() == QLatin1String("true")
                                          ? QStringLiteral("1")
                                          : QStringLiteral("0")});
            } else if (type == QLatin1String("e")) {
                cells_.set(row, col, {K::Error, {}});
            } else if (type == QLatin1String("d")) {
                QString date = value.trimmed(); // ISO 8601, as .ods keeps dates
                if (date.endsWith(QLatin1String("T00:00:00")))
                    date.chop(9);
                cells_.set(row, col, {K::Other, date});
            } else if (!value.trimmed().isEmpty()) {
                bool ok = false;
                const double d = value.trimmed().toDouble(&ok);
                cells_.set(row, col,
                           !ok || !std::isfinite(d) ? SheetCell{K::Error, {}}
                           : shownAs(style) == Shown::Number
                               ? SheetCell{K::Number, numberText(d)}
                               : dateCell(d, from1904_, shownAs(style)));
            }
        }
        return !xml.hasError();
    }

    // How the cell format numbered `style` (the cell's s attribute) shows a number.
    Shown shownAs(QStringView style) const {
        bool ok = false;
        const qint64 xf = style.isEmpty() ? 0 : style.toLongLong(&ok);
        return (ok || style.isEmpty()) && xf >= 0 && xf < xfShown_.size() ? xfShown_[xf]
                                                                          : Shown::Number;
    }

    // The cell formats of the styles part: the number format of each, built in (by its
    // number) or the workbook's own (by its format text); and whether days count from 1904.
    bool readStyles(const QVector<Relationship>& rels) {
        QString part;
        for (const Relationship& r : rels)
            if (r.type == QLatin1String("styles"))
                part = r.part;
        if (part.isEmpty() || !zip_.has(part))
            return true; // every number shown as a number
        auto device = zip_.open(part, &why_);
        if (!device)
            return false;
        QXmlStreamReader xml(device.get());
        QHash<qint64, Shown> own;
        if (nextChild(xml)) {
            while (nextChild(xml)) {
                if (xml.name() == QLatin1String("numFmts")) {
                    while (nextChild(xml)) {
                        const auto a = xml.attributes();
                        if (xml.name() == QLatin1String("numFmt"))
                            own.insert(a.value(QLatin1String("numFmtId")).toLongLong(),
                                       formatText(a.value(QLatin1String("formatCode")).toString()));
                        xml.skipCurrentElement();
                    }
                } else if (xml.name() == QLatin1String("cellXfs")) {
                    while (nextChild(xml)) {
                        if (xml.name() == QLatin1String("xf") && xfShown_.size() < kMaxStyles) {
                            const qint64 id =
                                xml.attributes().value(QLatin1String("numFmtId")).toLongLong();
                            xfShown_.append(
                                own.value(id, builtinFormat(int(std::min<qint64>(
                                                  id, std::numeric_limits<int>::max())))));
                        }
                        xml.skipCurrentElement();
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
        }
        return !xmlFailed(part, xml);
    }

    static QString cellName(qint64 row, qint64 col) {
        return columnLetters(col) + QString::number(row + 1);
    }

    // Looks up the texts the sheet's cells name, reading the shared strings only as far as
    // the highest index wanted.
    bool readSharedStrings(const QVector<Relationship>& rels) {
        if (pending_.isEmpty())
            return true;
        std::map<qint64, QString> wanted;
        for (const PendingText& p : pending_)
            wanted.emplace(p.index, QString());
        const qint64 last = wanted.rbegin()->first;
        QString part;
        for (const Relationship& r : rels)
            if (r.type == QLatin1String("sharedStrings"))
                part = r.part;
        qint64 count = 0;
        if (!part.isEmpty()) {
            auto device = zip_.open(part, &why_);
            if (!device)
                return false;
            QXmlStreamReader xml(device.get());
            if (nextChild(xml)) {
                while (count <= last && nextChild(xml)) {
                    if (xml.name() != QLatin1String("si")) {
                        xml.skipCurrentElement();
                        continue;
                    }
                    const auto it = wanted.find(count++);
                    if (it != wanted.end())
                        it->second = richText(xml);
                    else
                        xml.skipCurrentElement();
                }
            }
            if (count <= last && xmlFailed(part, xml))
                return false;
        }
        for (const PendingText& p : pending_) {
            if (p.index >= count) {
                why_ = Text::tr("cell %1 names shared text %2, but there are only %3")
                           .arg(cellName(p.row, p.col), QString::number(p.index),
                                QString::number(count));
                return false;
            }
            cells_.set(p.row, p.col, {SheetCell::Kind::Text, wanted[p.index]});
        }
        return true;
    }

    static constexpr qint64 kMaxSheetRows = 1048576;
    static constexpr qsizetype kMaxStyles = 65536; // Excel's limit of cell formats
    static constexpr qint64 kMaxSheetCols = 16384;

    ZipPackage zip_;
    SheetCells cells_;
    int maxRows_;
    int cols_;
    QString why_;
    QHash<QString, int> ids_; // "source#rId" -> index into that source's relationships
    QVector<PendingText> pending_;
    QVector<Shown> xfShown_; // how each cell format shows a number
    bool from1904_ = false;
};

} // namespace

ReadOutcome readXlsx(const QString& path, int maxRows, int cols) {
    return XlsxReader(path, maxRows, cols).read();
}

} // namespace tarn
