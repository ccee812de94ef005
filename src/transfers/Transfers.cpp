#include "Transfers.h"

#include "Handshake.h"
#include "Numbers.h"
#include "RecordCodec.h"
#include "ScaleLink.h"

#include <algorithm>

namespace tarn {

namespace {

// What the PLU and the ingredient transfers differ in, apart from the record type.
template <class R> struct Side;

template <> struct Side<PluRecord> {
    static constexpr const char* kNoFile = "ERROR! select plu files";
    static constexpr const char* kRangeNotValid = "PLU Range is not valid";
    static constexpr const char* kSent = "plu#";     // + i + " is transfered"
    static constexpr const char* kReceived = "plu#"; // + i + " is received"
    static constexpr const char* kRow = "PLU row ";  // in refusals: the grid row at fault
    static constexpr const char* kNumberBox = "ERROR! PLU number must be 1 to 200";
    static constexpr bool kEndAfterLast = false; // no "END" after number 200
    static ExchangeDescription download() { return exchanges::pluDownload(); }
    static ExchangeDescription upload() { return exchanges::pluUpload(); }
    static EncodedRecord encode(const PluRecord& r) { return encodePluRecord(r); }
    static qint16 number(const PluRecord& r) { return r.pluNo; }

    // Upload: whether the reply marks the scale's end, the reply's values if they fit.
    static QString endText() { return QStringLiteral("PLU is not exist"); }
    static bool endsData(const QByteArray& reply, int requested) {
        return decodePluReply(reply).echo != requested;
    }
    static std::optional<FieldProblem> problem(const QByteArray& reply) {
        const PluReply r = decodePluReply(reply);
        if (r.problems.empty())
            return std::nullopt;
        return r.problems.front();
    }
    static PluRecord decode(const QByteArray& reply) { return decodePluReply(reply).record; }
};

template <> struct Side<IngredRecord> {
    static constexpr const char* kNoFile = "ERROR! select ingred files";
    static constexpr const char* kRangeNotValid = "INGRED Range is not valid";
    static constexpr const char* kSent = "Message#";
    static constexpr const char* kReceived = "INGRED#";
    static constexpr const char* kRow = "INGRED row ";
    static constexpr const char* kNumberBox = "ERROR! INGRED number must be 1 to 200";
    static constexpr bool kEndAfterLast = true;
    static ExchangeDescription download() { return exchanges::ingredDownload(); }
    static ExchangeDescription upload() { return exchanges::ingredUpload(); }
    static EncodedRecord encode(const IngredRecord& r) { return encodeIngredRecord(r); }
    static qint16 number(const IngredRecord& r) { return r.messageNo; }

    static QString endText() { return QStringLiteral("END"); }
    // The message number in the first two bytes: 0 or above 200 is the end (the reply may
    // still be coming in, or be only those two bytes).
    static bool endsData(const QByteArray& reply, int) {
        const int m = quint8(reply[0]) << 8 | quint8(reply[1]);
        return m == 0 || m > kMaxRecords;
    }
    static std::optional<FieldProblem> problem(const QByteArray& reply) {
        const IngredReply r = decodeIngredReply(reply);
        if (r.problems.empty())
            return std::nullopt;
        return r.problems.front();
    }
    static IngredRecord decode(const QByteArray& reply) { return decodeIngredReply(reply).record; }
};

const char* const kTheEnd = " THE END ";

// A number box's text as a whole number of a table row, 1 to 200 (16-bit as the boxes are
// read); nullopt for anything else, a fraction included.
std::optional<int> rowNumber(const QString& text) {
    const QString t = text.trimmed();
    const int digitsFrom = t.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (t.size() <= digitsFrom ||
        !std::all_of(t.begin() + digitsFrom, t.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    const NumberResult n = parseNumber(t, IntWidth::Int16);
    if (!n.ok() || n.value < 1)
        return std::nullopt;
    return n.value;
}

TransferOutcome outcomeOf(Handshake::Outcome o) {
    switch (o) {
    case Handshake::Outcome::Done:
        return TransferOutcome::Finished;
    case Handshake::Outcome::EndOfData:
        return TransferOutcome::EndOfData;
    case Handshake::Outcome::Refused:
        return TransferOutcome::Refused;
    case Handshake::Outcome::Abandoned:
        return TransferOutcome::Abandoned;
    case Handshake::Outcome::RestartsExhausted:
        return TransferOutcome::RestartsExhausted;
    case Handshake::Outcome::PortLost:
        return TransferOutcome::PortLost;
    case Handshake::Outcome::Stopped:
        return TransferOutcome::Stopped;
    }
    return TransferOutcome::Abandoned;
}

// Shows a text on the workspace's status line and keeps it as the transfer's last word.
class Status : public StatusSink {
public:
    explicit Status(Workspace& ws) : ws_(ws) {}
    void status(const QString& text) override {
        last = text;
        ws_.status(text);
    }
    TransferResult end(TransferOutcome outcome, int records) const {
        return {outcome, records, last};
    }
    QString last;

private:
    Workspace& ws_;
};

template <class R> QString refusalText(int slot, const FieldProblem& problem) {
    return QStringLiteral("ERROR! ") + QString::fromLatin1(Side<R>::kRow) + QString::number(slot) +
           QStringLiteral(": ") + problem.text();
}

// Grid and model of an upload's table, cleared as the upload starts.
template <class R> void clearForUpload(Workspace& ws) {
    Table<R>& t = ws.table<R>();
    t.count = 0;
    ws.setFilePath(QString::fromLatin1(Workspace::kNoFile));
    t.grid.setRows(kTableSlots);
    t.grid.setCols(1 + kFieldColumns);
    t.grid.setFormat(QString::fromLatin1(t.side().formatString));
    for (int r = 1; r <= kMaxRecords; ++r) {
        t.grid.setText(r, 0, QString::number(r));
        for (int c = 1; c <= kFieldColumns; ++c)
            t.grid.setText(r, c, QString());
        t.records[size_t(r)] = R{};
    }
}

// The records received, slots `first` on, in the grid from row 1, each with its slot number.
template <class R> void showReceived(Workspace& ws, int first) {
    Table<R>& t = ws.table<R>();
    // A table loaded from a file in the middle of the upload can leave a count that reaches
    // past the last slot; the grid shows what there is.
    const int last = std::min(first + int(t.count) - 1, kMaxRecords);
    for (int j = first; j <= last; ++j) {
        const int row = j - first + 1;
        showRecord(t.grid, row, t.records[size_t(j)]);
        t.grid.setText(row, 0, QString::number(j));
    }
}

} // namespace

template <class R>
TransferResult download(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                        const TransferProgress& progress) {
    using S = Side<R>;
    Status status(ws);
    if (!ws.hasFile()) {
        status.status(QString::fromLatin1(S::kNoFile));
        return status.end(TransferOutcome::Refused, 0);
    }
    Table<R>& table = ws.table<R>();
    std::optional<int> first = 1;
    std::optional<int> last = int(table.count);
    if (options.extent == DownloadExtent::One) {
        first = last = rowNumber(options.one);
    } else if (options.extent == DownloadExtent::Range) {
        first = rowNumber(options.start);
        last = rowNumber(options.end);
    }
    if (!first || !last || *first > table.count || *last > table.count) {
        status.status(QString::fromLatin1(S::kRangeNotValid));
        return status.end(TransferOutcome::Refused, 0);
    }
    // Every record of the extent must go on the line as it stands, before the first byte.
    for (int i = *first; i <= *last; ++i) {
        if (const auto e = S::encode(table.records[size_t(i)]); !e.ok()) {
            status.status(refusalText<R>(i, *e.problem));
            return status.end(TransferOutcome::Refused, 0);
        }
    }
    if (!link.isOpen()) {
        status.status(portNotOpenText());
        return status.end(TransferOutcome::Refused, 0);
    }

    const int total = std::max(0, *last - *first + 1);
    if (progress)
        progress(0, total);
    Handshake handshake(link, status, S::download());
    int sent = 0;
    for (int i = *first; i <= *last; ++i) {
        // The slot as it is now: "New" or a file load in the middle of the download changes
        // what the rest of it sends.
        const R& record = table.records[size_t(i)];
        const EncodedRecord encoded = S::encode(record);
        if (!encoded.ok()) {
            status.status(refusalText<R>(i, *encoded.problem));
            return status.end(TransferOutcome::Refused, sent);
        }
        const auto result = handshake.download(i, quint16(S::number(record)), encoded.bytes, [&] {
            ++sent;
            status.status(QString::fromLatin1(S::kSent) + QString::number(i) +
                          QStringLiteral(" is transfered"));
        });
        if (result.outcome != Handshake::Outcome::Done)
            return status.end(outcomeOf(result.outcome), sent);
        if (progress)
            progress(sent, total);
    }
    status.status(QString::fromLatin1(kTheEnd));
    return status.end(TransferOutcome::Finished, sent);
}

template <class R>
TransferResult upload(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                      const TransferProgress& progress) {
    using S = Side<R>;
    Status status(ws);
    int first = 1;
    int last = kMaxRecords;
    if (options.extent == UploadExtent::One) {
        const auto n = rowNumber(options.number);
        if (!n || *n > kMaxRecords) {
            status.status(QString::fromLatin1(S::kNumberBox));
            return status.end(TransferOutcome::Refused, 0);
        }
        first = last = *n;
    }
    if (!link.isOpen()) {
        status.status(portNotOpenText());
        return status.end(TransferOutcome::Refused, 0);
    }

    clearForUpload<R>(ws);
    Table<R>& table = ws.table<R>();
    const int total = last - first + 1;
    if (progress)
        progress(0, total);
    Handshake handshake(link, status, S::upload());
    TransferOutcome outcome = TransferOutcome::Finished;
    int received = 0;
    for (int i = first; i <= last; ++i) {
        const auto result = handshake.upload(
            i, quint16(i),
            [i](const QByteArray& reply) {
                return S::endsData(reply, i) ? Handshake::Verdict::EndOfData
                                             : Handshake::Verdict::Accept;
            },
            [&](const QByteArray& reply) {
                table.records[size_t(i)] = S::decode(reply);
                ++table.count;
                ++received;
                status.status(QString::fromLatin1(S::kReceived) + QString::number(i) +
                              QStringLiteral(" is received"));
            },
            [i](const QByteArray& reply) -> std::optional<QString> {
                if (const auto p = S::problem(reply))
                    return refusalText<R>(i, *p);
                return std::nullopt;
            });
        if (result.outcome == Handshake::Outcome::EndOfData) {
            status.status(S::endText());
            outcome = TransferOutcome::EndOfData;
            break;
        }
        if (result.outcome != Handshake::Outcome::Done) {
            outcome = outcomeOf(result.outcome);
            break;
        }
        if (progress)
            progress(i - first + 1, total);
        if (S::kEndAfterLast && i == kMaxRecords) {
            status.status(S::endText());
            break;
        }
    }
    showReceived<R>(ws, first);
    return status.end(outcome, received);
}

template TransferResult download<PluRecord>(Workspace&, ScaleLink&, const DownloadOptions&,
                                            const TransferProgress&);
template TransferResult download<IngredRecord>(Workspace&, ScaleLink&, const DownloadOptions&,
                                               const TransferProgress&);
template TransferResult upload<PluRecord>(Workspace&, ScaleLink&, const UploadOptions&,
                                          const TransferProgress&);
template TransferResult upload<IngredRecord>(Workspace&, ScaleLink&, const UploadOptions&,
                                             const TransferProgress&);

TransferResult downloadPlu(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                           const TransferProgress& progress) {
    return download<PluRecord>(ws, link, options, progress);
}
TransferResult downloadIngred(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                              const TransferProgress& progress) {
    return download<IngredRecord>(ws, link, options, progress);
}
TransferResult uploadPlu(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                         const TransferProgress& progress) {
    return upload<PluRecord>(ws, link, options, progress);
}
TransferResult uploadIngred(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                            const TransferProgress& progress) {
    return upload<IngredRecord>(ws, link, options, progress);
}

std::optional<DisplayTexts> updateDisplay(ScaleLink& link) {
    const DisplayAnswer answer = readDisplay(link);
    if (!answer.synced)
        return std::nullopt;
    const DisplayReading r = answer.reading.value_or(DisplayReading{});
    // The values are signed 32-bit numbers on the program's side; a first byte of 128 or
    // more shows as a negative number rather than as something the scale cannot mean.
    auto text = [](quint32 v) { return QString::number(qint32(v)); };
    return DisplayTexts{text(r.weight), text(r.unitPrice), text(r.totalPrice),
                        answer.reading.has_value()};
}

} // namespace tarn
