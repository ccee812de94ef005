// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "Store.h"

namespace tarn::cli {

// history: the jobs the store remembers, newest first, one line each (the newest 50 unless
// --limit says otherwise; those started --since a moment); with a number, the jobs of that
// record and when each took or gave it.
class History : public Command {
    Q_DECLARE_TR_FUNCTIONS(History)

public:
    QString name() const override { return QStringLiteral("history"); }
    QString synopsis() const override {
        return QStringLiteral("[--port PORT] history [--plu N | --ingred N] [--since DATE] "
                              "[--limit N] [--format F]");
    }
    QString summary() const override;
    QStringList options() const override {
        return {QStringLiteral("port"), QStringLiteral("plu"), QStringLiteral("since"),
                QStringLiteral("limit"), QStringLiteral("format")};
    }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

    // Jobs listed when --limit is not given.
    static constexpr int kShown = 50;

private:
    HistoryFilter filter_;
};

// One job as a line (local time): "2026-12-07 16:03:53 to 16:04:10 ok Com1 (/dev/ttyS0) PLU
// download ALL: 200 record(s), THE END"; the outcome word, the name the port was used under
// and the scale's identity where it differs, a compare's "N differ".
QString historyLine(const TransferEntry& entry);

} // namespace tarn::cli
