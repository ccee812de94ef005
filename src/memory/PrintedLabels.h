// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace tarn {

// The shelf labels last printed from a table file in a shop, so that a later run prints only
// the labels whose printed content changed. A label is kept as the one text of what it
// prints, under its PLU number, per table file (its full path) and per shop (Settings::shop()).

// The name the store keeps a table file under: its canonical full path.
QString labelFileKey(const QString& path);

// What was last printed from the file in the shop: PLU number -> the label's text.
std::map<int, QString> printedLabels(const Store& store, const QString& file, const QString& shop);
// The labels (PLU number, text) were printed at `at` (UTC); false when the store could not
// keep them (its problem kept for takeProblem()).
bool rememberPrinted(Store& store, const QString& file, const QString& shop,
                     const std::vector<std::pair<int, QString>>& labels,
                     const QDateTime& at = QDateTime::currentDateTimeUtc());

// The positions in `labels` of those whose text differs from what was last printed under
// their number (or that were never printed), in order.
std::vector<size_t> changedLabels(const std::vector<std::pair<int, QString>>& labels,
                                  const std::map<int, QString>& printed);

} // namespace tarn
