// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"

namespace tarn::cli {

// merge plu|ingred TABLE IN OUT --map ...: a price list from the till merged into TABLE, the
// result saved to OUT.
class Merge : public Command {
    Q_DECLARE_TR_FUNCTIONS(Merge)

public:
    QString name() const override { return QStringLiteral("merge"); }
    QString synopsis() const override {
        return QStringLiteral("merge plu|ingred TABLE IN OUT --map FIELD=COLUMN,... "
                              "[--price-decimals N]");
    }
    QString summary() const override;
    QStringList options() const override {
        return {QStringLiteral("map"), QStringLiteral("price-decimals")};
    }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    TableKind kind_ = TableKind::Plu;
    QString table_;
    QString in_;
    QString out_;
    QString map_;
    int priceDecimals_ = 2;
};

} // namespace tarn::cli
