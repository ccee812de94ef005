// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "Rows.h"
#include "Store.h"

namespace tarn::cli {

// scales: every scale the store knows, from the store alone (no line is used): its identity,
// the names it was used under, the PC and user of its last job, that job and its outcome, and
// when it last confirmed the store's word.
class Scales : public Command {
    Q_DECLARE_TR_FUNCTIONS(Scales)

public:
    QString name() const override { return QStringLiteral("scales"); }
    QStringList options() const override { return {QStringLiteral("format")}; }
    QString synopsis() const override { return QStringLiteral("scales [--format F]"); }
    QString summary() const override;
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
};

// status: for each scale (those given, or every scale the store knows) whether it holds FILE's
// table by the store's word, and how many records a Changed download would send it. Exit 0
// when every one holds it, 3 otherwise.
class Status : public TableCommand {
    Q_DECLARE_TR_FUNCTIONS(Scales)

public:
    QString name() const override { return QStringLiteral("status"); }
    QStringList options() const override {
        return {QStringLiteral("port"), QStringLiteral("format")};
    }
    QString synopsis() const override {
        return QStringLiteral("[--port PORT]... status plu|ingred FILE [--format F]");
    }
    QString summary() const override;
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    QStringList ports_;
};

// The rows of the two commands, apart from their printing.
RowTable scaleRows(const std::vector<KnownScale>& scales);
// One scale's row of status: identity, the name shown, held ("yes", "no", "unconfirmed"),
// records that differ, when last confirmed.
struct ScaleStatus {
    QString scale;
    QString place; // its PC or shop
    QString name;
    bool holds = false;
    bool unconfirmed = false; // the store cannot vouch for it
    QString why;              // ... and why
    int differ = 0;
    int extra = 0; // records it holds that the table does not have
    QDateTime checked;
};
RowTable statusRows(const std::vector<ScaleStatus>& statuses);

} // namespace tarn::cli
