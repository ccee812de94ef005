// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "ScaleMemory.h"

namespace tarn::cli {

// history: the transfers the store remembers, newest first, one line each; with a number, the
// transfers of that record and when each took or gave it.
class History : public Command {
public:
    QString name() const override { return QStringLiteral("history"); }
    QString synopsis() const override {
        return QStringLiteral("[--port PORT] history [--plu N | --ingred N] [--since WHEN] "
                              "[--limit N] [--format F]");
    }
    QString summary() const override;
    QStringList options() const override {
        return {QStringLiteral("port"), QStringLiteral("plu"), QStringLiteral("since"),
                QStringLiteral("limit"), QStringLiteral("format")};
    }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    HistoryFilter filter_;
    QDateTime since_; // invalid: any time
};

// One transfer as a line: "2026-12-07 16:03:53 to 16:04:10 /dev/ttyS0 PLU download ALL:
// 200 records,  THE END " (local time).
QString historyLine(const TransferEntry& entry);

} // namespace tarn::cli
