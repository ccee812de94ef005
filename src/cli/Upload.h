// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "Transfers.h"

namespace tarn::cli {

// upload: the window's "PLU Upload" / "INGRED Upload", then its save of the table to FILE.
class Upload : public TableCommand {
    Q_DECLARE_TR_FUNCTIONS(Upload)

public:
    QString name() const override { return QStringLiteral("upload"); }
    QString synopsis() const override {
        return QStringLiteral("[--port PORT] upload plu|ingred FILE [--one N | --all]");
    }
    QString summary() const override;
    QStringList options() const override {
        return {QStringLiteral("port"), QStringLiteral("one"), QStringLiteral("all")};
    }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    UploadOptions options_;
    QString port_;
};

} // namespace tarn::cli
