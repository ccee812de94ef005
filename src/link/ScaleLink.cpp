// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleLink.h"

#include <QRegularExpression>

#include <algorithm>

namespace tarn {

namespace {
using std::chrono::seconds;

quint32 bigEndian32(const QByteArray& b, int at) {
    return quint32(quint8(b[at])) << 24 | quint32(quint8(b[at + 1])) << 16 |
           quint32(quint8(b[at + 2])) << 8 | quint32(quint8(b[at + 3]));
}
} // namespace

QString cannotOpenText(const QString& portName, const QString& reason) {
    //: %1 is the port, %2 why it cannot be opened
    return ScaleLink::tr("ERROR! cannot open %1: %2").arg(portName, reason);
}

namespace {
constexpr const char* kHeldByAnotherProgram =
    QT_TRANSLATE_NOOP("tarn::ScaleLink", "in use by another program (process %1)");

// Whether `failure` holds `text` with a process number for its %1.
bool holdsHeldText(const QString& failure, const QString& text) {
    const qsizetype at = text.indexOf(QLatin1String("%1"));
    if (at < 0)
        return false;
    const QRegularExpression held(QRegularExpression::escape(text.left(at)) +
                                  QStringLiteral("\\d+") +
                                  QRegularExpression::escape(text.mid(at + 2)));
    return held.match(failure).hasMatch();
}
} // namespace

QString heldByAnotherProgramText(qint64 process) {
    return ScaleLink::tr(kHeldByAnotherProgram).arg(process);
}

// The reason is made in this program, by heldByAnotherProgramText(): in English, or in the
// language this run shows its texts in.
bool heldByAnotherProgram(const QString& failure) {
    return holdsHeldText(failure, QString::fromLatin1(kHeldByAnotherProgram)) ||
           holdsHeldText(failure, ScaleLink::tr(kHeldByAnotherProgram));
}

ScaleLink::ScaleLink(std::unique_ptr<Port> port, std::unique_ptr<Clock> clock, QObject* parent)
    : QObject(parent), clock_(std::move(clock)), port_(std::move(port)) {
    port_->stopWith(stop_);
    connect(port_.get(), &Port::readyRead, this, [this] { lastHeard_ = clock_->now(); });
    connect(port_.get(), &Port::failed, this, [this](const QString& reason) {
        //: %1 is the port, %2 why it was lost
        lostMessage_ = tr("ERROR! lost port %1: %2").arg(port_->systemName(), reason);
        emit portLost(lostMessage_);
    });
}

ScaleLink::~ScaleLink() {
    if (port_)
        port_->close();
}

std::optional<QString> ScaleLink::open(const QString& name) {
    if (auto reason = port_->open(name))
        return reason;
    if (port_->paceGap() > Clock::Time::zero())
        drain(lineQuiet(), kRxByteLimit);
    return std::nullopt;
}

void ScaleLink::close() {
    port_->close();
}

QString portNotOpenText() {
    return ScaleLink::tr("ERROR! port is not open");
}

std::optional<QString> ScaleLink::reset() {
    lastResetReported_ = false;
    // A port that was lost or closed stays closed: only the operator opens it again.
    if (!port_->isOpen())
        return portNotOpenText();
    if (port_->clearBuffers())
        return std::nullopt;
    lastResetReported_ = true;
    // The port gave itself up in its own reset (a network server that its one reconnect
    // did not reach) and has said why: no second try.
    if (!port_->isOpen())
        return lostMessage_;
    const QString name = port_->name();
    port_->close();
    if (const auto reason = port_->open(name)) {
        const QString message = cannotOpenText(port_->systemName(), *reason);
        emit portLost(message);
        return message;
    }
    lastResetReported_ = false;
    return std::nullopt;
}

void ScaleLink::pause(int secs) {
    const Clock::Time deadline = clock_->now() + seconds(secs);
    while (!stop_.isRaised() && clock_->now() < deadline)
        clock_->waitUntil(deadline, nullptr, stop_);
}

void ScaleLink::sent(qsizetype bytes) {
    lineFreeAt_ = std::max(lineFreeAt_, clock_->now()) + bytes * kByteTime;
}

void ScaleLink::txByte(quint8 byte) {
    port_->write(QByteArray(1, char(byte)));
    sent(1);
}

void ScaleLink::txInt(quint16 value) {
    QByteArray bytes(2, '\0');
    bytes[0] = char(value >> 8);
    bytes[1] = char(value & 0xFF);
    port_->write(bytes);
    sent(2);
}

void ScaleLink::txBytes(const QByteArray& bytes) {
    port_->write(bytes);
    sent(bytes.size());
}

bool ScaleLink::waitForLine(Clock::Time deadline) {
    if (!stop_.isRaised()) {
        clock_->waitUntil(deadline, port_.get(), stop_);
        return true;
    }
    const Clock::Time calm = std::max(lineFreeAt_, lastHeard_) + lineQuiet();
    if (clock_->now() >= calm)
        return false;
    clock_->waitUntil(std::min(deadline, calm), port_.get(), never_);
    return true;
}

std::optional<QByteArray> ScaleLink::receive(int count, int limitSeconds,
                                             std::optional<Clock::Time> gap) {
    const Clock::Time deadline = clock_->now() + seconds(limitSeconds + 1);
    qint64 seen = port_->bytesWaiting();
    Clock::Time lastArrival = clock_->now();
    for (;;) {
        // Nothing can arrive on a closed port (one that failed during the wait included).
        if (!port_->isOpen())
            return std::nullopt;
        if (const qint64 waiting = port_->bytesWaiting(); waiting != seen) {
            if (gap && seen > 0 && clock_->now() - lastArrival > *gap)
                return std::nullopt;
            seen = waiting;
            lastArrival = clock_->now();
        }
        if (port_->bytesWaiting() == count)
            return port_->readAll().left(count);
        if (clock_->now() >= deadline || !waitForLine(deadline))
            return std::nullopt;
    }
}

bool ScaleLink::collect(QByteArray& bytes, int limitSeconds,
                        const std::function<bool(const QByteArray&)>& complete,
                        std::optional<Clock::Time> gap) {
    const Clock::Time deadline = clock_->now() + seconds(limitSeconds + 1);
    Clock::Time lastArrival = clock_->now();
    for (;;) {
        if (complete(bytes))
            return true;
        if (!port_->isOpen())
            return false;
        if (port_->bytesWaiting() > 0) {
            if (gap && !bytes.isEmpty() && clock_->now() - lastArrival > *gap)
                return false;
            bytes += port_->readAll();
            lastArrival = clock_->now();
            continue;
        }
        if (clock_->now() >= deadline || !waitForLine(deadline))
            return false;
    }
}

bool ScaleLink::quiet(Clock::Time quiet) {
    const Clock::Time deadline = clock_->now() + quiet;
    const qint64 waiting = port_->bytesWaiting();
    for (;;) {
        if (port_->bytesWaiting() != waiting)
            return false;
        if (!port_->isOpen() || clock_->now() >= deadline || !waitForLine(deadline))
            return true;
    }
}

void ScaleLink::drain(Clock::Time quiet, int limitSeconds) {
    const Clock::Time end = clock_->now() + seconds(limitSeconds + 1);
    Clock::Time quietUntil = clock_->now() + quiet;
    for (;;) {
        if (!port_->isOpen())
            return;
        if (port_->bytesWaiting() > 0) {
            port_->readAll();
            quietUntil = clock_->now() + quiet;
            continue;
        }
        const Clock::Time deadline = std::min(quietUntil, end);
        if (clock_->now() >= deadline || !waitForLine(deadline))
            return;
    }
}

std::optional<quint8> ScaleLink::rxByte() {
    const auto bytes = receive(1, kRxByteLimit);
    if (!bytes)
        return std::nullopt;
    return quint8((*bytes)[0]);
}

std::optional<quint16> ScaleLink::rxInt() {
    const auto bytes = receive(2, kRxIntLimit);
    if (!bytes)
        return std::nullopt;
    return quint16(quint8((*bytes)[0]) << 8 | quint8((*bytes)[1]));
}

std::optional<DisplayReading> ScaleLink::rxFip() {
    const auto bytes = receive(12, kRxFipLimit, kAnswerGap);
    if (!bytes || !quiet(kRecordGap))
        return std::nullopt;
    return DisplayReading{bigEndian32(*bytes, 0), bigEndian32(*bytes, 4), bigEndian32(*bytes, 8)};
}

} // namespace tarn
