// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tarn::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Console)
};

bool onTerminal(std::FILE* file) {
    const int fd = ::fileno(file);
    return fd >= 0 && ::isatty(fd) == 1;
}

} // namespace

Console::Console(std::FILE* out, std::FILE* err, std::optional<bool> terminal)
    : out_(out), err_(err), terminal_(terminal.value_or(onTerminal(out))),
      errOnTerminal_(onTerminal(err)) {}

bool Console::isErrorText(const QString& text) {
    const QString t = text.trimmed();
    return t.startsWith(QLatin1String("ERROR!")) || t.startsWith(QLatin1String("Error !"));
}

void Console::write(std::FILE* to, const QByteArray& bytes) {
    errno = 0;
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to) == size_t(bytes.size()) &&
        std::fflush(to) == 0;
    if (!written && to == out_ && !outFailed_) {
        outErrno_ = errno;
        outFailed_ = true;
    }
}

void Console::row(const QString& text) {
    const std::lock_guard<std::mutex> lock(mutex_);
    clearRows();
    const QByteArray bytes = text.toUtf8() + '\n';
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out_) != size_t(bytes.size()) &&
        !outFailed_) {
        outErrno_ = errno;
        outFailed_ = true;
    }
    drawRows();
}

void Console::flush() {
    const std::lock_guard<std::mutex> lock(mutex_);
    write(out_, {});
}

void Console::line(const QString& text) {
    const std::lock_guard<std::mutex> lock(mutex_);
    clearRows();
    write(out_, text.toUtf8() + '\n');
    drawRows();
}

void Console::status(const QString& text, const QString& prefix) {
    if (isErrorText(text))
        error(text, prefix);
    else if (statusShown_ && !quiet_)
        line(prefix + text);
}

void Console::error(const QString& text, const QString& prefix) {
    errorText(prefix + text + QLatin1Char('\n'));
}

void Console::remark(const QString& text) {
    errorText(QStringLiteral("tarnlink-cli: ") + text + QLatin1Char('\n'));
}

void Console::warning(const QString& text) {
    if (!quiet_)
        remark(text);
}

void Console::errorText(const QString& text) {
    const std::lock_guard<std::mutex> lock(mutex_);
    // Only a stderr on the same screen would write over the progress lines.
    const bool moveRows = errOnTerminal_;
    if (moveRows)
        clearRows();
    write(err_, text.toUtf8());
    if (moveRows)
        drawRows();
}

void Console::beginProgress(int rows) {
    const std::lock_guard<std::mutex> lock(mutex_);
    clearRows();
    rows_.assign(live() ? size_t(rows) : 0, QString());
}

void Console::progress(int row, const QString& text) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (row < 0 || size_t(row) >= rows_.size())
        return;
    rows_[size_t(row)] = text;
    if (drawn_ == 0) {
        drawRows();
        return;
    }
    // Up to the row, write it over, and back down below the last one.
    const QByteArray up = QByteArray::number(drawn_ - row);
    write(out_, "\x1b[" + up + "A\r" + fitted(text) + "\x1b[K\x1b[" + up + "B\r");
}

void Console::endProgress() {
    const std::lock_guard<std::mutex> lock(mutex_);
    clearRows();
    rows_.clear();
}

void Console::clearRows() {
    if (drawn_ == 0)
        return;
    write(out_, "\x1b[" + QByteArray::number(drawn_) + "A\r\x1b[J");
    drawn_ = 0;
}

void Console::drawRows() {
    if (rows_.empty())
        return;
    QByteArray bytes;
    for (const QString& row : rows_)
        bytes += fitted(row) + "\x1b[K\n";
    write(out_, bytes);
    drawn_ = int(rows_.size());
}

QByteArray Console::fitted(const QString& text) const {
    // A row longer than the screen is wide would wrap, and the rows above it would move.
    int columns = 80;
    winsize size{};
    if (::ioctl(::fileno(out_), TIOCGWINSZ, &size) == 0 && size.ws_col > 1)
        columns = size.ws_col;
    return text.left(columns - 1).toUtf8();
}

std::optional<QString> Console::outputFailure() const {
    if (!outFailed_)
        return std::nullopt;
    return outErrno_ ? QString::fromLocal8Bit(std::strerror(outErrno_)) : Text::tr("write error");
}

} // namespace tarn::cli
