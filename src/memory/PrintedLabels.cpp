// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintedLabels.h"

#include <QFileInfo>

#include <chrono>

namespace tarn {

QString labelFileKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

std::map<int, QString> printedLabels(const Store& store, const QString& file, const QString& shop) {
    std::map<int, QString> printed;
    auto q = store.query(QStringLiteral("SELECT number, content FROM printed_labels"
                                        " WHERE tbl_file = ? AND shop = ?"),
                         {labelFileKey(file), shop});
    while (q && q->next())
        printed[q->value(0).toInt()] = q->value(1).toString();
    return printed;
}

bool rememberPrinted(Store& store, const QString& file, const QString& shop,
                     const std::vector<std::pair<int, QString>>& labels, const QDateTime& at) {
    const QString key = labelFileKey(file);
    const qint64 when = at.toMSecsSinceEpoch();
    return store.transaction(
        [&] {
            for (const auto& [number, content] : labels)
                if (!store.query(QStringLiteral(
                                     "INSERT INTO printed_labels"
                                     " (tbl_file, shop, number, content, printed)"
                                     " VALUES (?, ?, ?, ?, ?) ON CONFLICT (tbl_file, shop, number)"
                                     " DO UPDATE SET content = excluded.content,"
                                     " printed = excluded.printed"),
                                 {key, shop, number, content, when}))
                    return false;
            return true;
        },
        std::chrono::milliseconds(2000));
}

std::vector<size_t> changedLabels(const std::vector<std::pair<int, QString>>& labels,
                                  const std::map<int, QString>& printed) {
    std::vector<size_t> changed;
    for (size_t i = 0; i < labels.size(); ++i) {
        const auto found = printed.find(labels[i].first);
        if (found == printed.end() || found->second != labels[i].second)
            changed.push_back(i);
    }
    return changed;
}

} // namespace tarn
