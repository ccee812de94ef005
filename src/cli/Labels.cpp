// SPDX-License-Identifier: GPL-3.0-or-later
#include "Labels.h"

#include "ChangedPlan.h"
#include "LabelPrint.h"
#include "PortIdentity.h"
#include "PrintedLabels.h"
#include "Settings.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace tarn::cli {

QString Labels::summary() const {
    return tr("Print shelf labels, or the price list, of FILE's PLU records.");
}

std::optional<UsageError> Labels::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    const QCommandLineOption one(QStringLiteral("one"), QString(), QStringLiteral("N"));
    const QCommandLineOption range(QStringLiteral("range"), QString(), QStringLiteral("S E"));
    const QCommandLineOption all(QStringLiteral("all"));
    const QCommandLineOption changed(QStringLiteral("changed"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                    QStringLiteral("OUT"));
    const QCommandLineOption printer(QStringLiteral("printer"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption layout(QStringLiteral("layout"), QString(), QStringLiteral("L"));
    const QCommandLineOption skip(QStringLiteral("skip"), QString(), QStringLiteral("N"));
    const QCommandLineOption list(QStringLiteral("list"));
    parser.addOptions({one, range, all, changed, output, printer, layout, skip, list});
    if (auto error = parseTableAndFile(parser, joinRange(words)))
        return error;
    if (kind_ != TableKind::Plu)
        return UsageError{tr("labels are printed from the plu table")};
    if (moreThanOneExtent(parser))
        return UsageError{tr("labels takes one of --one, --range, --all and --changed")};
    if (parser.isSet(output) == parser.isSet(printer))
        return UsageError{tr("labels needs one of -o OUT.pdf and --printer NAME")};
    output_ = parser.value(output);
    printer_ = parser.value(printer);
    if (parser.isSet(output) &&
        QFileInfo(output_).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        return UsageError{tr("%1: labels are written to a .pdf file").arg(output_)};
    auto number = [](const QString& text) {
        bool ok = false;
        const int n = text.toInt(&ok);
        return ok && n >= 1 && n <= kMaxRecords ? n : 0;
    };
    if (parser.isSet(one)) {
        which_ = Which::One;
        first_ = last_ = number(parser.value(one));
        if (!first_)
            return UsageError{tr("--one is a slot from 1 to %1, not %2")
                                  .arg(QString::number(kMaxRecords), parser.value(one))};
    } else if (parser.isSet(range)) {
        const QStringList startEnd = parser.value(range).split(kRangeJoin);
        if (startEnd.size() != 2)
            return UsageError{QStringLiteral("--range needs 2 values")};
        which_ = Which::Range;
        first_ = number(startEnd[0]);
        last_ = number(startEnd[1]);
        if (!first_ || !last_ || first_ > last_)
            return UsageError{
                tr("--range is two slots S <= E from 1 to %1, not %2")
                    .arg(QString::number(kMaxRecords), startEnd.join(QLatin1Char(' ')))};
    } else if (parser.isSet(changed)) {
        which_ = Which::Changed;
    }
    const QStringList portsGiven = ports + parser.values(QStringLiteral("port"));
    if (!portsGiven.isEmpty()) {
        if (which_ != Which::Changed)
            return UsageError{tr("labels takes --port with --changed: the records a Changed "
                                 "download would send to that scale")};
        if (portsGiven.size() > 1)
            return UsageError{tr("labels --changed asks about one port")};
        if (auto error = checkPorts(portsGiven))
            return error;
        port_ = Settings::load().portOf(portsGiven.first());
    }
    list_ = parser.isSet(list);

    // The shop's settings: a line that cannot be taken would print wrong labels.
    const Settings settings = Settings::load();
    if (!settings.problem().isEmpty())
        return UsageError{settings.problem()};
    const StyleResult style = labelStyleOf(settings);
    if (!style.error.isEmpty())
        return UsageError{Settings::files().last() + QStringLiteral(": ") + style.error};
    style_ = style.style;
    shop_ = settings.shop();
    const QString layoutName = parser.isSet(layout) ? parser.value(layout)
                               : settings.section(QStringLiteral("labels")).empty()
                                   ? QStringLiteral("3x8")
                                   : QStringLiteral("settings");
    const LayoutResult chosen = layoutNamed(layoutName, settings);
    if (!chosen.layout)
        return UsageError{chosen.error};
    layout_ = *chosen.layout;
    if (parser.isSet(skip)) {
        bool ok = false;
        skip_ = parser.value(skip).toInt(&ok);
        if (!ok || skip_ < 0 || skip_ >= layout_.perPage())
            //: %2: the sheet's name ("3x8", "roll", "settings")
            return UsageError{tr("--skip is 0 to %1 on a %2 sheet of %3 labels, not %4")
                                  .arg(QString::number(layout_.perPage() - 1), layout_.name,
                                       QString::number(layout_.perPage()), parser.value(skip))};
    }
    return std::nullopt;
}

int Labels::run(Session& session) {
    Workspace& ws = session.workspace();
    Console& console = session.console();
    if (!loadTable(ws, TableKind::Plu, file_, &console))
        return kFailed;
    const PluTable& table = ws.plu.records;
    const int count = ws.plu.count;
    std::vector<Label> labels;
    QString nothing = tr("No labels to print: the table is empty");
    if (which_ == Which::One || which_ == Which::Range) {
        if (last_ > count) {
            session.refuse(
                tr("ERROR! slot %1 is past the table's %n record(s)", nullptr, count).arg(last_));
            return kFailed;
        }
        std::vector<int> chosen;
        for (int slot = first_; slot <= last_; ++slot)
            chosen.push_back(slot);
        labels = labelsOf(table, chosen, style_);
    } else if (which_ == Which::Changed && port_.isEmpty()) {
        // The labels that print otherwise than they were last printed from this file here.
        Store store;
        const std::map<int, QString> printed = printedLabels(store, file_, shop_);
        if (const QString problem = store.takeProblem(); !problem.isEmpty()) {
            console.remark(problem);
            return kFailed;
        }
        const std::vector<Label> every = labelsOf(table, count, style_);
        for (size_t i : changedLabels(contentsOf(every), printed))
            labels.push_back(every[i]);
        nothing = tr("No labels to print: every label was printed as it stands");
    } else if (which_ == Which::Changed) {
        // The records a Changed download would send to that scale now.
        Store store;
        ChangedFacts facts;
        facts.table = wireRecords(table, count);
        facts.word = storeWord(store, portIdentity(port_), TableKind::Plu);
        if (const QString problem = store.takeProblem(); !problem.isEmpty()) {
            console.remark(problem);
            return kFailed;
        }
        const ChangedStep step = planChanged(facts);
        std::vector<int> chosen = step.toSend;
        if (step.what != ChangedStep::Do::Send) {
            chosen = changedSlots(facts.table, facts.word.heldBytes());
            console.warning(facts.word.doubt
                                ? tr("the scale on %1 was not checked: these are the records "
                                     "the store says it does not hold (%2)")
                                      .arg(port_, *facts.word.doubt)
                                : tr("the scale on %1 was not checked: these are the records "
                                     "the store says it does not hold")
                                      .arg(port_));
        }
        labels = labelsOf(table, chosen, style_);
        nothing = tr("No labels to print: the scale holds every record as it stands");
    } else {
        labels = labelsOf(table, count, style_);
    }
    for (const Label& l : labels)
        if (!l.barcode.warning.isEmpty())
            console.warning(l.barcode.warning);
    if (labels.empty()) {
        console.line(nothing);
        return kDone;
    }

    QString title;
    if (list_)
        //: The title of the PDF file or the printer's job
        title = tr("Price list");
    else
        //: The title of the PDF file or the printer's job
        title = tr("Labels");
    std::function<void(QPagedPaintDevice&)> paint;
    int pages = 0;
    if (list_) {
        const PriceListRun run{shop_, session.today(), labels};
        pages = run.pages();
        paint = [run](QPagedPaintDevice& device) { paintPriceList(device, run); };
    } else {
        const LabelRun run{layout_, labels, skip_};
        pages = run.pages();
        paint = [run](QPagedPaintDevice& device) { paintLabels(device, run); };
    }
    const auto failure =
        printer_.isEmpty() ? writePdf(output_, title, paint) : printOn(printer_, title, paint);
    if (failure) {
        console.error(QStringLiteral("ERROR! ") + *failure);
        return kFailed;
    }
    const int printed = int(labels.size());
    const QString pageCount = QString::number(pages);
    QString done;
    if (list_ && printer_.isEmpty())
        done = tr("Price list: %n record(s) on %1 page(s) written to %2", nullptr, printed)
                   .arg(pageCount, output_);
    else if (list_)
        done = tr("Price list: %n record(s) on %1 page(s) sent to printer %2", nullptr, printed)
                   .arg(pageCount, printer_);
    else if (printer_.isEmpty())
        //: %n labels
        done =
            tr("Labels: %n on %1 page(s) written to %2", nullptr, printed).arg(pageCount, output_);
    else
        //: %n labels
        done = tr("Labels: %n on %1 page(s) sent to printer %2", nullptr, printed)
                   .arg(pageCount, printer_);
    console.line(done);
    if (list_)
        return kDone;
    Store store;
    if (!rememberPrinted(store, file_, shop_, contentsOf(labels))) {
        console.remark(store.takeProblem());
        console.remark(tr("the store could not keep which labels were printed: a later --changed "
                          "prints them again"));
        return kUnrecorded;
    }
    return kDone;
}

} // namespace tarn::cli
