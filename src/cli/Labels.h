// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "LabelContent.h"
#include "LabelLayout.h"

namespace tarn::cli {

// labels: shelf labels of FILE's PLU records, or its price list (--list), to a PDF file (-o)
// or a printer (--printer); every record, one slot, a range of slots, the labels whose printed
// content changed since they were last printed from FILE in this shop (--changed), or the
// records a Changed download would send to the scale on --port now (--port P --changed).
class Labels : public TableCommand {
    Q_DECLARE_TR_FUNCTIONS(Labels)

public:
    QString name() const override { return QStringLiteral("labels"); }
    QString synopsis() const override {
        return QStringLiteral("[--port PORT] labels plu FILE (-o OUT.pdf | --printer NAME) "
                              "[--one N | --range S E | --all | --changed] [--layout L] "
                              "[--skip N] [--list]");
    }
    QString summary() const override;
    QStringList options() const override {
        return {QStringLiteral("port"),    QStringLiteral("one"),     QStringLiteral("range"),
                QStringLiteral("all"),     QStringLiteral("changed"), QStringLiteral("output"),
                QStringLiteral("printer"), QStringLiteral("layout"),  QStringLiteral("skip"),
                QStringLiteral("list")};
    }
    std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) override;
    int run(Session& session) override;

private:
    enum class Which { All, One, Range, Changed };
    Which which_ = Which::All;
    int first_ = 0;
    int last_ = 0;
    QString port_;
    QString output_;
    QString printer_;
    LabelLayout layout_;
    LabelStyle style_;
    QString shop_;
    int skip_ = 0;
    bool list_ = false;
};

} // namespace tarn::cli
