// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"

namespace tarn::cli {

// convert plu|ingred IN OUT: the window's open of IN and save to OUT, table file or workbook.
class Convert : public Command {
    Q_DECLARE_TR_FUNCTIONS(Convert)

public:
    QString name() const override { return QStringLiteral("convert"); }
    QString synopsis() const override { return QStringLiteral("convert plu|ingred IN OUT"); }
    QString summary() const override;
    QStringList options() const override { return {}; }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    TableKind kind_ = TableKind::Plu;
    QString in_;
    QString out_;
};

} // namespace tarn::cli
