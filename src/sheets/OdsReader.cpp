// SPDX-License-Identifier: GPL-3.0-or-later
// .ods: a zip package whose content.xml holds the tables. Rows and cells may stand for many
// (number-rows-repeated, number-columns-repeated): only those within the area asked for are
// ever looked at, so a row repeated a million times costs no more than one.

#include "SheetFile.h"
#include "SheetParts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace tarn {

using namespace parts;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OdsReader)
};

const QString kContent = QStringLiteral("content.xml");
const QLatin1String kOfficeNs("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QLatin1String kTableNs("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QLatin1String kTextNs("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QLatin1String
    kCalcExtNs("urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");

// Far more than any sheet holds, and far from the end of a 64-bit count when added to one.
constexpr qint64 kMaxRepeat = qint64(1) << 40;

qint64 repeatOf(const QXmlStreamAttributes& a, QLatin1String name) {
    const auto v = a.value(kTableNs, name);
    if (v.isEmpty())
        return 1;
    return saturatedCount(v, kMaxRepeat).value_or(0); // 0: not a count
}

QString tooDeep() {
    return Text::tr("elements nest deeper than %1 levels").arg(kMaxNesting);
}

// The text of a cell's paragraphs, one line each; white space runs count as one space, as in
// any OpenDocument paragraph, and <text:s>, <text:tab> and <text:line-break> stand for spaces,
// a tab and a line break. Notes and annotations are not part of the cell's text.
class CellText {
public:
    explicit CellText(QXmlStreamReader& xml) : xml_(xml) {}

    // Reads up to the end of the current element (the cell). A text longer than a cell holds
    // is kept one character too long, for the cell to be refused.
    QString read() {
        while (nextChild(xml_)) {
            if (isText(u"p") || isText(u"h")) {
                if (paragraphs_++ > 0)
                    add(u'\n');
                collapse_ = true; // white space at a paragraph's start is dropped
                inline_();
            } else {
                xml_.skipCurrentElement(); // annotations, detective marks, forms
            }
        }
        return text_;
    }

private:
    bool isText(const char16_t* name) const {
        return xml_.name() == QStringView(name) && xml_.namespaceUri() == kTextNs;
    }

    void add(QChar c, qint64 n = 1) {
        n = std::min<qint64>(n, kMaxCellChars + 1 - text_.size());
        if (n > 0)
            text_.append(QString(qsizetype(n), c));
    }

    // Characters and inline elements, up to the end of the current element; spans, links and
    // the like within it are entered, and their text counts.
    void inline_() {
        int depth = 0;
        while (!xml_.atEnd() && !xml_.hasError()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::Characters) {
                for (QChar c : xml_.text()) {
                    const bool space = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
                    if (space && collapse_)
                        continue;
                    add(space ? QChar(u' ') : c);
                    collapse_ = space;
                }
            } else if (token == QXmlStreamReader::StartElement) {
                if (isText(u"s")) {
                    const QXmlStreamAttributes a = xml_.attributes();
                    const QStringView c = a.value(kTextNs, QLatin1String("c"));
                    add(u' ', c.isEmpty() ? 1 : saturatedCount(c, kMaxCellChars + 1).value_or(0));
                    xml_.skipCurrentElement();
                    collapse_ = false;
                } else if (isText(u"tab")) {
                    add(u'\t');
                    xml_.skipCurrentElement();
                    collapse_ = false;
                } else if (isText(u"line-break")) {
                    add(u'\n');
                    xml_.skipCurrentElement();
                    collapse_ = false;
                } else if (isText(u"note") || xml_.name() == QLatin1String("annotation")) {
                    xml_.skipCurrentElement();
                } else if (++depth > kMaxNesting) {
                    xml_.raiseError(tooDeep());
                }
            } else if (token == QXmlStreamReader::EndElement && depth-- == 0) {
                return;
            }
        }
    }

    QXmlStreamReader& xml_;
    QString text_;
    int paragraphs_ = 0;
    bool collapse_ = true;
};

class OdsReader {
public:
    OdsReader(const QString& path, int maxRows, int cols)
        : path_(path), cells_(maxRows, cols), maxRows_(maxRows), cols_(cols) {}

    // .ods: content.xml of the package; flat (.fods): the file itself, one XML document that
    // holds what the package's parts would.
    ReadOutcome read(bool flat) {
        std::unique_ptr<QIODevice> device;
        QString part = kContent;
        if (flat) {
            auto file = std::make_unique<QFile>(path_);
            if (!file->open(QIODevice::ReadOnly))
                return {std::nullopt, file->errorString()};
            if (file->size() > kMaxPartBytes)
                return {
                    std::nullopt,
                    Text::tr("the file is larger than %1 MB").arg(kMaxPartBytes / (1024 * 1024))};
            device = std::move(file);
            part = QFileInfo(path_).fileName();
        } else {
            zip_ = std::make_unique<ZipPackage>(path_);
            if (!zip_->isOpen() || !zip_->has(kContent))
                return {std::nullopt, Text::tr("not an .ods spreadsheet")};
            device = zip_->open(kContent, &why_);
            if (!device)
                return {std::nullopt, why_};
        }
        QXmlStreamReader xml(device.get());
        const std::optional<QString> name = findFirstTable(xml);
        if (name && readTable(xml))
            return {cells_.take(*name), {}};
        if (xml.hasError())
            why_ = xmlFailure(part, xml);
        else if (why_.isEmpty())
            why_ = Text::tr("the spreadsheet holds no table");
        return {std::nullopt, why_};
    }

private:
    bool is(const QXmlStreamReader& xml, const char* name) const {
        return xml.name() == QLatin1String(name);
    }

    // Walks down to the first table:table of office:body/office:spreadsheet; its name.
    std::optional<QString> findFirstTable(QXmlStreamReader& xml) {
        if (!nextChild(xml))
            return std::nullopt;
        for (const char* level : {"body", "spreadsheet", "table"}) {
            bool found = false;
            while (!found && nextChild(xml)) {
                found = is(xml, level);
                if (!found)
                    xml.skipCurrentElement();
            }
            if (!found)
                return std::nullopt;
        }
        return xml.attributes().value(kTableNs, QLatin1String("name")).toString();
    }

    // The rows of the table, wherever they stand (in header rows, row groups); past the rows
    // asked for, as long as column A holds something.
    bool readTable(QXmlStreamReader& xml) {
        int depth = 0; // of the groups entered
        while (!cells_.beyondEnded(row_)) {
            if (!nextChild(xml)) {
                if (xml.hasError() || depth-- == 0)
                    break;
            } else if (is(xml, "table-row")) {
                if (!readRow(xml))
                    return false;
            } else if (is(xml, "table-header-rows") || is(xml, "table-row-group") ||
                       is(xml, "table-rows")) {
                if (++depth > kMaxNesting)
                    xml.raiseError(tooDeep());
            } else {
                xml.skipCurrentElement(); // columns, shapes, named ranges
            }
        }
        return !xml.hasError();
    }

    bool readRow(QXmlStreamReader& xml) {
        const qint64 repeat = repeatOf(xml.attributes(), QLatin1String("number-rows-repeated"));
        if (repeat == 0)
            return badCount();
        const int cols = row_ < maxRows_ ? cols_ : 1; // past them only column A counts
        QVector<SheetCell> row(cols);
        bool any = false;
        qint64 col = 0;
        while (nextChild(xml)) {
            if (col >= cols || !(is(xml, "table-cell") || is(xml, "covered-table-cell"))) {
                xml.skipCurrentElement();
                continue;
            }
            const qint64 span =
                repeatOf(xml.attributes(), QLatin1String("number-columns-repeated"));
            if (span == 0)
                return badCount();
            const SheetCell cell = readCell(xml);
            if (xml.hasError())
                return false;
            for (qint64 c = col; c < cols && c < col + span; ++c)
                row[c] = cell;
            any = any || cell.kind != SheetCell::Kind::Empty;
            col += std::min<qint64>(span, cols);
        }
        if (xml.hasError())
            return false;
        for (qint64 r = row_; any && r < maxRows_ && r < row_ + repeat; ++r)
            for (int c = 0; c < cols_; ++c)
                cells_.set(r, c, row[c]);
        const qint64 from = std::max<qint64>(row_, maxRows_);
        if (row_ + repeat > from)
            cells_.noteBeyond(from, row_ + repeat - from, !row.isEmpty() && !holdsNothing(row[0]));
        row_ = std::min(row_ + repeat, kMaxRepeat); // both at most 2^40: no overflow
        return true;
    }

    bool badCount() {
        why_ = Text::tr("a repeat count of row %1 is not a number").arg(row_ + 1);
        return false;
    }

    static SheetCell readCell(QXmlStreamReader& xml) {
        using K = SheetCell::Kind;
        const QXmlStreamAttributes a = xml.attributes();
        const QStringView type = a.value(kOfficeNs, QLatin1String("value-type"));
        const QStringView calcType = a.value(kCalcExtNs, QLatin1String("value-type"));
        const QString shown = CellText(xml).read();
        if (calcType == QLatin1String("error"))
            return {K::Error, {}};
        if (type.isEmpty() && a.hasAttribute(kTableNs, QLatin1String("formula")))
            return {K::Refused, uncomputedFormulaText()};
        if (type == QLatin1String("float") || type == QLatin1String("percentage") ||
            type == QLatin1String("currency")) {
            bool ok = false;
            const double d = a.value(kOfficeNs, QLatin1String("value")).toDouble(&ok);
            return ok && std::isfinite(d) ? SheetCell{K::Number, numberText(d)}
                                          : SheetCell{K::Error, {}};
        }
        if (type == QLatin1String("boolean")) {
            const auto v = a.value(kOfficeNs, QLatin1String("boolean-value"));
            return {K::Other, v == QLatin1String("true") || v == QLatin1String("1")
                                  ? QStringLiteral("1")
                                  : QStringLiteral("0")};
        }
        if (type == QLatin1String("date")) {
            QString d = a.value(kOfficeNs, QLatin1String("date-value")).toString();
            if (d.endsWith(QLatin1String("T00:00:00")))
                d.chop(9);
            return {K::Other, d};
        }
        if (type == QLatin1String("time"))
            return {K::Other, shown};
        if (type == QLatin1String("string") &&
            a.hasAttribute(kOfficeNs, QLatin1String("string-value")))
            return {K::Text, a.value(kOfficeNs, QLatin1String("string-value")).toString()};
        if (type.isEmpty() && shown.isEmpty())
            return {};
        return {K::Text, shown};
    }

    QString path_;
    std::unique_ptr<ZipPackage> zip_; // outlives the part read from it
    SheetCells cells_;
    int maxRows_;
    int cols_;
    qint64 row_ = 0;
    QString why_;
};

} // namespace

ReadOutcome readOds(const QString& path, int maxRows, int cols) {
    return OdsReader(path, maxRows, cols).read(false);
}

ReadOutcome readFods(const QString& path, int maxRows, int cols) {
    return OdsReader(path, maxRows, cols).read(true);
}

} // namespace tarn
