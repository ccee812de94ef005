// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "TableDiff.h"

namespace tarn::cli {

// The exit status of a compare (and of a download's verify) that found the scale holding
// records differently.
constexpr int kDiffer = 3;

// compare: reads the scale's whole table into a table of its own and sets FILE's beside it,
// one line per record the two hold differently.
class Compare : public TableCommand {
public:
    QString name() const override { return QStringLiteral("compare"); }
    QString synopsis() const override {
        return QStringLiteral("[--port PORT] compare plu|ingred FILE");
    }
    QString summary() const override;
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    QString port_;
};

// One line per record: "PLU 12: U/Price PC 1500, scale 1400; Item name1 PC APPLE, scale
// APPEL", "PLU 40: not on the scale", "PLU 41: only on the scale".
QStringList differenceLines(TableKind kind, const std::vector<FieldDifference>& differences);

} // namespace tarn::cli
