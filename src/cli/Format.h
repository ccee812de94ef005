// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace tarn::cli {

class Console;

// How a command prints what it found (--format): its own lines, CSV with a header row, or
// JSON, one array of objects.
enum class Format { Text, Csv, Json };
// "text", "csv" or "json"; nullopt for anything else.
std::optional<Format> formatNamed(const QString& name);

// What a command found, one row per thing (a record that differs, a transfer, a port), printed
// on stdout in the chosen format as the rows come: in text each row's own line, in CSV and JSON
// its fields' values, named by `fields`. A value is a text, a whole number, or null (an invalid
// QVariant) for none.
class Rows {
public:
    Rows(Console& console, Format format, QStringList fields);
    ~Rows() { finish(); }
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;

    Format format() const { return format_; }
    // One row: its line in the text form, and the values of the fields in their order.
    void add(const QString& text, const QVariantList& values);
    // Ends the output (the CSV header and the JSON brackets even when no row came). Once.
    void finish();

private:
    void start();

    Console& console_;
    Format format_;
    QStringList fields_;
    bool started_ = false;
    bool finished_ = false;
    bool first_ = true;
};

} // namespace tarn::cli
