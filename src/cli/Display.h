// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"

namespace tarn::cli {

// display: the window's "Update" on the Display tab, its three read-outs as three lines.
class Display : public Command {
    Q_DECLARE_TR_FUNCTIONS(Display)

public:
    QString name() const override { return QStringLiteral("display"); }
    QString synopsis() const override { return QStringLiteral("[--port PORT] display"); }
    QString summary() const override;
    QStringList options() const override { return {QStringLiteral("port")}; }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    QString port_;
};

} // namespace tarn::cli
