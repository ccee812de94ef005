#include "Workbook.h"

#include "CompoundFile.h"
#include "WorkbookStream.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryFile>

#include <freexl.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <mutex>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tarn {

namespace {

const QString kNotAWorkbook = QStringLiteral("not a workbook it can read");

enum : quint16 {
    kBof = 0x0809,
    kEof = 0x000A,
    kBoundSheet = 0x0085,
    kBoolErr = 0x0205,
    kFormula = 0x0006,
    kString = 0x0207, // the text result of the formula before it
    kSst = 0x00FC,    // the shared strings, continued in CONTINUE records
    kContinue = 0x003C,
    kLabelSst = 0x00FD, // a text cell: an index into the shared strings
    kLabel = 0x0204,    // a text cell holding its own text
    kFormat = 0x041E,   // a number format's text
    kFont = 0x0031,     // a font, ending in its name
};

quint16 le16(QByteArrayView b, qsizetype at) {
    return quint16(quint8(b[at]) | (quint8(b[at + 1]) << 8));
}
quint32 le32(QByteArrayView b, qsizetype at) {
    return quint32(le16(b, at)) | (quint32(le16(b, at + 2)) << 16);
}

// What a walk over the workbook stream finds out before the cell reader is let loose on it:
// that the stream is whole, which sheet is the first worksheet, and where error values sit
// (the cell reader shows those as plain numbers).
struct StreamFacts {
    QString firstSheetName;
    // Cells whose value the cell reader does not give: error values, and the last results of
    // formulas (which it skips, so a column of computed PLU numbers would read as empty).
    QHash<QPair<int, int>, SheetCell> cells;
};

// The workbook stream and the name it goes by ("Workbook", or "Book" in older files).
struct StreamFound {
    QByteArray bytes;
    const char* name = "Workbook";
};

std::optional<StreamFound> findWorkbookStream(const QString& path) {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });

    const QByteArray name = QFile::encodeName(path);
    GsfInput* input = gsf_input_stdio_new(name.constData(), nullptr);
    if (!input)
        return std::nullopt;
    std::optional<StreamFound> stream;
    GsfInfile* ole = gsf_infile_msole_new(input, nullptr);
    if (ole) {
        const char* name = "Workbook";
        GsfInput* child = gsf_infile_child_by_name(ole, name);
        if (!child)
            child = gsf_infile_child_by_name(ole, name = "Book");
        if (child) {
            const gsf_off_t size = gsf_input_size(child);
            if (size > 0 && size < (gsf_off_t(1) << 30)) {
                QByteArray bytes(qsizetype(size), Qt::Uninitialized);
                if (gsf_input_read(child, size_t(size), reinterpret_cast<guint8*>(bytes.data())))
                    stream = StreamFound{std::move(bytes), name};
            }
            g_object_unref(child);
        }
        g_object_unref(ole);
    }
    g_object_unref(input);
    return stream;
}

// Walks records from `at` up to and including the EOF that closes the substream begun by the
// BOF at `at`; calls f(id, dataStart, length) for each. False when the stream ends first.
template <class F> bool walkSubstream(const QByteArray& s, qsizetype at, F&& f) {
    if (at < 0 || at + 4 > s.size() || le16(s, at) != kBof)
        return false;
    int depth = 0;
    while (at + 4 <= s.size()) {
        const quint16 id = le16(s, at);
        const quint16 len = le16(s, at + 2);
        const qsizetype data = at + 4;
        if (data + len > s.size())
            return false;
        if (id == kBof)
            ++depth;
        f(id, data, len);
        if (id == kEof && --depth == 0)
            return true;
        at = data + len;
    }
    return false;
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

// Whether a BIFF8 text of a record fits in that record: its character count (one byte or two)
// at `at`, the option byte, any formatting-run count and phonetic size, then the characters.
// The cell reader copies such a text by the count it claims.
bool textFits(const QByteArray& s, qsizetype at, qsizetype end, bool twoByteCount) {
    const qsizetype countBytes = twoByteCount ? 2 : 1;
    if (at + countBytes + 1 > end)
        return false;
    const quint32 chars = twoByteCount ? le16(s, at) : quint8(s[at]);
    const quint8 flags = quint8(s[at + countBytes]);
    qsizetype next = at + countBytes + 1;
    qsizetype after = 0;
    if (flags & 0x08) {
        if (next + 2 > end)
            return false;
        after += 4 * qsizetype(le16(s, next));
        next += 2;
    }
    if (flags & 0x04) {
        if (next + 4 > end)
            return false;
        after += qsizetype(le32(s, next));
        next += 4;
    }
    return next + qsizetype(chars) * ((flags & 0x01) ? 2 : 1) + after <= end;
}

// The record's text, if it is a record whose text the cell reader copies: where its count
// stands, and whether the count takes two bytes.
std::optional<std::pair<qsizetype, bool>> textOf(quint16 id) {
    switch (id) {
    case kFormat:
        return std::pair<qsizetype, bool>{2, true};
    case kBoundSheet:
        return std::pair<qsizetype, bool>{6, false};
    case kFont:
        return std::pair<qsizetype, bool>{14, false};
    case kLabel:
        return std::pair<qsizetype, bool>{6, true};
    case kString:
        return std::pair<qsizetype, bool>{0, true};
    default:
        return std::nullopt;
    }
}

std::optional<StreamFacts> examine(const QByteArray& s, StreamCheck& check) {
    StreamFacts facts;
    qsizetype firstSheet = -1;
    // BIFF8 names carry an option byte (1 = UTF-16) before the characters; older ones do not.
    const bool biff8 = s.size() >= 6 && le16(s, 4) == 0x0600;
    QList<QByteArrayView> sst; // the SST record's data, then each CONTINUE's after it
    bool inSst = false;
    bool secondSst = false;
    bool textsFit = true;
    const auto checkText = [&](quint16 id, qsizetype at, quint16 len) {
        if (const auto text = textOf(id); text && biff8)
            textsFit = textsFit && textFits(s, at + text->first, at + len, text->second);
    };
    const bool globalsWhole = walkSubstream(s, 0, [&](quint16 id, qsizetype at, quint16 len) {
        checkText(id, at, len);
        const QByteArrayView data(s.constData() + at, len);
        if (id == kSst) {
            secondSst = secondSst || !sst.isEmpty();
            sst = {data};
        } else if (id == kContinue && inSst) {
            sst.append(data);
        }
        inSst = id == kSst || (id == kContinue && inSst);
        if (id != kBoundSheet || len < 7 || firstSheet >= 0)
            return;
        if (quint8(s[at + 5]) != 0) // a chart or macro sheet, not a worksheet
            return;
        firstSheet = qsizetype(le32(s, at));
        const int cch = quint8(s[at + 6]);
        const bool wide = biff8 && len >= 8 && (quint8(s[at + 7]) & 1);
        const qsizetype chars = at + (biff8 ? 8 : 7);
        if (chars + cch * (wide ? 2 : 1) > at + len)
            return;
        for (int i = 0; i < cch; ++i)
            facts.firstSheetName.append(wide ? QChar(le16(s, chars + 2 * i))
                                             : QChar(quint8(s[chars + i])));
    });
    check = StreamCheck::Damaged;
    if (!globalsWhole || firstSheet < 0)
        return std::nullopt;
    // The cell reader copies each shared string by the lengths the string claims.
    std::optional<quint32> strings = 0;
    if (!sst.isEmpty())
        strings = secondSst ? std::nullopt : sharedStringCount(sst);
    bool referencesFit = true;
    using K = SheetCell::Kind;
    QPair<int, int> textFormula{-1, -1};
    const bool sheetWhole =
        walkSubstream(s, firstSheet, [&](quint16 id, qsizetype at, quint16 len) {
            checkText(id, at, len);
            if (id == kLabelSst && (len < 10 || !strings || le32(s, at + 6) >= *strings))
                referencesFit = false;
            if (id == kBoolErr && len >= 8 && quint8(s[at + 7]) == 1)
                facts.cells.insert({le16(s, at), le16(s, at + 2)}, {K::Error, {}});
            if (id == kFormula && len >= 14) {
                const QPair<int, int> cell{le16(s, at), le16(s, at + 2)};
                textFormula = {-1, -1};
                if (le16(s, at + 12) != 0xFFFF) {
                    double d;
                    const QByteArray raw = s.mid(at + 6, 8);
                    std::memcpy(&d, raw.constData(), sizeof d); // little-endian, as the file
                    facts.cells.insert(cell, std::isfinite(d) ? SheetCell{K::Number, numberText(d)}
                                                              : SheetCell{K::Error, {}});
                } else if (quint8(s[at + 6]) == 0) {
                    textFormula = cell; // the text follows in a STRING record
                } else if (quint8(s[at + 6]) == 1) {
                    facts.cells.insert(cell, {K::Other, QString::number(quint8(s[at + 8]))});
                } else if (quint8(s[at + 6]) == 2) {
                    facts.cells.insert(cell, {K::Error, {}});
                } else {
                    facts.cells.insert(cell, {K::Empty, {}});
                }
            }
            if (id == kString && textFormula.first >= 0 && len >= 3 && biff8) {
                const int cch = le16(s, at);
                const bool wide = quint8(s[at + 2]) & 1;
                const int fits = std::min(cch, (len - 3) / (wide ? 2 : 1));
                QString text;
                for (int i = 0; i < fits; ++i)
                    text.append(wide ? QChar(le16(s, at + 3 + 2 * i))
                                     : QChar(quint8(s[at + 3 + i])));
                facts.cells.insert(textFormula, {K::Text, text});
                textFormula = {-1, -1};
            }
        });
    if (!sheetWhole || !textsFit)
        return std::nullopt;
    if (!strings || !referencesFit) {
        check = StreamCheck::SharedStrings;
        return std::nullopt;
    }
    check = StreamCheck::Sound;
    return facts;
}

SheetCell cellOf(const FreeXL_CellValue& v) {
    using K = SheetCell::Kind;
    switch (v.type) {
    case FREEXL_CELL_INT:
        return {K::Number, QString::number(v.value.int_value)};
    case FREEXL_CELL_DOUBLE:
        if (!std::isfinite(v.value.double_value))
            return {K::Error, {}};
        return {K::Number, numberText(v.value.double_value)};
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return {K::Text, QString::fromUtf8(v.value.text_value)};
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return {K::Other, QString::fromUtf8(v.value.text_value)};
    default:
        return {K::Empty, {}};
    }
}

struct FreeXlHandle {
    const void* h = nullptr;
    ~FreeXlHandle() {
        if (h)
            freexl_close(h);
    }
};

// The cells, read by FreeXL.
ReadOutcome readCells(const QString& path, const StreamFacts& facts, int maxRows, int cols) {
    ReadOutcome out;
    FreeXlHandle x;
    if (freexl_open(QFile::encodeName(path).constData(), &x.h) != FREEXL_OK) {
        out.error = kNotAWorkbook;
        return out;
    }
    unsigned short index = 0;
    for (unsigned short i = 0; i < 256; ++i) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(x.h, i, &name) != FREEXL_OK)
            break;
        if (name && QString::fromUtf8(name) == facts.firstSheetName) {
            index = i;
            break;
        }
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    const char* name = nullptr;
    if (freexl_select_active_worksheet(x.h, index) != FREEXL_OK ||
        freexl_worksheet_dimensions(x.h, &rows, &columns) != FREEXL_OK ||
        freexl_get_worksheet_name(x.h, index, &name) != FREEXL_OK) {
        out.error = kNotAWorkbook;
        return out;
    }

    ReadSheet sheet;
    sheet.name = name ? QString::fromUtf8(name) : QString();
    const int n = int(std::min<qint64>(maxRows, rows));
    sheet.rows.resize(n);
    for (int r = 0; r < n; ++r) {
        QVector<SheetCell>& row = sheet.rows[r];
        row.resize(cols);
        for (int c = 0; c < cols && c < int(columns); ++c) {
            if (const auto known = facts.cells.constFind({r, c}); known != facts.cells.cend()) {
                row[c] = *known;
                continue;
            }
            FreeXL_CellValue v;
            if (freexl_get_cell_value(x.h, unsigned(r), static_cast<unsigned short>(c), &v) !=
                FREEXL_OK) {
                out.error = kNotAWorkbook;
                return out;
            }
            row[c] = cellOf(v);
        }
    }
    out.sheet = std::move(sheet);
    return out;
}

QByteArray serialize(const ReadOutcome& o) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << bool(o.sheet) << o.error;
    if (o.sheet) {
        out << o.sheet->name << qint32(o.sheet->rows.size());
        for (const auto& row : o.sheet->rows) {
            out << qint32(row.size());
            for (const SheetCell& c : row)
                out << qint32(c.kind) << c.text;
        }
    }
    return bytes;
}

std::optional<ReadOutcome> deserialize(const QByteArray& bytes) {
    QDataStream in(bytes);
    ReadOutcome o;
    bool hasSheet = false;
    in >> hasSheet >> o.error;
    if (hasSheet) {
        ReadSheet sheet;
        qint32 rows = 0;
        in >> sheet.name >> rows;
        for (qint32 r = 0; r < rows && in.status() == QDataStream::Ok; ++r) {
            qint32 cols = 0;
            in >> cols;
            QVector<SheetCell> row;
            for (qint32 c = 0; c < cols && in.status() == QDataStream::Ok; ++c) {
                qint32 kind = 0;
                SheetCell cell;
                in >> kind >> cell.text;
                cell.kind = SheetCell::Kind(kind);
                row.append(cell);
            }
            sheet.rows.append(row);
        }
        o.sheet = std::move(sheet);
    }
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return o;
}

#ifdef Q_OS_UNIX
// FreeXL trusts the lengths inside a workbook; a damaged file can make it read past its
// buffers. So it reads in a child process of its own: whatever happens there, the program and
// its tables stay whole, and a child that dies or hangs means a file it cannot read.
ReadOutcome readCellsApart(const QString& path, const StreamFacts& facts, int maxRows, int cols) {
    ReadOutcome failed;
    failed.error = kNotAWorkbook;
    int fds[2];
    if (pipe(fds) != 0)
        return readCells(path, facts, maxRows, cols);
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return readCells(path, facts, maxRows, cols);
    }
    if (pid == 0) {
        close(fds[0]);
        const QByteArray bytes = serialize(readCells(path, facts, maxRows, cols));
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(fds[1], bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0)
                _exit(1);
            done += n;
        }
        _exit(0);
    }
    close(fds[1]);
    QByteArray bytes;
    constexpr int kPatienceMs = 20000;
    QElapsedTimer waited;
    waited.start();
    bool hung = false;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        const int left = int(kPatienceMs - waited.elapsed());
        if (left <= 0) {
            hung = true;
            break;
        }
        const int ready = poll(&p, 1, left);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            hung = ready == 0;
            break;
        }
        char buf[65536];
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buf, qsizetype(n));
    }
    close(fds[0]);
    if (hung)
        kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (hung || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return failed;
    std::optional<ReadOutcome> out = deserialize(bytes);
    return out ? *out : failed;
}
#endif

} // namespace

std::optional<QByteArray> workbookStreamOf(const QString& path) {
    std::optional<StreamFound> stream = findWorkbookStream(path);
    if (!stream)
        return std::nullopt;
    return std::move(stream->bytes);
}

StreamCheck checkWorkbookStream(const QByteArray& stream) {
    StreamCheck check = StreamCheck::Damaged;
    examine(stream, check);
    return check;
}

std::optional<quint32> sharedStringCount(const QList<QByteArrayView>& pieces) {
    if (pieces.isEmpty() || pieces[0].size() < 8)
        return std::nullopt;
    // Both counts are signed 32-bit numbers in the file; the references are not checked
    // against the cells (many writers count them loosely), the unique strings must all be here.
    const quint32 total = le32(pieces[0], 0);
    const quint32 unique = le32(pieces[0], 4);
    if (total > 0x7FFFFFFF || unique > 0x7FFFFFFF)
        return std::nullopt;
    qsizetype piece = 0;
    qsizetype at = 8;
    const auto used = [&] { return at == pieces[piece].size(); };
    const auto nextPiece = [&] {
        at = 0;
        return ++piece < pieces.size();
    };
    for (quint32 i = 0; i < unique; ++i) {
        // A string may begin a CONTINUE record; its header is never split.
        if (used() && !nextPiece())
            return std::nullopt;
        const QByteArrayView p = pieces[piece];
        if (at + 3 > p.size())
            return std::nullopt;
        quint32 left = le16(p, at);
        const quint8 flags = quint8(p[at + 2]);
        at += 3;
        quint64 after = 0; // formatting runs and phonetic data behind the characters
        if (flags & 0x08) {
            if (at + 2 > p.size())
                return std::nullopt;
            after += 4 * quint64(le16(p, at));
            at += 2;
        }
        if (flags & 0x04) {
            if (at + 4 > p.size())
                return std::nullopt;
            after += le32(p, at);
            at += 4;
        }
        bool wide = flags & 0x01;
        while (left > 0) {
            if (used()) {
                // The characters run on: the next record starts with their option byte.
                if (!nextPiece() || pieces[piece].isEmpty())
                    return std::nullopt;
                wide = quint8(pieces[piece][0]) & 0x01;
                at = 1;
            }
            const qsizetype width = wide ? 2 : 1;
            const qsizetype room = (pieces[piece].size() - at) / width;
            if (room == 0) // half a character before the record ends
                return std::nullopt;
            const qsizetype take = std::min<qsizetype>(left, room);
            at += take * width;
            left -= quint32(take);
        }
        // Runs and phonetic data run on into the next record without an option byte.
        while (after > 0) {
            if (used() && !nextPiece())
                return std::nullopt;
            const qsizetype take =
                qsizetype(std::min<quint64>(after, quint64(pieces[piece].size() - at)));
            at += take;
            after -= quint64(take);
        }
    }
    // Bytes left over would be read as strings the count does not allow for.
    if (!used() || piece != pieces.size() - 1)
        return std::nullopt;
    return unique;
}

ReadOutcome readWorkbook(const QString& path, int maxRows, int cols) {
    ReadOutcome out;
    if (!QFile::exists(path)) {
        out.error = QStringLiteral("cannot open ") + path;
        return out;
    }
    const std::optional<StreamFound> stream = findWorkbookStream(path);
    StreamCheck check = StreamCheck::Damaged;
    const std::optional<StreamFacts> facts = stream ? examine(stream->bytes, check) : std::nullopt;
    if (!facts) {
        out.error = kNotAWorkbook;
        return out;
    }
    // FreeXL reads the compound file around the stream with code of its own, which a damaged
    // file can send past its buffers (or into asking for gigabytes). The stream has come out
    // whole already, so FreeXL is given a new, well-formed compound file around it instead;
    // only when that cannot be written does it read the file as it is.
    QTemporaryFile clean(QDir::temp().filePath(QStringLiteral("tarnlink-XXXXXX.xls")));
    const std::optional<QByteArray> container = compoundFile(stream->bytes, stream->name);
    const bool rebuilt =
        container && clean.open() && clean.write(*container) == container->size() && clean.flush();
    const QString cellsFrom = rebuilt ? clean.fileName() : path;
#ifdef Q_OS_UNIX
    return readCellsApart(cellsFrom, *facts, maxRows, cols);
#else
    return readCells(cellsFrom, *facts, maxRows, cols);
#endif
}

} // namespace tarn
