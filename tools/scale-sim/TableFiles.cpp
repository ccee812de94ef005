#include "TableFiles.h"

#include "Cp1252.h"
#include "Numbers.h"
#include "ScaleMemory.h"

#include <QFile>
#include <QSaveFile>

#include <type_traits>

namespace tarn::sim {

namespace {

// Reads the fields of a table file one after the other, across lines.
class FieldReader {
public:
    explicit FieldReader(QString text) : t_(std::move(text)) {}

    int line() const { return line_; }

    // Skips blank lines; true when nothing but blanks is left.
    bool atEnd() {
        skip(true);
        return pos_ >= t_.size();
    }

    // nullopt when the file ends before the field.
    std::optional<QString> next() {
        skip(afterLineEnd_);
        if (pos_ >= t_.size())
            return std::nullopt;
        QString field;
        if (t_[pos_] == QLatin1Char('"')) {
            ++pos_;
            const qsizetype close = t_.indexOf(QLatin1Char('"'), pos_);
            const qsizetype end = close < 0 ? t_.size() : close;
            field = t_.mid(pos_, end - pos_);
            pos_ = close < 0 ? end : end + 1;
            while (pos_ < t_.size() && !isDelimiter(t_[pos_]))
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (pos_ < t_.size() && !isDelimiter(t_[pos_]))
                ++pos_;
            field = t_.mid(start, pos_ - start).trimmed();
        }
        afterLineEnd_ = false;
        if (pos_ < t_.size()) {
            if (t_[pos_] == QLatin1Char(',')) {
                ++pos_;
            } else {
                takeLineEnd();
                afterLineEnd_ = true;
            }
        } else {
            afterLineEnd_ = true;
        }
        return field;
    }

private:
    static bool isDelimiter(QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    }
    void takeLineEnd() {
        if (t_[pos_] == QLatin1Char('\r') && pos_ + 1 < t_.size() &&
            t_[pos_ + 1] == QLatin1Char('\n'))
            ++pos_;
        ++pos_;
        ++line_;
    }
    void skip(bool lineEnds) {
        while (pos_ < t_.size()) {
            const QChar c = t_[pos_];
            if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
                ++pos_;
            else if (lineEnds && (c == QLatin1Char('\r') || c == QLatin1Char('\n')))
                takeLineEnd();
            else
                break;
        }
    }

    QString t_;
    qsizetype pos_ = 0;
    int line_ = 1;
    bool afterLineEnd_ = true;
};

template <class Table> bool load(const QString& path, Table& table, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    FieldReader reader(fromCp1252(file.readAll()));
    Table fresh{};
    int slot = 0;
    while (!reader.atEnd()) {
        if (++slot > kMaxRecords) {
            error =
                QStringLiteral("line %1: more than %2 records").arg(reader.line()).arg(kMaxRecords);
            return false;
        }
        const int recordLine = reader.line();
        bool ok = true;
        forEachField(fresh[size_t(slot)], [&](int column, auto& field) {
            if (!ok)
                return;
            const int line = reader.line();
            const auto text = reader.next();
            if (!text) {
                error = QStringLiteral("line %1: record %2 ends before field %3")
                            .arg(recordLine)
                            .arg(slot)
                            .arg(column);
                ok = false;
                return;
            }
            using T = std::remove_reference_t<decltype(field)>;
            if constexpr (std::is_same_v<T, QString>) {
                field = *text;
            } else {
                const IntWidth width = sizeof(T) == 2 ? IntWidth::Int16 : IntWidth::Int32;
                const NumberResult n = text->isEmpty() ? NumberResult{} : parseNumber(*text, width);
                if (!n.ok() || n.value < 0) {
                    error = QStringLiteral("line %1: field %2 %3")
                                .arg(line)
                                .arg(column)
                                .arg(n.ok() ? QStringLiteral("is negative") : n.reason());
                    ok = false;
                    return;
                }
                field = T(n.value);
            }
        });
        if (!ok)
            return false;
    }
    table = fresh;
    return true;
}

template <class Table> bool save(const QString& path, const Table& table, QString& error) {
    int last = 0;
    for (int slot = 1; slot <= kMaxRecords; ++slot)
        if (numberOf(table[size_t(slot)]) != 0)
            last = slot;
    QByteArray out;
    for (int slot = 1; slot <= last; ++slot) {
        QString line;
        forEachField(table[size_t(slot)], [&](int column, const auto& field) {
            if (column > 1)
                line += QLatin1Char(',');
            using T = std::remove_cvref_t<decltype(field)>;
            if constexpr (std::is_same_v<T, QString>)
                line += QLatin1Char('"') + (field.isEmpty() ? QStringLiteral(" ") : field) +
                        QLatin1Char('"');
            else
                line += QString::number(field);
        });
        const auto bytes = toCp1252(line);
        if (!bytes) {
            error = QStringLiteral("record %1 holds a character the file cannot carry").arg(slot);
            return false;
        }
        out += *bytes + "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool loadPluFile(const QString& path, PluTable& table, QString& error) {
    return load(path, table, error);
}
bool loadIngredFile(const QString& path, IngredTable& table, QString& error) {
    return load(path, table, error);
}
bool savePluFile(const QString& path, const PluTable& table, QString& error) {
    return save(path, table, error);
}
bool saveIngredFile(const QString& path, const IngredTable& table, QString& error) {
    return save(path, table, error);
}

} // namespace tarn::sim
