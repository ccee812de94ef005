// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberFormats.h"
#include "SheetParts.h"
#include "Workbook.h"
#include "WorkbookStream.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QHash>
#include <QList>
#include <QTime>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-msole-utils.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(WorkbookReader)
};

using parts::builtinFormat;
using parts::dateCell;
using parts::formatText;
using parts::numberText;
using parts::Shown;

QString notAWorkbookText() {
    return Text::tr("not a workbook it can read");
}

// Record identifiers, the same in BIFF5/7 and BIFF8.
enum : quint16 {
    kBof = 0x0809,
    kEof = 0x000A,
    kFilePass = 0x002F,
    kCodepage = 0x0042,
    kDateMode = 0x0022,
    kFormat = 0x041E,
    kXf = 0x00E0,
    kBoundSheet = 0x0085,
    kSst = 0x00FC,
    kContinue = 0x003C,
    kLabelSst = 0x00FD,
    kLabel = 0x0204,
    kRString = 0x00D6,
    kNumber = 0x0203,
    kRk = 0x027E,
    kMulRk = 0x00BD,
    kBlank = 0x0201,
    kMulBlank = 0x00BE,
    kBoolErr = 0x0205,
    kFormula = 0x0006,
    kString = 0x0207,  // the text result of the formula before it
    kShrFmla = 0x04BC, // these three may stand between a formula and its STRING
    kArray = 0x0221,
    kTable = 0x0236,
};

constexpr int kSheetRowLimit = 65536;

quint16 le16(QByteArrayView b, qsizetype at) {
    return quint16(quint8(b[at]) | (quint8(b[at + 1]) << 8));
}
quint32 le32(QByteArrayView b, qsizetype at) {
    return quint32(le16(b, at)) | (quint32(le16(b, at + 2)) << 16);
}
double f64(QByteArrayView b, qsizetype at) {
    const quint64 bits = quint64(le32(b, at)) | (quint64(le32(b, at + 4)) << 32);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

struct Record {
    quint16 id = 0;
    QByteArrayView data;
    qsizetype next = 0; // where the record after it starts
};

// The record at `at`; nothing when its header or its data runs past the stream.
std::optional<Record> recordAt(const QByteArray& s, qsizetype at) {
    if (at < 0 || at > s.size() - 4)
        return std::nullopt;
    const quint16 len = le16(s, at + 2);
    if (len > s.size() - at - 4)
        return std::nullopt;
    return Record{le16(s, at), QByteArrayView(s.constData() + at + 4, len), at + 4 + len};
}

// The data of a record and of the CONTINUE records right behind it, read front to back. Every
// read is checked: reading past the last piece marks the reader bad and gives zeros.
class Pieces {
public:
    Pieces(const QByteArray& s, Record& r) {
        pieces_.append(r.data);
        while (const auto c = recordAt(s, r.next)) {
            if (c->id != kContinue)
                break;
            pieces_.append(c->data);
            r.next = c->next;
        }
    }
    explicit Pieces(QByteArrayView one) { pieces_.append(one); }

    bool bad() const { return bad_; }
    qsizetype left() const {
        qsizetype n = pieces_[piece_].size() - at_;
        for (qsizetype p = piece_ + 1; p < pieces_.size(); ++p)
            n += pieces_[p].size();
        return n;
    }

    quint8 u8() {
        while (at_ == pieces_[piece_].size()) {
            if (piece_ + 1 == pieces_.size()) {
                bad_ = true;
                return 0;
            }
            ++piece_;
            at_ = 0;
        }
        return quint8(pieces_[piece_][at_++]);
    }
    quint16 u16() { return quint16(u8() | (u8() << 8)); }
    quint32 u32() { return quint32(u16()) | (quint32(u16()) << 16); }

    void skip(quint64 n) {
        while (n > 0 && !bad_) {
            const quint64 here = quint64(pieces_[piece_].size() - at_);
            const quint64 take = std::min(n, here);
            at_ += qsizetype(take);
            n -= take;
            if (n > 0 && !next())
                bad_ = true;
        }
    }

    // Bytes as they stand (BIFF5 texts), across record ends.
    QByteArray bytes(quint32 n) {
        if (qsizetype(n) > left()) {
            bad_ = true;
            return {};
        }
        QByteArray out;
        out.reserve(n);
        for (quint32 i = 0; i < n; ++i)
            out.append(char(u8()));
        return out;
    }

    // `count` BIFF8 characters, one byte or two each. Where a record ends inside them, the
    // next one begins with an option byte of its own saying which.
    QString chars(quint32 count, bool wide) {
        QString out;
        while (count > 0 && !bad_) {
            if (at_ == pieces_[piece_].size()) {
                if (!next() || pieces_[piece_].isEmpty()) {
                    bad_ = true;
                    break;
                }
                wide = quint8(pieces_[piece_][0]) & 0x01;
                at_ = 1;
            }
            const QByteArrayView p = pieces_[piece_];
            const qsizetype room = (p.size() - at_) / (wide ? 2 : 1);
            if (room == 0) { // half a character before the record ends
                bad_ = true;
                break;
            }
            const qsizetype take = std::min<qsizetype>(count, room);
            if (wide) {
                for (qsizetype i = 0; i < take; ++i)
                    out.append(QChar(le16(p, at_ + 2 * i)));
                at_ += 2 * take;
            } else {
                out.append(QLatin1StringView(p.constData() + at_, take));
                at_ += take;
            }
            count -= quint32(take);
        }
        return out;
    }

private:
    bool next() {
        if (piece_ + 1 >= pieces_.size())
            return false;
        ++piece_;
        at_ = 0;
        return true;
    }

    QList<QByteArrayView> pieces_;
    qsizetype piece_ = 0;
    qsizetype at_ = 0;
    bool bad_ = false;
};

// BIFF5's 8-bit texts in the workbook's code page; the converter opens with the first text.
class CodePage {
public:
    explicit CodePage(int codepage) : codepage_(codepage) {}
    ~CodePage() {
        if (conv_ && *conv_ != GIConv(-1))
            g_iconv_close(*conv_);
    }
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    QString text(const QByteArray& bytes) {
        if (bytes.isEmpty())
            return {};
        // Code page 1200 (UTF-16) in a BIFF5 file (Gnumeric writes so): texts beyond ASCII are
        // UTF-16, the others 8-bit; no 8-bit text holds a zero byte.
        if (codepage_ == 1200 && bytes.size() % 2 == 0 && bytes.contains('\0')) {
            QString out;
            for (qsizetype i = 0; i < bytes.size(); i += 2)
                out.append(QChar(le16(bytes, i)));
            return out;
        }
        if (!conv_)
            conv_ = gsf_msole_iconv_open_for_import(codepage_ == 1200 ? 1252 : codepage_);
        if (*conv_ != GIConv(-1)) {
            gsize written = 0;
            gchar* utf8 = g_convert_with_iconv(bytes.constData(), gssize(bytes.size()), *conv_,
                                               nullptr, &written, nullptr);
            if (utf8) {
                QString out = QString::fromUtf8(utf8, qsizetype(written));
                g_free(utf8);
                return out;
            }
        }
        return QString::fromLatin1(bytes); // a byte the code page lacks: taken as Latin-1
    }

private:
    int codepage_;
    std::optional<GIConv> conv_;
};

// A text as BIFF8 keeps it: its option byte, then the counts of any formatting runs and
// phonetic data, the characters, and those runs and data (skipped).
QString biff8Text(Pieces& in, quint32 count) {
    const quint8 flags = in.u8();
    const quint32 runs = (flags & 0x08) ? in.u16() : 0;
    const quint32 phonetic = (flags & 0x04) ? in.u32() : 0;
    QString text = in.chars(count, flags & 0x01);
    in.skip(4 * quint64(runs) + phonetic);
    return text;
}

// What the workbook's globals say about the sheet to read.
struct Globals {
    bool biff8 = true;
    bool from1904 = false;
    int codepage = 1252;
    QVector<QString> strings;   // the shared strings
    QVector<quint16> xfFormats; // the number format of each cell format
    QHash<int, Shown> formats;  // the workbook's own number formats
    QVector<Shown> xfShown;     // how each cell format shows a number
    qsizetype sheetAt = -1;     // the first worksheet's BOF
    QByteArray sheetName;       // BIFF5: in the code page
    QString sheetName8;         // BIFF8
};

enum class Verdict { Read, Malformed, Password };

// The shared strings: both counts, then each string; a string that the count promises but the
// records do not hold is damage.
bool readSharedStrings(Pieces in, QVector<QString>& strings) {
    in.u32(); // references, counted loosely by many writers
    const quint32 unique = in.u32();
    if (in.bad() || unique > in.left() / 3) // three bytes at least each
        return false;
    strings.clear();
    strings.reserve(qsizetype(unique));
    for (quint32 i = 0; i < unique && !in.bad(); ++i) {
        const quint16 count = in.u16();
        strings.append(biff8Text(in, count));
    }
    return !in.bad();
}

Verdict readGlobals(const QByteArray& s, Globals& g) {
    std::optional<Record> r = recordAt(s, 0);
    if (!r || r->id != kBof || r->data.size() < 4 || le16(r->data, 2) != 0x0005)
        return Verdict::Malformed;
    g.biff8 = le16(r->data, 0) != 0x0500;
    for (int depth = 0; r; r = recordAt(s, r->next)) {
        const QByteArrayView d = r->data;
        switch (r->id) {
        case kBof:
            ++depth;
            break;
        case kEof:
            if (--depth == 0) {
                if (g.sheetAt < 0)
                    return Verdict::Malformed;
                for (const quint16 f : g.xfFormats)
                    g.xfShown.append(g.formats.value(f, builtinFormat(f)));
                return Verdict::Read;
            }
            break;
        case kFilePass:
            return Verdict::Password;
        case kCodepage:
            if (d.size() < 2)
                return Verdict::Malformed;
            g.codepage = le16(d, 0);
            break;
        case kDateMode:
            if (d.size() < 2)
                return Verdict::Malformed;
            g.from1904 = le16(d, 0) == 1;
            break;
        case kXf:
            if (d.size() < 4)
                return Verdict::Malformed;
            g.xfFormats.append(le16(d, 2));
            break;
        case kFormat: {
            Pieces in = g.biff8 ? Pieces(s, *r) : Pieces(d);
            const quint16 index = in.u16();
            const QString text =
                g.biff8 ? biff8Text(in, in.u16()) : QString::fromLatin1(in.bytes(in.u8()));
            if (in.bad())
                return Verdict::Malformed;
            g.formats.insert(index, formatText(text));
            break;
        }
        case kBoundSheet: {
            if (d.size() < 7)
                return Verdict::Malformed;
            if (g.sheetAt >= 0 || quint8(d[5]) != 0) // taken already, or no worksheet
                break;
            Pieces in(d.sliced(6));
            const quint8 count = in.u8();
            if (g.biff8)
                g.sheetName8 = in.chars(count, in.u8() & 0x01);
            else
                g.sheetName = in.bytes(count);
            if (in.bad())
                return Verdict::Malformed;
            g.sheetAt = qsizetype(le32(d, 0));
            break;
        }
        case kSst:
            if (!readSharedStrings(Pieces(s, *r), g.strings))
                return Verdict::Malformed;
            break;
        default:
            break;
        }
    }
    return Verdict::Malformed; // the globals never end
}

// The cells of columns A onwards `cols` wide and rows 1 to `rows`, as they are written; the
// last value written to a cell wins.
class Cells {
public:
    Cells(int rows, int cols) : rows_(rows), cols_(cols), cells_(qsizetype(rows) * cols) {}

    void put(int row, int col, SheetCell cell) {
        last_ = std::max(last_, row);
        if (row >= rows_ && col == 0) {
            // Column A past the rows asked for: only whether it holds something.
            if (beyond_.size() <= size_t(row - rows_))
                beyond_.resize(size_t(row - rows_) + 1, false);
            beyond_[size_t(row - rows_)] = !parts::holdsNothing(cell);
        }
        if (row < rows_ && col < cols_)
            cells_[qsizetype(row) * cols_ + col] = parts::checkedCell(std::move(cell));
    }
    ReadSheet sheet(QString name) && {
        ReadSheet out;
        out.name = std::move(name);
        const int n = std::min(rows_, last_ + 1);
        out.rows.resize(n);
        for (int r = 0; r < n; ++r)
            out.rows[r] = cells_.mid(qsizetype(r) * cols_, cols_);
        while (out.rowsBeyond < qint64(beyond_.size()) && beyond_[size_t(out.rowsBeyond)])
            ++out.rowsBeyond;
        return out;
    }

private:
    int rows_;
    int cols_;
    QVector<SheetCell> cells_;
    int last_ = -1;
    std::vector<bool> beyond_; // rows from rows_ on, at most the 65,536 rows of a sheet
};

double rkNumber(quint32 rk) {
    double d;
    if (rk & 0x02) {
        d = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&d, &bits, sizeof d);
    }
    return (rk & 0x01) ? d / 100 : d;
}

class SheetReader {
public:
    SheetReader(const QByteArray& s, const Globals& g, int rows, int cols)
        : s_(s), g_(g), cells_(rows, cols), codepage_(g.codepage) {}

    std::optional<ReadSheet> read() && {
        std::optional<Record> r = recordAt(s_, g_.sheetAt);
        if (!r || r->id != kBof)
            return std::nullopt;
        for (int depth = 0; r; r = recordAt(s_, r->next)) {
            if (r->id == kBof) {
                ++depth;
            } else if (r->id == kEof) {
                if (--depth == 0) {
                    const QString name = g_.biff8 ? g_.sheetName8 : codepage_.text(g_.sheetName);
                    return std::move(cells_).sheet(name);
                }
            } else if (depth == 1 && !cell(*r)) { // not the records of a chart in the sheet
                return std::nullopt;
            }
        }
        return std::nullopt; // the sheet never ends
    }

private:
    using K = SheetCell::Kind;

    // A number in the cell format `xf`: a date format shows it as a date.
    SheetCell number(double d, quint16 xf) const {
        if (!std::isfinite(d))
            return {K::Error, {}};
        const Shown shown = xf < g_.xfShown.size() ? g_.xfShown[xf] : Shown::Number;
        if (shown != Shown::Number)
            return dateCell(d, g_.from1904, shown);
        return {K::Number, numberText(d)};
    }

    QString text(Pieces& in) {
        const quint16 count = in.u16();
        return g_.biff8 ? biff8Text(in, count) : codepage_.text(in.bytes(count));
    }

    // One record of the sheet; false when it is damaged.
    bool cell(Record& r) {
        const QByteArrayView d = r.data;
        if (r.id != kString && r.id != kShrFmla && r.id != kArray && r.id != kTable)
            pending_.reset();
        switch (r.id) {
        case kNumber:
            if (d.size() < 14)
                return false;
            cells_.put(le16(d, 0), le16(d, 2), number(f64(d, 6), le16(d, 4)));
            return true;
        case kRk:
            if (d.size() < 10)
                return false;
            cells_.put(le16(d, 0), le16(d, 2), number(rkNumber(le32(d, 6)), le16(d, 4)));
            return true;
        case kMulRk:
        case kMulBlank: {
            // Row, first column, one entry per column, last column.
            const qsizetype entry = r.id == kMulRk ? 6 : 2;
            if (d.size() < 6)
                return false;
            const int first = le16(d, 2);
            const int last = le16(d, d.size() - 2);
            if (last < first || 6 + (last - first + 1) * entry != d.size())
                return false;
            for (int c = first; c <= last; ++c) {
                const qsizetype at = 4 + (c - first) * entry;
                cells_.put(le16(d, 0), c,
                           r.id == kMulRk ? number(rkNumber(le32(d, at + 2)), le16(d, at))
                                          : SheetCell{});
            }
            return true;
        }
        case kBlank:
            if (d.size() < 6)
                return false;
            cells_.put(le16(d, 0), le16(d, 2), {});
            return true;
        case kBoolErr:
            if (d.size() < 8)
                return false;
            cells_.put(le16(d, 0), le16(d, 2),
                       quint8(d[7]) ? SheetCell{K::Error, {}}
                                    : SheetCell{K::Other, quint8(d[6]) ? QStringLiteral("1")
                                                                       : QStringLiteral("0")});
            return true;
        case kLabelSst: {
            if (d.size() < 10)
                return false;
            const quint32 index = le32(d, 6);
            if (index >= quint32(g_.strings.size()))
                return false;
            cells_.put(le16(d, 0), le16(d, 2), {K::Text, g_.strings[qsizetype(index)]});
            return true;
        }
        case kLabel:
        case kRString: {
            if (d.size() < 6)
                return false;
            Pieces in(s_, r);
            in.skip(6);
            const QString t = text(in);
            if (in.bad())
                return false;
            cells_.put(le16(d, 0), le16(d, 2), {K::Text, t});
            return true;
        }
        case kFormula:
            return formula(d);
        case kString: {
            Pieces in(s_, r);
            const QString t = text(in);
            if (in.bad())
                return false;
            if (pending_)
                cells_.put(pending_->first, pending_->second, {K::Text, t});
            pending_.reset();
            return true;
        }
        default:
            return true;
        }
    }

    // A formula's last result: a number, or (marked by 0xFFFF in its top two bytes) a text in
    // the STRING record that follows, a boolean, an error value or the empty text. (A writer
    // that never computes its formulas may store the empty text, as xlwt does; that cannot be
    // told from a formula that gives "", as many do.)
    bool formula(QByteArrayView d) {
        if (d.size() < 14)
            return false;
        const int row = le16(d, 0);
        const int col = le16(d, 2);
        if (le16(d, 12) != 0xFFFF) {
            cells_.put(row, col, number(f64(d, 6), le16(d, 4)));
            return true;
        }
        switch (quint8(d[6])) {
        case 0:
            // A text that its STRING record brings; a formula without one was never computed.
            cells_.put(row, col, {K::Refused, parts::uncomputedFormulaText()});
            pending_ = {row, col};
            break;
        case 1:
            cells_.put(row, col,
                       {K::Other, quint8(d[8]) ? QStringLiteral("1") : QStringLiteral("0")});
            break;
        case 2:
            cells_.put(row, col, {K::Error, {}});
            break;
        default:
            cells_.put(row, col, {K::Text, QString()});
            break;
        }
        return true;
    }

    const QByteArray& s_;
    const Globals& g_;
    Cells cells_;
    CodePage codepage_;
    std::optional<std::pair<int, int>> pending_; // the formula waiting for its STRING
};

void initGsf() {
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        // A damaged compound file is answered by our own error; libgsf's remarks about it would
        // only clutter the terminal.
        g_log_set_handler(
            "libgsf:msole", GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL),
            [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    });
}

} // namespace

namespace {

// The workbook stream of the compound file `input` holds; takes `input` over.
std::optional<QByteArray> workbookStreamIn(GsfInput* input) {
    if (!input)
        return std::nullopt;
    const gsf_off_t fileSize = gsf_input_size(input);
    std::optional<QByteArray> stream;
    if (GsfInfile* ole = gsf_infile_msole_new(input, nullptr)) {
        // "Workbook" before "Book", in whatever capitals the directory writes them.
        int found = -1;
        for (int i = 0; i < gsf_infile_num_children(ole); ++i) {
            const QString child = QString::fromUtf8(gsf_infile_name_by_index(ole, i));
            if (child.compare(QLatin1String("Workbook"), Qt::CaseInsensitive) == 0)
                found = i;
            else if (found < 0 && child.compare(QLatin1String("Book"), Qt::CaseInsensitive) == 0)
                found = i;
        }
        if (GsfInput* child = found >= 0 ? gsf_infile_child_by_index(ole, found) : nullptr) {
            // A stream cannot be longer than the file that holds it.
            const gsf_off_t size = gsf_input_size(child);
            if (size > 0 && size <= fileSize) {
                QByteArray bytes(qsizetype(size), Qt::Uninitialized);
                if (gsf_input_read(child, size_t(size), reinterpret_cast<guint8*>(bytes.data())))
                    stream = std::move(bytes);
            }
            g_object_unref(child);
        }
        g_object_unref(ole);
    }
    g_object_unref(input);
    return stream;
}

} // namespace

std::optional<QByteArray> workbookStreamOf(const QString& path) {
    initGsf();
    return workbookStreamIn(gsf_input_stdio_new(QFile::encodeName(path).constData(), nullptr));
}

std::optional<QByteArray> workbookStreamOfBytes(const QByteArray& file) {
    initGsf();
    if (file.isEmpty())
        return std::nullopt;
    return workbookStreamIn(gsf_input_memory_new(reinterpret_cast<const guint8*>(file.constData()),
                                                 gsf_off_t(file.size()), FALSE));
}

ReadOutcome readWorkbookStream(const QByteArray& stream, int maxRows, int cols) {
    ReadOutcome out;
    Globals g;
    switch (readGlobals(stream, g)) {
    case Verdict::Password:
        out.error = Text::tr("the workbook is protected by a password");
        return out;
    case Verdict::Malformed:
        out.error = notAWorkbookText();
        return out;
    case Verdict::Read:
        break;
    }
    out.sheet =
        SheetReader(stream, g, std::clamp(maxRows, 0, kSheetRowLimit), std::clamp(cols, 0, 256))
            .read();
    if (!out.sheet)
        out.error = notAWorkbookText();
    return out;
}

ReadOutcome readWorkbook(const QString& path, int maxRows, int cols) {
    if (!QFile::exists(path)) {
        ReadOutcome out;
        out.error = Text::tr("cannot open %1").arg(path);
        return out;
    }
    const std::optional<QByteArray> stream = workbookStreamOf(path);
    if (!stream) {
        ReadOutcome out;
        out.error = notAWorkbookText();
        return out;
    }
    return readWorkbookStream(*stream, maxRows, cols);
}

} // namespace tarn
