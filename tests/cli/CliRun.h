// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real tarnlink-cli against the real tarnlink-scale on its pseudo-terminal.

#include "TestTexts.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace tarn::testing {

// Lines of a text as a list, without the final line break ("" gives no lines).
inline QStringList linesOf(const QByteArray& text) {
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// What a run of tarnlink-cli gave.
struct CliResult {
    bool finished = false;
    int exitCode = -1;
    QStringList out; // stdout, by lines
    QByteArray err;
};

// One tarnlink-cli process. start() and finish() apart let a test interrupt it meanwhile.
class Cli {
public:
    // `environment` in addition to the test's own.
    void start(const QStringList& args, const QStringList& environment = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& variable : environment)
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        process_.setProcessEnvironment(env);
        process_.start(QStringLiteral(CLI_BINARY), args);
        process_.waitForStarted(5000);
    }
    qint64 pid() const { return process_.processId(); }
    // Waits (a real process, on real time) until stdout holds every line of `lines`; returns
    // the lines so far.
    QStringList waitForLines(const QStringList& lines, int msecs = 20000) {
        QDeadlineTimer deadline(msecs);
        for (;;) {
            out_ += process_.readAllStandardOutput();
            const QStringList so = linesOf(out_);
            bool all = true;
            for (const QString& line : lines)
                all = all && so.contains(line);
            if (all || deadline.hasExpired() || process_.state() == QProcess::NotRunning)
                return so;
            process_.waitForReadyRead(100);
        }
    }
    CliResult finish(int msecs = 60000) {
        CliResult r;
        r.finished = process_.waitForFinished(msecs);
        if (!r.finished) {
            process_.kill();
            process_.waitForFinished(5000);
        }
        r.exitCode = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
        r.out = linesOf(out_ + process_.readAllStandardOutput());
        r.err = process_.readAllStandardError();
        return r;
    }

private:
    QProcess process_;
    QByteArray out_;
};

inline CliResult runCli(const QStringList& args, int msecs = 60000,
                        const QStringList& environment = {}) {
    Cli cli;
    cli.start(args, environment);
    return cli.finish(msecs);
}

// tarnlink-scale without pacing, its byte log in a temporary directory; with "--tcp 0" behind
// a network serial server of its own, device() then being its port's name tcp:127.0.0.1:N.
class Scale {
public:
    explicit Scale(QStringList args = {}) {
        logPath_ = dir_.filePath(QStringLiteral("scale.log"));
        args << QStringLiteral("--no-pace") << QStringLiteral("--log") << logPath_;
        process_.start(QStringLiteral(SCALE_BINARY), args);
        if (!process_.waitForStarted(5000))
            return;
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        const QString first = QString::fromLocal8Bit(process_.readLine()).trimmed();
        if (first.startsWith(QLatin1String("device ")))
            device_ = first.mid(7);
        else if (first.startsWith(QLatin1String("port ")))
            device_ = first.mid(5);
    }
    ~Scale() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    Scale(const Scale&) = delete;
    Scale& operator=(const Scale&) = delete;

    QString device() const { return device_; }
    // The byte log without its notes: "pc> A5", "sc> 77", ...
    QStringList bytes() const {
        QStringList out;
        for (const QString& line : linesOf(readBytes(logPath_)))
            if (!line.startsWith(QLatin1Char('#')))
                out << line;
        return out;
    }
    // Waits (a real process, on real time) until the log holds `line`.
    bool waitForLog(const QString& line, int msecs = 10000) const {
        QDeadlineTimer deadline(msecs);
        while (!deadline.hasExpired()) {
            if (bytes().contains(line))
                return true;
            QThread::msleep(20);
        }
        return false;
    }

private:
    QTemporaryDir dir_;
    QString logPath_;
    QString device_;
    QProcess process_;
};

// Shows both lists whole when they differ.
inline std::string shown(const QStringList& lines) {
    return ("[" + lines.join(QStringLiteral("|")) + "]").toStdString();
}

} // namespace tarn::testing
