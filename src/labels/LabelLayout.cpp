// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelLayout.h"

#include "Settings.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tarn {

namespace {

// The problems of a label sheet. The settings' names and words (layout, page, A4, ...) stay as
// they are in any language.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelLayout)
};

const QSizeF kA4(210, 297);

// The labels centred on the page, with the gaps between them.
LabelLayout centred(QString name, QSizeF page, QSizeF label, int columns, int rows,
                    QSizeF gap = QSizeF(0, 0)) {
    LabelLayout l{std::move(name), page, label, columns, rows, {}, gap};
    l.margin = QPointF((page.width() - columns * label.width() - (columns - 1) * gap.width()) / 2,
                       (page.height() - rows * label.height() - (rows - 1) * gap.height()) / 2);
    return l;
}

QString mm(double v) {
    return QString::number(v, 'f', 1).remove(QRegularExpression(QStringLiteral("\\.0$")));
}

// "70x37", "99.1 x 38.1": a width and a height in mm, each above 0.
std::optional<QSizeF> sizeOf(const QString& text) {
    static const QRegularExpression pair(
        QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*[xX×]\\s*(\\d+(?:\\.\\d+)?)\\s*$"));
    const auto m = pair.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QSizeF size(m.captured(1).toDouble(), m.captured(2).toDouble());
    if (size.width() <= 0 || size.height() <= 0)
        return std::nullopt;
    return size;
}

// "7.2 15.1": two lengths in mm, 0 or more.
std::optional<std::pair<double, double>> twoOf(const QString& text) {
    const QStringList parts =
        text.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return std::nullopt;
    bool okA = false, okB = false;
    const double a = parts[0].toDouble(&okA), b = parts[1].toDouble(&okB);
    if (!okA || !okB || a < 0 || b < 0)
        return std::nullopt;
    return std::pair(a, b);
}

} // namespace

QRectF LabelLayout::labelRect(int index) const {
    const int column = index % columns;
    const int row = (index / columns) % rows;
    return {margin.x() + column * (label.width() + gap.width()),
            margin.y() + row * (label.height() + gap.height()), label.width(), label.height()};
}

std::vector<LabelLayout> labelLayouts() {
    return {
        centred(QStringLiteral("3x8"), kA4, {70, 37}, 3, 8),
        centred(QStringLiteral("2x7"), kA4, {99.1, 38.1}, 2, 7, {2.5, 0}),
        centred(QStringLiteral("4x10"), kA4, {48.5, 25.4}, 4, 10),
        centred(QStringLiteral("roll"), {58, 40}, {58, 40}, 1, 1),
    };
}

QStringList labelLayoutNames() {
    QStringList names;
    for (const LabelLayout& l : labelLayouts())
        names << l.name;
    return names;
}

std::optional<QString> layoutProblem(const LabelLayout& l) {
    if (l.columns < 1 || l.rows < 1)
        return Text::tr("a sheet has at least 1 column and 1 row");
    if (l.label.width() <= 0 || l.label.height() <= 0)
        return Text::tr("a label is wider and higher than 0 mm");
    const double eps = 0.05; // a tenth of a millimetre, rounded
    // Across, then down: the labels and their gaps, then where the margin puts them.
    const struct {
        int count;
        double size, gap, margin, page;
        bool across;
    } sides[] = {{l.columns, l.label.width(), l.gap.width(), l.margin.x(), l.page.width(), true},
                 {l.rows, l.label.height(), l.gap.height(), l.margin.y(), l.page.height(), false}};
    for (const auto& side : sides) {
        const double labels = side.count * side.size + (side.count - 1) * side.gap;
        if (labels > side.page + eps)
            return (side.across ? Text::tr("%n column(s) of %1 mm with gaps of %2 mm need %3 mm, "
                                           "the page is %4 mm wide",
                                           nullptr, side.count)
                                : Text::tr("%n row(s) of %1 mm with gaps of %2 mm need %3 mm, the "
                                           "page is %4 mm high",
                                           nullptr, side.count))
                .arg(mm(side.size), mm(side.gap), mm(labels), mm(side.page));
        if (side.margin < -eps || side.margin + labels > side.page + eps)
            return (side.across ? Text::tr("%n column(s) of %1 mm with gaps of %2 mm from a margin "
                                           "of %3 mm need %4 mm, the page is %5 mm wide",
                                           nullptr, side.count)
                                : Text::tr("%n row(s) of %1 mm with gaps of %2 mm from a margin of "
                                           "%3 mm need %4 mm, the page is %5 mm high",
                                           nullptr, side.count))
                .arg(mm(side.size), mm(side.gap), mm(side.margin), mm(side.margin + labels),
                     mm(side.page));
    }
    return std::nullopt;
}

LayoutResult layoutFromSection(const std::vector<std::pair<QString, QString>>& section) {
    auto valueOf = [&](const char* key) -> std::optional<QString> {
        for (const auto& [k, v] : section)
            if (k.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                return v;
        return std::nullopt;
    };
    auto refused = [](const QString& why) {
        return LayoutResult{std::nullopt, QStringLiteral("[labels] ") + why};
    };
    static const char* const kKeys[] = {"layout", "page",    "label", "columns",
                                        "rows",   "margins", "gaps"};
    for (const auto& [k, v] : section) {
        bool known = false;
        for (const char* key : kKeys)
            known = known || k.compare(QLatin1String(key), Qt::CaseInsensitive) == 0;
        if (!known)
            //: the names in brackets are the settings' names: they stay as they are
            return refused(Text::tr("%1 is not a setting of a label sheet (layout, page, label, "
                                    "columns, rows, margins, gaps)")
                               .arg(k));
    }
    LabelLayout l;
    if (const auto name = valueOf("layout")) {
        for (const LabelLayout& known : labelLayouts())
            if (known.name == name->trimmed().toLower())
                l = known;
        if (l.name.isEmpty())
            //: "layout" is a setting's name; %2 lists the sheets' names
            return refused(Text::tr("layout: %1 is none of %2")
                               .arg(*name, labelLayoutNames().join(QStringLiteral(", "))));
    } else {
        l = labelLayouts().front();
    }
    const bool own = valueOf("page") || valueOf("label") || valueOf("columns") || valueOf("rows");
    if (own)
        l.name = QStringLiteral("settings");
    if (const auto page = valueOf("page")) {
        const QString p = page->trimmed().toLower();
        if (p == QLatin1String("a4"))
            l.page = kA4;
        else if (p == QLatin1String("a5"))
            l.page = {148, 210};
        else if (p == QLatin1String("letter"))
            l.page = {215.9, 279.4};
        else if (const auto size = sizeOf(p))
            l.page = *size;
        else
            //: "page", "A4", "A5" and "Letter" are the settings' words
            return refused(
                Text::tr("page: %1 is not A4, A5, Letter or WIDTHxHEIGHT in mm").arg(*page));
    }
    if (const auto label = valueOf("label")) {
        const auto size = sizeOf(*label);
        if (!size)
            //: "label" is a setting's name
            return refused(Text::tr("label: %1 is not WIDTHxHEIGHT in mm").arg(*label));
        l.label = *size;
    }
    for (auto [key, into] : {std::pair("columns", &l.columns), std::pair("rows", &l.rows)}) {
        if (const auto given = valueOf(key)) {
            bool ok = false;
            *into = given->toInt(&ok);
            if (!ok || *into < 1 || *into > 50)
                //: %1 is a setting's name (columns, rows), %2 its value
                return refused(Text::tr("%1: %2 is not a number from 1 to 50")
                                   .arg(QString::fromLatin1(key), *given));
        }
    }
    if (const auto gaps = valueOf("gaps")) {
        const auto two = twoOf(*gaps);
        if (!two)
            //: "gaps" is a setting's name
            return refused(Text::tr("gaps: %1 is not ACROSS DOWN in mm").arg(*gaps));
        l.gap = QSizeF(two->first, two->second);
    }
    if (const auto margins = valueOf("margins")) {
        const auto two = twoOf(*margins);
        if (!two)
            //: "margins" is a setting's name
            return refused(Text::tr("margins: %1 is not LEFT TOP in mm").arg(*margins));
        l.margin = QPointF(two->first, two->second);
    } else {
        l = centred(l.name, l.page, l.label, l.columns, l.rows, l.gap);
    }
    if (const auto why = layoutProblem(l))
        //: %1 says what does not fit
        return refused(Text::tr("does not fit: %1").arg(*why));
    return {l, {}};
}

LayoutResult layoutNamed(const QString& name, const Settings& settings) {
    if (name == QLatin1String("settings"))
        return layoutFromSection(settings.section(QStringLiteral("labels")));
    for (const LabelLayout& l : labelLayouts())
        if (l.name == name.toLower())
            return {l, {}};
    //: %2 lists the sheets' names; "settings" is a name too, and stays as it is
    return {std::nullopt, Text::tr("%1 is not a label sheet: %2 or settings")
                              .arg(name, labelLayoutNames().join(QStringLiteral(", ")))};
}

} // namespace tarn
