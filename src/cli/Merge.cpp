// SPDX-License-Identifier: GPL-3.0-or-later
#include "Merge.h"

#include "PriceList.h"
#include "Settings.h"
#include "SheetFile.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace tarn::cli {

QString Merge::summary() const {
    return tr("Merge a price list IN into TABLE and save the result to OUT.");
}

std::optional<UsageError> Merge::parse(const QStringList& ports, const QStringList& words) {
    if (!ports.isEmpty())
        return UsageError{tr("merge does not use a port")};
    QCommandLineParser parser;
    const QCommandLineOption map(QStringLiteral("map"), QString(), QStringLiteral("MAP"));
    const QCommandLineOption decimals(QStringLiteral("price-decimals"), QString(),
                                      QStringLiteral("N"));
    parser.addOptions({map, decimals});
    QStringList paths;
    if (auto error = parseTableOperands(
            parser, words, {QStringLiteral("TABLE"), QStringLiteral("IN"), QStringLiteral("OUT")},
            kind_, paths))
        return error;
    table_ = paths[0];
    in_ = paths[1];
    out_ = paths[2];
    QString why;
    if (!formatOf(kind_, table_, &why) || !formatOf(kind_, out_, &why))
        return UsageError{why};
    if (!hasSheetExtension(in_) &&
        QFileInfo(in_).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) != 0)
        return UsageError{
            tr("%1: a price list is an .XLS, .XLSX, .ODS, .CSV or .TXT spreadsheet").arg(in_)};
    if (!parser.isSet(map))
        //: "PLU No" and "U/Price" are the table's field names, as they are in every language;
        //: "Article" and "Price" are a price list's column headers.
        return UsageError{tr("merge needs --map, e.g. --map \"PLU No=Article,U/Price=Price\"")};
    map_ = parser.value(map);
    priceDecimals_ = Settings::load().priceDecimals();
    if (parser.isSet(decimals)) {
        if (kind_ != TableKind::Plu)
            return UsageError{tr("--price-decimals is for the plu table")};
        bool ok = false;
        priceDecimals_ = parser.value(decimals).toInt(&ok);
        if (!ok || priceDecimals_ < 0 || priceDecimals_ > kMaxPriceDecimals)
            return UsageError{tr("--price-decimals is 0 to %1, not %2")
                                  .arg(QString::number(kMaxPriceDecimals), parser.value(decimals))};
    }
    return std::nullopt;
}

int Merge::run(Session& session) {
    Workspace& ws = session.workspace();
    const auto failed = [&ws](const QString& text) {
        showReport(ws, Report().fail(text), nullptr);
        return kFailed;
    };
    if (!loadTable(ws, kind_, table_, &session.console()))
        return kFailed;
    const ReadOutcome read = readPriceList(in_);
    if (!read.sheet)
        return failed(read.error);
    const MapParse map = parseColumnMap(kind_, map_, *read.sheet);
    if (!map.error.isEmpty())
        return failed(QStringLiteral("ERROR! --map: ") + map.error);
    TextGrid& grid = kind_ == TableKind::Plu ? ws.plu.grid : ws.ingred.grid;
    const MergePlan plan = planMerge(grid, kind_, *read.sheet, map.map, priceDecimals_);
    if (!plan.ok())
        return failed(plan.error);
    applyMerge(grid, plan);
    showReport(ws, Report::saying(plan.summary(kind_)), nullptr);
    return saveTable(ws, kind_, out_, session.today()) ? kDone : kFailed;
}

} // namespace tarn::cli
