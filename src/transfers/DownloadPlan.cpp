// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadPlan.h"

#include "Numbers.h"
#include "ScaleText.h"

#include <algorithm>

namespace tarn {

namespace {

// A record in a few words: "PLU 100 APPLES", "Message 7 SUGAR".
QString recordWords(const PluRecord& r) {
    return (QStringLiteral("PLU ") + QString::number(r.pluNo) + QLatin1Char(' ') +
            r.name1.simplified())
        .trimmed();
}
QString recordWords(const IngredRecord& r) {
    return (QStringLiteral("Message ") + QString::number(r.messageNo) + QLatin1Char(' ') +
            r.lines[0].simplified())
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
        return QStringLiteral("no saved records");
    const bool one = options.extent == DownloadExtent::One;
    const std::optional<int> first = downloadRowNumber(one ? options.one : options.start);
    const std::optional<int> last = one ? first : downloadRowNumber(options.end);
    if (!first || !last)
        return QStringLiteral("not a row number");
    const QString rows = one ? QStringLiteral("row ") + QString::number(*first)
                             : QStringLiteral("rows %1 to %2").arg(*first).arg(*last);
    if (*first > t.count || *last > t.count)
        return rows + QStringLiteral(": past the last record (%1)").arg(t.count);
    if (*first > *last)
        return rows + QStringLiteral(": nothing");
    QString words = recordWords(t.records[size_t(*first)]);
    if (*last > *first)
        words += QStringLiteral(" to ") + recordWords(t.records[size_t(*last)]);
    return rows + QStringLiteral(": ") + words;
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
