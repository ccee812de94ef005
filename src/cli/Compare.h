// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "TableDiff.h"

namespace tarn::cli {

// compare: reads the scale's whole table into a table of its own and sets FILE's beside it,
// one line per record the two hold differently.
class Compare : public TableCommand {
    Q_DECLARE_TR_FUNCTIONS(Compare)

public:
    QString name() const override { return QStringLiteral("compare"); }
    QString synopsis() const override {
        return QStringLiteral("[--port PORT] compare plu|ingred FILE [--format F]");
    }
    QString summary() const override;
    QStringList options() const override {
        return {QStringLiteral("port"), QStringLiteral("format")};
    }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    QString port_;
};

// One line per record: "PLU 12: U/Price PC 1500, scale 1400; Item name1 PC APPLE, scale
// APPEL", "PLU 40: not on the scale", "PLU 41: only on the scale: PEARS, U/Price 349".
QStringList differenceLines(TableKind kind, const std::vector<FieldDifference>& differences);

// The differences as rows for --format: port, table, number, what ("differs", "pc-only" or
// "scale-only"), field, pc, scale, and a scale-only record's name and price (null otherwise);
// one a field, each in its record's text line.
void addDifferenceRows(Rows& rows, const QString& port, TableKind kind,
                       const std::vector<FieldDifference>& differences);
// The fields of those rows.
QStringList differenceFields();

} // namespace tarn::cli
