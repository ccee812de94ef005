// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetParts.h"

#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile-zip.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <mutex>

namespace tarn::parts {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SheetParts)
};

void initGsf() {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

// A part of the package, inflated as it is read and never beyond its stated size.
class PartDevice : public QIODevice {
public:
    explicit PartDevice(GsfInput* input) : input_(input) { open(QIODevice::ReadOnly); }
    ~PartDevice() override { g_object_unref(input_); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return (failed_ ? 0 : gsf_input_remaining(input_)) + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxlen) override {
        const qint64 n = std::min<qint64>(maxlen, gsf_input_remaining(input_));
        if (n <= 0)
            return n == 0 ? 0 : -1;
        if (failed_ || !gsf_input_read(input_, size_t(n), reinterpret_cast<guint8*>(data))) {
            failed_ = true; // the compressed data is damaged: nothing more comes
            return -1;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    GsfInput* input_;
    bool failed_ = false;
};

bool isControl(QChar c) {
    return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
}

} // namespace

QString uncomputedFormulaText() {
    return Text::tr(
        "the formula has no stored result - open and save the file in a spreadsheet program");
}

QString dtdRefusedText() {
    return Text::tr("a DTD is not allowed");
}

QString cellTextProblem(QStringView text) {
    if (text.size() > kMaxCellChars)
        return Text::tr("the text is longer than the %1 characters a cell holds")
            .arg(kMaxCellChars);
    const auto bad = std::find_if(text.begin(), text.end(), isControl);
    if (bad != text.end())
        return Text::tr("the text holds the control character U+%1")
            .arg(QString::number(bad->unicode(), 16).toUpper().rightJustified(4, u'0'));
    return {};
}

SheetCell checkedCell(SheetCell cell) {
    if (cell.kind == SheetCell::Kind::Refused || cell.kind == SheetCell::Kind::Empty)
        return cell;
    QString why = cellTextProblem(cell.text);
    if (why.isEmpty())
        return cell;
    return {SheetCell::Kind::Refused, std::move(why)};
}

QString unwritableCell(const WriteSheet& sheet) {
    for (qsizetype r = 0; r < sheet.rows.size(); ++r)
        for (qsizetype c = 0; c < sheet.rows[r].size(); ++c)
            if (const QString why = cellTextProblem(sheet.rows[r][c]); !why.isEmpty())
                //: %1 is the row, %2 the column's letters, %3 why the cell cannot be written
                return Text::tr("row %1, column %2: %3")
                    .arg(QString::number(r + 1), columnLetters(c), why);
    return {};
}

bool holdsNothing(const SheetCell& cell) {
    return cell.text.isEmpty() && cell.kind != SheetCell::Kind::Error;
}

QString columnLetters(qint64 col) {
    QString letters;
    for (qint64 c = col + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(char16_t(u'A' + (c - 1) % 26)));
    return letters;
}

QString cellPlace(int sheetRow, qint64 col) {
    //: the start of an error text; what is wrong with the cell follows
    return Text::tr("ERROR! sheet row %1, column %2: ")
        .arg(QString::number(sheetRow), columnLetters(col));
}

QString cellFault(const SheetCell& cell) {
    if (cell.kind == SheetCell::Kind::Error)
        return Text::tr("the cell holds an error value");
    if (cell.kind == SheetCell::Kind::Refused) // never computed, too long, a control character
        return cell.text;
    return {};
}

QString fileNameOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

std::optional<qint64> saturatedCount(QStringView text, qint64 cap) {
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    qint64 n = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = std::min(cap, n * 10 + (c.unicode() - u'0')); // n <= cap keeps n * 10 in range
    }
    return n;
}

QString numberText(double d) {
    if (d == 0)
        return QStringLiteral("0"); // also -0
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::fixed);
    if (res.ec != std::errc())
        return QString::number(d, 'g', 17);
    return QString::fromLatin1(buf, res.ptr - buf);
}

void SheetCells::set(qint64 row, qint64 col, const SheetCell& cell) {
    if (row >= maxRows_ && col == 0)
        noteBeyond(row, 1, !holdsNothing(cell));
    if (row < 0 || row >= maxRows_ || col < 0 || col >= cols_)
        return;
    while (rows_.size() <= row)
        rows_.append(QVector<SheetCell>(cols_));
    rows_[row][col] = checkedCell(cell);
}

void SheetCells::noteBeyond(qint64 row, qint64 count, bool filled) {
    if (beyondEnded_ || row < maxRows_ || count <= 0)
        return;
    if (row > maxRows_ + beyond_ || !filled) {
        beyondEnded_ = true; // a row in between, or this one, has nothing in column A
        return;
    }
    if (row == maxRows_ + beyond_)
        beyond_ = std::min(kMaxBeyond, beyond_ + count);
}

bool SheetCells::beyondEnded(qint64 row) const {
    return beyondEnded_ || beyond_ >= kMaxBeyond || row > maxRows_ + beyond_;
}

ReadSheet SheetCells::take(const QString& name) {
    ReadSheet sheet;
    sheet.name = name;
    sheet.rows = std::move(rows_);
    sheet.rowsBeyond = beyond_;
    rows_.clear();
    return sheet;
}

ZipPackage::ZipPackage(const QString& path) {
    initGsf();
    GsfInput* file = gsf_input_stdio_new(QFile::encodeName(path).constData(), nullptr);
    if (!file)
        return;
    zip_ = gsf_infile_zip_new(file, nullptr);
    g_object_unref(file);
}

ZipPackage::~ZipPackage() {
    if (zip_)
        g_object_unref(zip_);
}

namespace {

GsfInput* childOf(GsfInfile* zip, const QString& name) {
    if (!zip)
        return nullptr;
    const QList<QByteArray> names = name.toUtf8().split('/');
    std::vector<const char*> chain;
    for (const QByteArray& n : names)
        chain.push_back(n.constData());
    chain.push_back(nullptr);
    return gsf_infile_child_by_aname(zip, chain.data());
}

} // namespace

bool ZipPackage::has(const QString& name) const {
    GsfInput* child = childOf(zip_, name);
    if (child)
        g_object_unref(child);
    return child != nullptr;
}

std::unique_ptr<QIODevice> ZipPackage::open(const QString& name, QString* why) const {
    GsfInput* child = childOf(zip_, name);
    if (!child) {
        *why = Text::tr("the part %1 is missing").arg(name);
        return nullptr;
    }
    if (GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0) {
        g_object_unref(child);
        *why = Text::tr("the part %1 is missing").arg(name);
        return nullptr;
    }
    if (gsf_input_size(child) > kMaxPartBytes) {
        g_object_unref(child);
        *why = Text::tr("the part %1 expands to more than %2 MB")
                   .arg(name, QString::number(kMaxPartBytes / (1024 * 1024)));
        return nullptr;
    }
    return std::make_unique<PartDevice>(child);
}

QString xmlFailure(const QString& part, const QXmlStreamReader& xml) {
    if (xml.error() == QXmlStreamReader::CustomError)
        return Text::tr("the part %1, line %2: %3")
            .arg(part, QString::number(xml.lineNumber()), xml.errorString());
    if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return Text::tr("the part %1 is damaged or cut short").arg(part);
    return Text::tr("the part %1 is not well-formed XML (line %2: %3)")
        .arg(part, QString::number(xml.lineNumber()), xml.errorString());
}

bool nextChild(QXmlStreamReader& xml) {
    // A reader cut short may not count as at its end (more could be added): stop at any error.
    while (!xml.atEnd() && !xml.hasError()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::EndElement:
            return false;
        case QXmlStreamReader::DTD:
            xml.raiseError(dtdRefusedText());
            return false;
        default:
            break;
        }
    }
    return false;
}

std::optional<QByteArray> zipOf(const QVector<ZipEntry>& entries) {
    initGsf();
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* zip = gsf_outfile_zip_new(memory, nullptr);
    bool ok = zip != nullptr;
    for (const ZipEntry& e : entries) {
        if (!ok)
            break;
        // Folders first: "META-INF/manifest.xml" is the file manifest.xml in the folder META-INF.
        const QStringList names = e.name.split(QLatin1Char('/'));
        GsfOutfile* dir = zip;
        g_object_ref(dir);
        for (qsizetype i = 0; ok && i + 1 < names.size(); ++i) {
            GsfOutput* sub = gsf_outfile_new_child(dir, names[i].toUtf8().constData(), TRUE);
            g_object_unref(dir);
            dir = sub ? GSF_OUTFILE(sub) : nullptr;
            ok = dir != nullptr;
        }
        if (!ok)
            break;
        GsfOutput* child = gsf_outfile_new_child_full(
            dir, names.last().toUtf8().constData(), FALSE, "compression-level",
            e.stored ? GSF_ZIP_STORED : GSF_ZIP_DEFLATED, nullptr);
        ok = child && gsf_output_write(child, size_t(e.bytes.size()),
                                       reinterpret_cast<const guint8*>(e.bytes.constData()));
        if (child) {
            ok = gsf_output_close(child) && ok;
            g_object_unref(child);
        }
        if (dir != zip)
            gsf_output_close(GSF_OUTPUT(dir));
        g_object_unref(dir);
    }
    if (zip) {
        ok = gsf_output_close(GSF_OUTPUT(zip)) && ok;
        g_object_unref(zip);
    }
    return takeMemoryOutput(memory, ok);
}

std::optional<QByteArray> takeMemoryOutput(GsfOutput* memory, bool ok) {
    std::optional<QByteArray> result;
    if (ok) {
        const gsf_off_t size = gsf_output_size(memory);
        const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory));
        if (data && size > 0)
            result = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    }
    if (!gsf_output_is_closed(memory))
        gsf_output_close(memory);
    g_object_unref(memory);
    return result;
}

} // namespace tarn::parts
