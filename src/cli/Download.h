// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "Transfers.h"

namespace tarn::cli {

// download: the window's open of FILE, then its " PLU Download" / "INGRED Download" to every
// port at once.
class Download : public TableCommand {
    Q_DECLARE_TR_FUNCTIONS(Download)

public:
    QString name() const override { return QStringLiteral("download"); }
    QString synopsis() const override {
        return QStringLiteral(
            "[--port PORT]... download plu|ingred FILE [--one N | --range S E | --all | "
            "--changed] [--verify] [--format F]");
    }
    QString summary() const override;
    QStringList options() const override {
        return {QStringLiteral("port"),  QStringLiteral("one"),     QStringLiteral("range"),
                QStringLiteral("all"),   QStringLiteral("changed"), QStringLiteral("verify"),
                QStringLiteral("format")};
    }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    DownloadOptions options_;
    bool verify_ = false;
    QStringList ports_;
};

} // namespace tarn::cli
