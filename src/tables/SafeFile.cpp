// SPDX-License-Identifier: GPL-3.0-or-later
#include "SafeFile.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace tarn {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SafeFile)
};
} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so that a disk that takes only part of the bytes shows in the count written:
    // a buffered QSaveFile would commit the truncated file as if all was well.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return Text::tr("the disk took only part of the file");
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace tarn
