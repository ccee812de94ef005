// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"

namespace tarn::cli {

// store backup FILE: a consistent copy of the store of what the scales hold, the records of
// jobs running meanwhile included, in a new file. (The store's own file alone is not a copy:
// its latest records may still be in the file beside it, "-wal".)
class StoreCommand : public Command {
    Q_DECLARE_TR_FUNCTIONS(StoreCommand)

public:
    QString name() const override { return QStringLiteral("store"); }
    QString synopsis() const override { return QStringLiteral("store backup FILE"); }
    QString summary() const override;
    QStringList options() const override { return {}; }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    QString file_;
};

} // namespace tarn::cli
