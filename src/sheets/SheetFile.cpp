// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetFile.h"

#include <QFileInfo>

namespace tarn {

namespace {

std::optional<SheetKind> knownKind(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xls"))
        return SheetKind::Xls;
    if (suffix == QLatin1String("xlsx"))
        return SheetKind::Xlsx;
    if (suffix == QLatin1String("ods"))
        return SheetKind::Ods;
    if (suffix == QLatin1String("fods"))
        return SheetKind::Fods;
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt"))
        return SheetKind::Csv;
    return std::nullopt;
}

} // namespace

SheetKind sheetKindOf(const QString& path) {
    return knownKind(path).value_or(SheetKind::Xls);
}

bool hasSheetExtension(const QString& path) {
    return knownKind(path).has_value();
}

ReadOutcome readSheetFile(const QString& path, int maxRows, int cols) {
    switch (sheetKindOf(path)) {
    case SheetKind::Xlsx:
        return readXlsx(path, maxRows, cols);
    case SheetKind::Ods:
        return readOds(path, maxRows, cols);
    case SheetKind::Fods:
        return readFods(path, maxRows, cols);
    case SheetKind::Csv:
        return readCsv(path, maxRows, cols);
    case SheetKind::Xls:
        break;
    }
    return readWorkbook(path, maxRows, cols);
}

QString writeSheetFile(const QString& path, const WriteSheet& sheet) {
    switch (sheetKindOf(path)) {
    case SheetKind::Xlsx:
        return writeXlsx(path, sheet);
    case SheetKind::Ods:
        return writeOds(path, sheet);
    case SheetKind::Fods:
        return writeFods(path, sheet);
    case SheetKind::Csv:
        return writeCsv(path, sheet);
    case SheetKind::Xls:
        break;
    }
    return writeWorkbook(path, sheet);
}

} // namespace tarn
