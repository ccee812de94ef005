// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreCommand.h"
#include "ScaleNotes.h"

#include "Store.h"

#include <QCommandLineParser>
#include <QDir>

namespace tarn::cli {

QString StoreCommand::summary() const {
    return QStringLiteral("Copy the store of what the scales hold to a new file, consistently.");
}

std::optional<UsageError> StoreCommand::parse(const QStringList& ports, const QStringList& words) {
    if (!ports.isEmpty())
        return UsageError{QStringLiteral("store takes no --port")};
    QCommandLineParser parser;
    if (auto error = parseWords(parser, words))
        return error;
    const QStringList operands = parser.positionalArguments();
    if (operands.value(0) != QLatin1String("backup") || operands.size() != 2)
        return UsageError{QStringLiteral("store takes: backup FILE")};
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
                                    : QStringLiteral("ERROR! cannot copy the store to ") +
                                          QDir::toNativeSeparators(file_) + QStringLiteral(": ") +
                                          *why);
        return kFailed;
    }
    session.console().line(QStringLiteral("The store is copied to ") +
                           QDir::toNativeSeparators(file_));
    return kDone;
}

} // namespace tarn::cli
