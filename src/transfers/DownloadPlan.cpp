// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadPlan.h"

#include "Numbers.h"
#include "ScaleText.h"

#include <QCoreApplication>

#include <algorithm>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DownloadPlan)
};

// A record in a few words: "PLU 100 APPLES", "Message 7 SUGAR".
QString recordWords(const PluRecord& r) {
    //: A PLU record in a few words: its number and its first name line
    return Text::tr("PLU %1 %2").arg(QString::number(r.pluNo), r.name1.simplified()).trimmed();
}
QString recordWords(const IngredRecord& r) {
    //: An ingredient record in a few words: its message number and its first line
    return Text::tr("Message %1 %2")
        .arg(QString::number(r.messageNo), r.lines[0].simplified())
        .trimmed();
}

template <class R> std::vector<CutText> cutsOf(const Table<R>& t, const std::vector<int>& chosen) {
    std::vector<CutText> out;
    for (const int i : chosen) {
        if (i < 1 || i > kMaxRecords)
            continue;
        forEachField(t.records[size_t(i)], [&](int col, const auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, QString>) {
                if (const auto kept = cutOnScale(t.kind, col, v))
                    out.push_back({i, columnCaption(t.kind, col), *kept});
            }
        });
    }
    return out;
}

template <class R> QString previewOf(const Table<R>& t, const DownloadOptions& options) {
    if (t.count <= 0)
        return Text::tr("no saved records");
    const bool one = options.extent == DownloadExtent::One;
    const std::optional<int> first = downloadRowNumber(one ? options.one : options.start);
    const std::optional<int> last = one ? first : downloadRowNumber(options.end);
    if (!first || !last)
        return Text::tr("not a row number");
    QString rows;
    if (one)
        //: The row a download's "One" choice selects, as the start of the text beside its box
        rows = Text::tr("row %1").arg(*first);
    else
        //: The rows a download's "Multiple" choice selects
        rows = Text::tr("rows %1 to %2").arg(*first).arg(*last);
    if (*first > t.count || *last > t.count)
        //: %1: "row 5" or "rows 5 to 9"; %2: the number of records in the table
        return Text::tr("%1: past the last record (%2)").arg(rows, QString::number(t.count));
    if (*first > *last)
        //: %1: "rows 5 to 3"; the download sends no record
        return Text::tr("%1: nothing").arg(rows);
    QString words = recordWords(t.records[size_t(*first)]);
    if (*last > *first)
        //: The first and the last record selected: "PLU 12 APPLE to PLU 14 PEAR"
        words = Text::tr("%1 to %2").arg(words, recordWords(t.records[size_t(*last)]));
    //: %1: "row 5" or "rows 5 to 9"; %2: the records they hold in a few words
    return Text::tr("%1: %2").arg(rows, words);
}

} // namespace

std::vector<CutText> cutTexts(const Workspace& ws, TableKind kind, const DownloadOptions& options) {
    const int count = kind == TableKind::Plu ? ws.plu.count : ws.ingred.count;
    const auto chosen = downloadSlots(count, options);
    if (!chosen)
        return {};
    return kind == TableKind::Plu ? cutsOf(ws.plu, *chosen) : cutsOf(ws.ingred, *chosen);
}

QString downloadPreview(const Workspace& ws, TableKind kind, const DownloadOptions& options) {
    return kind == TableKind::Plu ? previewOf(ws.plu, options) : previewOf(ws.ingred, options);
}

} // namespace tarn
