// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreTypes.h"

#include "Settings.h"

namespace tarn {

namespace {

const char* const kWords[] = {"ok",     "nothing", "differs",   "stopped",
                              "failed", "refused", "unrecorded"};

} // namespace

QString storeKey(const QString& identity) {
    const Settings settings = Settings::load();
    QString place = identity.startsWith(QLatin1String("tcp:")) ? settings.shop() : settings.pc();
    place.replace(QLatin1Char('@'), QLatin1Char('-'));
    return identity + QLatin1Char('@') + place;
}

std::pair<QString, QString> splitStoreKey(const QString& key) {
    const qsizetype at = key.lastIndexOf(QLatin1Char('@'));
    if (at < 0)
        return {key, QString()};
    return {key.left(at), key.mid(at + 1)};
}

QString directionName(TransferDirection d) {
    switch (d) {
    case TransferDirection::Download:
        return QStringLiteral("download");
    case TransferDirection::Upload:
        return QStringLiteral("upload");
    case TransferDirection::Compare:
        return QStringLiteral("compare");
    }
    return {};
}

TransferDirection directionOf(const QString& name) {
    if (name == QLatin1String("upload"))
        return TransferDirection::Upload;
    if (name == QLatin1String("compare"))
        return TransferDirection::Compare;
    return TransferDirection::Download;
}

QString jobEndWord(JobEnd end) {
    return QString::fromLatin1(kWords[int(end)]);
}

std::optional<JobEnd> jobEndOf(const QString& word) {
    for (int i = 0; i < int(std::size(kWords)); ++i)
        if (word == QLatin1String(kWords[i]))
            return JobEnd(i);
    return std::nullopt;
}

} // namespace tarn
