// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Records.h"

#include <QString>

// The scale's tables in .PLU and .INGRED files, through the program's own file library.
namespace tarn::sim {

// Fills slots 1.. from the file's records, in order, and clears the rest. On failure the table
// is left as it was and error says what and where ("line 3: field 4 is not a number").
bool loadPluFile(const QString& path, PluTable& table, QString& error);
bool loadIngredFile(const QString& path, IngredTable& table, QString& error);

// Writes slots 1 to the last one in use (number not 0), one line each, through a temporary
// file that replaces the old one only when complete.
bool savePluFile(const QString& path, const PluTable& table, QString& error);
bool saveIngredFile(const QString& path, const IngredTable& table, QString& error);

} // namespace tarn::sim
