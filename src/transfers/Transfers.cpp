// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transfers.h"

#include "Handshake.h"
#include "Numbers.h"
#include "RecordCodec.h"
#include "ScaleLink.h"

#include <QCoreApplication>

#include <algorithm>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Transfers)
};

// What the PLU and the ingredient transfers differ in, apart from the record type.
template <class R> struct Side;

template <> struct Side<PluRecord> {
    static QString noFile() { return Text::tr("ERROR! select plu files"); }
    static QString rangeNotValid() { return Text::tr("PLU Range is not valid"); }
    static QString sent(int slot) { return Text::tr("plu#%1 is transfered").arg(slot); }
    static QString received(int number) { return Text::tr("plu#%1 is received").arg(number); }
    // A refusal: the grid row at fault and what is wrong with it.
    static QString rowRefused(int row, const QString& problem) {
        return Text::tr("ERROR! PLU row %1: %2").arg(QString::number(row), problem);
    }
    static QString numberBox() { return Text::tr("ERROR! PLU number must be 1 to 200"); }
    static constexpr bool kEndAfterLast = false; // no "END" after number 200
    static ExchangeDescription download() { return exchanges::pluDownload(); }
    static ExchangeDescription upload() { return exchanges::pluUpload(); }
    static EncodedRecord encode(const PluRecord& r) { return encodePluRecord(r); }

    // Upload: whether the reply marks the scale's end, the reply's values if they fit.
    static QString endText() { return Text::tr("PLU is not exist"); }
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
    static QString noFile() { return Text::tr("ERROR! select ingred files"); }
    static QString rangeNotValid() { return Text::tr("INGRED Range is not valid"); }
    static QString sent(int slot) { return Text::tr("Message#%1 is transfered").arg(slot); }
    static QString received(int number) { return Text::tr("INGRED#%1 is received").arg(number); }
    static QString rowRefused(int row, const QString& problem) {
        return Text::tr("ERROR! INGRED row %1: %2").arg(QString::number(row), problem);
    }
    static QString numberBox() { return Text::tr("ERROR! INGRED number must be 1 to 200"); }
    static constexpr bool kEndAfterLast = true;
    static ExchangeDescription download() { return exchanges::ingredDownload(); }
    static ExchangeDescription upload() { return exchanges::ingredUpload(); }
    static EncodedRecord encode(const IngredRecord& r) { return encodeIngredRecord(r); }

    //: The status line's word when an ingredient upload reached the scale's last message
    static QString endText() { return Text::tr("END"); }
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

// Passes every text on to the caller's sink and keeps it as the transfer's last word.
class Status : public StatusSink {
public:
    explicit Status(TransferSink& sink) : sink_(sink) {}
    void status(const QString& text) override {
        last = text;
        sink_.status(text);
    }
    TransferResult end(TransferOutcome outcome, int records) const {
        TransferResult r;
        r.outcome = outcome;
        r.records = records;
        r.message = last;
        return r;
    }
    TransferResult refused(Refusal why, const QString& text) {
        status(text);
        TransferResult r = end(TransferOutcome::Refused, 0);
        r.refusal = why;
        return r;
    }
    QString last;

private:
    TransferSink& sink_;
};

template <class R> QString refusalText(int slot, const FieldProblem& problem) {
    return Side<R>::rowRefused(slot, problem.text());
}

} // namespace

QString sentRecordName(TableKind kind, int slot) {
    if (kind == TableKind::Plu)
        //: A downloaded PLU record by its slot, as the status line names it
        return Text::tr("plu#%1").arg(slot);
    //: A downloaded ingredient record by its slot, as the status line names it
    return Text::tr("Message#%1").arg(slot);
}

std::optional<int> downloadRowNumber(const QString& text) {
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

std::optional<std::vector<int>> downloadSlots(int count, const DownloadOptions& options) {
    if (options.extent == DownloadExtent::Changed) {
        std::vector<int> chosen;
        for (const int slot : options.changed)
            if (slot >= 1 && slot <= count)
                chosen.push_back(slot);
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        return chosen;
    }
    std::optional<int> first = 1;
    std::optional<int> last = count;
    if (options.extent == DownloadExtent::One) {
        first = last = downloadRowNumber(options.one);
    } else if (options.extent == DownloadExtent::Range) {
        first = downloadRowNumber(options.start);
        last = downloadRowNumber(options.end);
    }
    if (!first || !last || *first > count || *last > count)
        return std::nullopt;
    std::vector<int> chosen;
    for (int i = *first; i <= *last; ++i)
        chosen.push_back(i);
    return chosen;
}

template <class R>
std::optional<std::pair<Refusal, QString>>
downloadRefusal(const TableRecords<R>& table, bool hasFile, const DownloadOptions& options) {
    using S = Side<R>;
    if (!hasFile)
        return std::pair{Refusal::NoFile, S::noFile()};
    // Changed: a record that cannot go on the line is always among its slots; it is refused
    // whichever slots the scale is found to hold.
    DownloadOptions checked = options;
    if (options.extent == DownloadExtent::Changed)
        checked.extent = DownloadExtent::All;
    const auto chosen = downloadSlots(table.count, checked);
    if (!chosen)
        return std::pair{Refusal::Extent, S::rangeNotValid()};
    // Every record of the extent must go on the line as it stands, before the first byte.
    for (const int i : *chosen)
        if (const auto e = S::encode(table.records[size_t(i)]); !e.ok())
            return std::pair{Refusal::Record, refusalText<R>(i, *e.problem)};
    return std::nullopt;
}

template <class R>
std::optional<std::pair<Refusal, QString>> uploadRefusal(const UploadOptions& options) {
    if (options.extent != UploadExtent::One)
        return std::nullopt;
    const auto n = downloadRowNumber(options.number);
    if (!n || *n > kMaxRecords)
        return std::pair{Refusal::NumberBox, Side<R>::numberBox()};
    return std::nullopt;
}

template <class R>
TransferResult download(const TableRecords<R>& table, bool hasFile, ScaleLink& link,
                        const DownloadOptions& options, TransferSink& sink) {
    using S = Side<R>;
    Status status(sink);
    if (const auto refusal = downloadRefusal<R>(table, hasFile, options))
        return status.refused(refusal->first, refusal->second);
    if (!link.isOpen())
        return status.refused(Refusal::PortNotOpen, portNotOpenText());

    const std::vector<int> chosen = *downloadSlots(table.count, options);
    const int total = int(chosen.size());
    if (options.extent == DownloadExtent::Changed && chosen.empty()) {
        status.status(options.nothing);
        TransferResult r = status.end(TransferOutcome::Finished, 0);
        r.nothingToSend = true;
        return r;
    }
    sink.progress(0, total);
    Handshake handshake(link, status, S::download());
    int sent = 0;
    int lastSlot = 0;
    for (const int i : chosen) {
        const R& record = table.records[size_t(i)];
        const EncodedRecord encoded = S::encode(record);
        const quint16 number = quint16(numberOf(record));
        sink.sending(RecordTraits<R>::kind, i, number);
        const auto result = handshake.download(i, number, encoded.bytes, [&] {
            ++sent;
            lastSlot = i;
            sink.acknowledged({RecordTraits<R>::kind, true, i, number, encoded.bytes});
            status.status(S::sent(i));
        });
        if (result.outcome != Handshake::Outcome::Done) {
            TransferResult r = status.end(outcomeOf(result.outcome), sent);
            // A loss the link reported is the last word, though the transfer did not show it.
            if (!result.message.isEmpty())
                r.message = result.message;
            r.failedStep = result.step;
            r.lastRecord = lastSlot;
            r.total = total;
            return r;
        }
        sink.progress(sent, total);
    }
    status.status(QString::fromLatin1(kTheEnd));
    TransferResult r = status.end(TransferOutcome::Finished, sent);
    r.lastRecord = lastSlot;
    r.total = total;
    return r;
}

template <class R>
TransferResult upload(ScaleLink& link, const UploadOptions& options, TransferSink& sink,
                      Received<R>& into) {
    using S = Side<R>;
    Status status(sink);
    if (const auto refusal = uploadRefusal<R>(options))
        return status.refused(refusal->first, refusal->second);
    int first = 1;
    int last = kMaxRecords;
    if (options.extent == UploadExtent::One)
        first = last = *downloadRowNumber(options.number);
    if (!link.isOpen())
        return status.refused(Refusal::PortNotOpen, portNotOpenText());

    into = Received<R>{};
    into.first = first;
    const int total = last - first + 1;
    sink.progress(0, total);
    Handshake handshake(link, status, S::upload());
    TransferResult result;
    result.total = total;
    int received = 0;
    for (int i = first; i <= last; ++i) {
        const auto h = handshake.upload(
            i, quint16(i),
            [i](const QByteArray& reply) {
                return S::endsData(reply, i) ? Handshake::Verdict::EndOfData
                                             : Handshake::Verdict::Accept;
            },
            [&](const QByteArray& reply) {
                into.records[size_t(i)] = S::decode(reply);
                ++into.count;
                ++received;
                result.lastRecord = i;
                sink.acknowledged(
                    {RecordTraits<R>::kind, false, i, numberOf(into.records[size_t(i)]), reply});
                status.status(S::received(i));
            },
            [i](const QByteArray& reply) -> std::optional<QString> {
                if (const auto p = S::problem(reply))
                    return refusalText<R>(i, *p);
                return std::nullopt;
            });
        if (h.outcome == Handshake::Outcome::EndOfData) {
            status.status(S::endText());
            result.outcome = TransferOutcome::EndOfData;
            break;
        }
        if (h.outcome != Handshake::Outcome::Done) {
            result.outcome = outcomeOf(h.outcome);
            result.message = h.message;
            result.failedStep = h.step;
            break;
        }
        sink.progress(i - first + 1, total);
        if (S::kEndAfterLast && i == kMaxRecords) {
            status.status(S::endText());
            break;
        }
    }
    result.records = received;
    if (result.message.isEmpty())
        result.message = status.last;
    return result;
}

template <class R> void showUpload(Table<R>& t, const Received<R>& received) {
    t.count = 0;
    t.grid.setRows(kTableSlots);
    t.grid.setCols(1 + kFieldColumns);
    t.grid.setFormat(QString::fromLatin1(t.side().formatString));
    for (int r = 1; r <= kMaxRecords; ++r) {
        t.grid.setText(r, 0, QString::number(r));
        for (int c = 1; c <= kFieldColumns; ++c)
            t.grid.setText(r, c, QString());
    }
    t.records = received.records;
    t.count = received.count;
    // The records received, chosen `first` on, in the grid from row 1, each with its slot.
    const int last = std::min(received.first + int(t.count) - 1, kMaxRecords);
    for (int j = received.first; j <= last; ++j) {
        const int row = j - received.first + 1;
        showRecord(t.grid, row, t.records[size_t(j)]);
        t.grid.setText(row, 0, QString::number(j));
    }
}

void showUpload(Workspace& ws, const ReceivedTable& received) {
    std::visit(
        [&ws](const auto& r) {
            showUpload(ws.table<typename std::decay_t<decltype(r)>::Record>(), r);
        },
        received);
}

ReceivedTable receivedTable(TableKind kind) {
    if (kind == TableKind::Plu)
        return Received<PluRecord>{};
    return Received<IngredRecord>{};
}

#define TARN_TRANSFERS_FOR(R)                                                                      \
    template std::optional<std::pair<Refusal, QString>> downloadRefusal<R>(                        \
        const TableRecords<R>&, bool, const DownloadOptions&);                                     \
    template std::optional<std::pair<Refusal, QString>> uploadRefusal<R>(const UploadOptions&);    \
    template TransferResult download<R>(const TableRecords<R>&, bool, ScaleLink&,                  \
                                        const DownloadOptions&, TransferSink&);                    \
    template TransferResult upload<R>(ScaleLink&, const UploadOptions&, TransferSink&,             \
                                      Received<R>&);                                               \
    template void showUpload<R>(Table<R>&, const Received<R>&);
TARN_TRANSFERS_FOR(PluRecord)
TARN_TRANSFERS_FOR(IngredRecord)
#undef TARN_TRANSFERS_FOR

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
