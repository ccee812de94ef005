#include "Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tarn {

namespace {
constexpr const char* kCodePage = "windows-1252";
}

std::optional<QByteArray> toCp1252(const QString& text) {
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString fromCp1252(const QByteArray& bytes) {
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace tarn
