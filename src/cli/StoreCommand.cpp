// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreCommand.h"
#include "ScaleNotes.h"

#include "Store.h"

#include <QCommandLineParser>
#include <QDir>

namespace tarn::cli {

QString StoreCommand::summary() const {
    return tr("Copy the store of what the scales hold to a new file, consistently.");
}

std::optional<UsageError> StoreCommand::parse(const QStringList& ports, const QStringList& words) {
    if (!ports.isEmpty())
        return UsageError{tr("store takes no --port")};
    QCommandLineParser parser;
    if (auto error = parseWords(parser, words))
        return error;
    const QStringList operands = parser.positionalArguments();
    if (operands.value(0) != QLatin1String("backup") || operands.size() != 2)
        return UsageError{tr("store takes: backup FILE")};
    file_ = operands[1];
    return std::nullopt;
}

int StoreCommand::run(Session& session) {
    {
        Store writable; // brought up to date, with the jobs this PC could not record, first
        deliverUnrecorded(writable);
    }
    // The copy is made through a connection that cannot change what it copies.
    Store store(Store::defaultPath(), Store::Access::ReadOnly);
    if (const auto why = store.backup(file_)) {
        session.console().error(why->startsWith(QLatin1String("ERROR! "))
                                    ? *why
                                    : tr("ERROR! cannot copy the store to %1: %2")
                                          .arg(QDir::toNativeSeparators(file_), *why));
        return kFailed;
    }
    session.console().line(tr("The store is copied to %1").arg(QDir::toNativeSeparators(file_)));
    return kDone;
}

} // namespace tarn::cli
