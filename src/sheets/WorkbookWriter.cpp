// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetParts.h"
#include "Workbook.h"

#include "CompoundFile.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QHash>

#include <gsf/gsf-infile.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(WorkbookWriter)
};

// BIFF8 record identifiers.
enum : quint16 {
    kBof = 0x0809,
    kEof = 0x000A,
    kCodepage = 0x0042,
    kDateMode = 0x0022,
    kWindow1 = 0x003D,
    kFont = 0x0031,
    kXf = 0x00E0,
    kStyle = 0x0293,
    kBoundSheet = 0x0085,
    kDimensions = 0x0200,
    kColInfo = 0x007D,
    kRow = 0x0208,
    kSst = 0x00FC,
    kContinue = 0x003C,
    kExtSst = 0x00FF,
    kLabelSst = 0x00FD,
    kNumber = 0x0203,
    kWindow2 = 0x023E,
    kSelection = 0x001D,
};

constexpr int kMaxRecordData = 8224;
constexpr quint16 kCellXf = 15; // the first cell XF after the 15 style XFs
constexpr int kMaxRows = 65536;
constexpr int kMaxCols = 256;
constexpr int kMaxSheetName = 31;
constexpr int kDefaultWidth = 2340; // 8.43 characters

class Biff {
public:
    QByteArray bytes;

    void u8(int v) { bytes.append(char(v & 0xFF)); }
    void u16(int v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(quint32 v) {
        u16(int(v & 0xFFFF));
        u16(int(v >> 16));
    }
    void f64(double d) {
        quint64 bits;
        static_assert(sizeof bits == sizeof d);
        std::memcpy(&bits, &d, sizeof d);
        u32(quint32(bits & 0xFFFFFFFFu));
        u32(quint32(bits >> 32));
    }
    // Characters after the option byte: one byte each when every character fits in Latin-1,
    // UTF-16LE otherwise.
    static bool isWide(QStringView s) {
        return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; });
    }
    void chars(QStringView s, bool wide) {
        for (QChar c : s) {
            if (wide)
                u16(c.unicode());
            else
                u8(c.unicode());
        }
    }
    void chars(const QString& s) {
        const bool wide = isWide(s);
        u8(wide ? 1 : 0);
        chars(s, wide);
    }

    // Starts a record and returns the position of its length field, for end().
    qsizetype begin(quint16 id) {
        u16(id);
        const qsizetype at = bytes.size();
        u16(0);
        return at;
    }
    void end(qsizetype at) {
        const qsizetype len = bytes.size() - at - 2;
        Q_ASSERT(len <= kMaxRecordData);
        bytes[at] = char(len & 0xFF);
        bytes[at + 1] = char((len >> 8) & 0xFF);
    }
};

// Every text of the sheet once, in the order the cells use them; cells refer to them by number.
struct SharedStrings {
    QStringList texts;
    QHash<QString, quint32> index;
    quint32 uses = 0;

    explicit SharedStrings(const WriteSheet& s) {
        for (const QStringList& row : s.rows)
            for (const QString& text : row)
                if (!text.isEmpty() && !isWholeNumberText(text))
                    add(text);
    }
    quint32 add(const QString& text) {
        ++uses;
        const auto found = index.constFind(text);
        if (found != index.cend())
            return *found;
        const quint32 i = quint32(texts.size());
        index.insert(text, i);
        texts.append(text);
        return i;
    }
};

// The shared strings, going on in CONTINUE records where one record is full. A text's count and
// option byte stay together with its first character; where its characters go on in the next
// record, that record starts with the option byte again. EXTSST then tells readers where every
// eighth text (or more, to keep within 128 entries) begins.
void sharedStrings(Biff& b, const SharedStrings& s) {
    qsizetype lengthAt = b.begin(kSst);
    qsizetype recordStart = lengthAt - 2;
    b.u32(s.uses);
    b.u32(quint32(s.texts.size()));
    const auto room = [&] { return kMaxRecordData - int(b.bytes.size() - lengthAt - 2); };
    const auto nextRecord = [&] {
        b.end(lengthAt);
        lengthAt = b.begin(kContinue);
        recordStart = lengthAt - 2;
    };
    const int perBucket = std::max(8, int(s.texts.size()) / 128 + 1);
    QList<std::pair<quint32, quint16>> buckets; // where a bucket's first text starts
    for (qsizetype i = 0; i < s.texts.size(); ++i) {
        const QString& text = s.texts[i];
        const bool wide = Biff::isWide(text);
        const int width = wide ? 2 : 1;
        if (room() < 3 + width)
            nextRecord();
        if (i % perBucket == 0)
            buckets.append({quint32(b.bytes.size()), quint16(b.bytes.size() - recordStart)});
        b.u16(int(text.size()));
        b.u8(wide ? 1 : 0);
        for (qsizetype done = 0; done < text.size();) {
            if (room() < width) {
                nextRecord();
                b.u8(wide ? 1 : 0);
            }
            const qsizetype take = std::min<qsizetype>(text.size() - done, room() / width);
            b.chars(QStringView(text).mid(done, take), wide);
            done += take;
        }
    }
    b.end(lengthAt);

    const auto at = b.begin(kExtSst);
    b.u16(perBucket);
    for (const auto& [start, offset] : buckets) {
        b.u32(start);
        b.u16(offset);
        b.u16(0);
    }
    b.end(at);
}

void bof(Biff& b, int type) {
    const auto at = b.begin(kBof);
    b.u16(0x0600); // BIFF8
    b.u16(type);   // 0x0005 workbook globals, 0x0010 worksheet
    b.u16(0x0DBB); // build
    b.u16(0x07CC); // year
    b.u32(0);      // file history
    b.u32(0x0006); // lowest version that can read it
    b.end(at);
}

void eof(Biff& b) {
    b.end(b.begin(kEof));
}

void globals(Biff& b, const QString& sheetName, const SharedStrings& strings,
             qsizetype* boundSheetOffsetAt) {
    bof(b, 0x0005);

    auto at = b.begin(kCodepage);
    b.u16(1200); // strings are UTF-16
    b.end(at);

    at = b.begin(kWindow1);
    b.u16(0);
    b.u16(0);
    b.u16(0x3A5C); // window width and height in twips
    b.u16(0x2328);
    b.u16(0x0038); // horizontal and vertical scroll bars, sheet tabs
    b.u16(0);      // active sheet
    b.u16(0);      // first visible tab
    b.u16(1);      // one selected sheet
    b.u16(0x0258); // tab bar width ratio
    b.end(at);

    // Four fonts (font index 4 does not exist in the format), all Arial 10.
    for (int i = 0; i < 4; ++i) {
        at = b.begin(kFont);
        b.u16(200);    // height in twips
        b.u16(0);      // attributes
        b.u16(0x7FFF); // automatic colour
        b.u16(400);    // normal weight
        b.u16(0);      // no super/subscript
        b.u8(0);       // no underline
        b.u8(0);       // family
        b.u8(0);       // character set
        b.u8(0);
        const QString face = QStringLiteral("Arial");
        b.u8(int(face.size()));
        b.chars(face);
        b.end(at);
    }

    at = b.begin(kDateMode);
    b.u16(0); // 1900 date system
    b.end(at);

    // 15 style XFs (the Normal style and the built-in ones) and one cell XF.
    for (int i = 0; i <= int(kCellXf); ++i) {
        const bool style = i < int(kCellXf);
        at = b.begin(kXf);
        b.u16(0);                        // font
        b.u16(0);                        // number format: General
        b.u16(style ? 0xFFF5 : 0x0001);  // locked; style XF with no parent, or cell XF of style 0
        b.u8(0x20);                      // aligned at the bottom
        b.u8(0);                         // no rotation
        b.u8(0);                         // no indent
        b.u8(style && i > 0 ? 0xF4 : 0); // attributes taken from the parent
        b.u32(0);                        // no borders
        b.u32(0);
        b.u16(0x20C0); // pattern colours: automatic
        b.end(at);
    }

    at = b.begin(kStyle);
    b.u16(0x8000); // built-in style on XF 0
    b.u8(0);       // Normal
    b.u8(0xFF);
    b.end(at);

    at = b.begin(kBoundSheet);
    *boundSheetOffsetAt = b.bytes.size();
    b.u32(0);      // stream position of the sheet's BOF, patched later
    b.u16(0x0000); // visible worksheet
    b.u8(int(sheetName.size()));
    b.chars(sheetName);
    b.end(at);

    sharedStrings(b, strings);
    eof(b);
}

void worksheet(Biff& b, const WriteSheet& s, const SharedStrings& strings, int cols) {
    bof(b, 0x0010);

    const int rows = int(s.rows.size());
    auto at = b.begin(kDimensions);
    b.u32(0);
    b.u32(quint32(rows)); // last used row + 1
    b.u16(0);
    b.u16(cols); // last used column + 1
    b.u16(0);
    b.end(at);

    for (int c = 0; c < int(s.columnWidths.size()); ++c) {
        at = b.begin(kColInfo);
        b.u16(c);
        b.u16(c);
        b.u16(std::clamp(s.columnWidths[c], 0, 255 * 256));
        b.u16(kCellXf);
        b.u16(0x0002); // width set by the user (fitted), not hidden
        b.u16(0);
        b.end(at);
    }

    for (int r = 0; r < rows; ++r) {
        at = b.begin(kRow);
        b.u16(r);
        b.u16(0);
        b.u16(std::max<int>(1, int(s.rows[r].size())));
        b.u16(0x00FF); // default height
        b.u16(0);
        b.u16(0);
        b.u32(0x000F0100); // default flags, XF 15
        b.end(at);
    }

    for (int r = 0; r < rows; ++r) {
        const QStringList& row = s.rows[r];
        for (int c = 0; c < int(row.size()); ++c) {
            const QString& text = row[c];
            if (text.isEmpty())
                continue;
            if (isWholeNumberText(text)) {
                at = b.begin(kNumber);
                b.u16(r);
                b.u16(c);
                b.u16(kCellXf);
                b.f64(text.toDouble());
            } else {
                at = b.begin(kLabelSst);
                b.u16(r);
                b.u16(c);
                b.u16(kCellXf);
                b.u32(strings.index.value(text));
            }
            b.end(at);
        }
    }

    at = b.begin(kWindow2);
    b.u16(0x06B6); // grid lines, headers, zeros, default grid colour, outline, selected, shown
    b.u16(0);      // top row
    b.u16(0);      // left column
    b.u32(0x40);   // grid line colour: default
    b.u16(0);
    b.u16(0);
    b.u32(0);
    b.end(at);

    at = b.begin(kSelection);
    b.u8(3); // the one pane
    b.u16(s.activeRow);
    b.u16(s.activeCol);
    b.u16(0); // first of the selected ranges
    b.u16(1); // one range: the active cell
    b.u16(s.activeRow);
    b.u16(s.activeRow);
    b.u8(s.activeCol);
    b.u8(s.activeCol);
    b.end(at);

    eof(b);
}

QString checkSheet(const WriteSheet& s, int cols) {
    if (s.name.isEmpty() || s.name.size() > kMaxSheetName)
        return Text::tr("sheet name must have 1 to 31 characters");
    if (s.rows.size() > kMaxRows || cols > kMaxCols)
        return Text::tr("too many rows or columns for a workbook");
    if (s.activeRow < 0 || s.activeRow >= kMaxRows || s.activeCol < 0 || s.activeCol >= kMaxCols)
        return Text::tr("active cell outside the sheet");
    return parts::unwritableCell(s);
}

QByteArray workbookStream(const WriteSheet& s, int cols) {
    Biff b;
    const SharedStrings strings(s);
    qsizetype boundSheetAt = 0;
    globals(b, s.name, strings, &boundSheetAt);
    const quint32 sheetStart = quint32(b.bytes.size());
    for (int i = 0; i < 4; ++i)
        b.bytes[boundSheetAt + i] = char((sheetStart >> (8 * i)) & 0xFF);
    worksheet(b, s, strings, cols);
    return b.bytes;
}

} // namespace

std::optional<QByteArray> compoundFile(const QByteArray& stream, const char* streamName) {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });

    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* ole = gsf_outfile_msole_new(memory);
    bool ok = ole != nullptr;
    if (ok) {
        GsfOutput* child = gsf_outfile_new_child(ole, streamName, FALSE);
        ok = child != nullptr &&
             gsf_output_write(child, size_t(stream.size()),
                              reinterpret_cast<const guint8*>(stream.constData()));
        if (child) {
            ok = gsf_output_close(child) && ok;
            g_object_unref(child);
        }
        ok = gsf_output_close(GSF_OUTPUT(ole)) && ok;
        g_object_unref(ole);
    }
    // Closing the compound file has closed the memory output too.
    return parts::takeMemoryOutput(memory, ok);
}

bool isWholeNumberText(const QString& text) {
    // Up to 15 digits: every such number is held exactly and shown back as the same digits.
    constexpr int kMaxDigits = 15;
    int i = 0;
    if (text.startsWith(QLatin1Char('-')))
        i = 1;
    const int digits = int(text.size()) - i;
    if (digits < 1 || digits > kMaxDigits)
        return false;
    for (int k = i; k < int(text.size()); ++k)
        if (text[k] < QLatin1Char('0') || text[k] > QLatin1Char('9'))
            return false;
    if (text[i] == QLatin1Char('0'))
        return digits == 1 && i == 0; // "0", but not "-0" or "012"
    return true;
}

QVector<int> fittedWidths(const QVector<QStringList>& rows, int cols) {
    QVector<int> widths(cols, 0);
    for (const QStringList& row : rows)
        for (int c = 0; c < cols && c < int(row.size()); ++c)
            widths[c] = std::max(widths[c], int(row[c].size()));
    for (int& w : widths)
        w = w == 0 ? kDefaultWidth : std::min(255, w + 1) * 256;
    return widths;
}

QString writeWorkbook(const QString& path, const WriteSheet& sheet) {
    int cols = int(sheet.columnWidths.size());
    for (const QStringList& row : sheet.rows)
        cols = std::max(cols, int(row.size()));
    cols = std::max(cols, 1);
    if (QString why = checkSheet(sheet, cols); !why.isEmpty())
        return why;

    const std::optional<QByteArray> file = compoundFile(workbookStream(sheet, cols), "Workbook");
    if (!file)
        return Text::tr("cannot build the workbook");

    return writeWholeFile(path, *file);
}

} // namespace tarn
