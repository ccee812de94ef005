// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace tarn {

class Settings;

// A sheet of labels, in millimetres: the page, the labels' size, how many across and down,
// the margin before the first column and above the first row, and the gaps between labels.
// A label printer's roll is a page the size of one label.
struct LabelLayout {
    QString name;       // "3x8", "2x7", "4x10", "roll", or "settings" for the [labels] section
    QSizeF page{0, 0};  // width x height
    QSizeF label{0, 0}; // width x height
    int columns = 1;
    int rows = 1;
    QPointF margin;   // left, top
    QSizeF gap{0, 0}; // across, down

    int perPage() const { return columns * rows; }
    // Where label `index` (0 the first on a page, across then down) sits on its page.
    QRectF labelRect(int index) const;
    bool operator==(const LabelLayout&) const = default;
};

// The common sheets, by name: "3x8" (A4, 70 x 37 mm), "2x7" (A4, 99.1 x 38.1 mm), "4x10"
// (A4, 48.5 x 25.4 mm), "roll" (one 58 x 40 mm label a page).
std::vector<LabelLayout> labelLayouts();
// The names of those, in that order.
QStringList labelLayoutNames();

// Why the labels do not fit the page ("4 columns of 70 mm and 3 gaps of 0 mm need 280 mm,
// the page is 210 mm wide"); nullopt when they do.
std::optional<QString> layoutProblem(const LabelLayout& layout);

// The layout the settings' [labels] section gives:
//
//   [labels]
//   layout = 2x7            # one of the common sheets, or:
//   page = A4               # A4, A5, Letter or WIDTHxHEIGHT in mm
//   label = 63.5x38.1       # WIDTHxHEIGHT in mm
//   columns = 3
//   rows = 7
//   margins = 7.2 15.1      # left and top, in mm (default: the labels centred on the page)
//   gaps = 2.5 0            # across and down, in mm (default 0 0)
//
// "3x8" when the section is empty. The layout, or the reason it cannot be made ("[labels]
// label: 70 by 37 is not WIDTHxHEIGHT in mm"), a layout that does not fit its page included.
struct LayoutResult {
    std::optional<LabelLayout> layout;
    QString error;
};
LayoutResult layoutFromSection(const std::vector<std::pair<QString, QString>>& section);
// A layout by name ("3x8", ..., or "settings" for the settings' [labels] section), or the
// reason there is none.
LayoutResult layoutNamed(const QString& name, const Settings& settings);

} // namespace tarn
