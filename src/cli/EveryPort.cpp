// SPDX-License-Identifier: GPL-3.0-or-later
#include "EveryPort.h"

#include "PortName.h"
#include "ScaleLink.h"

#include <QEventLoop>

#include <memory>

namespace tarn::cli {

namespace {

struct PortRun {
    int row = 0; // its progress line
    QString port;
    QString prefix;
    std::unique_ptr<Engine> engine;
    PortEnd end;
    bool done = false;
    QString last; // the last status text, while the texts are a progress line
    int recordsDone = 0;
    int recordsTotal = 0;
    RequestId opening = 0; // the open asked for, until it is answered
    RequestId job = 0;     // the job asked for, until it is answered
};

// A port's progress line: "PORT deli: 37 / 200  plu#37 is transfered".
QString progressLine(const PortRun& r) {
    if (r.recordsTotal <= 0)
        return r.prefix + r.last;
    return r.prefix + QStringLiteral("%1 / %2  ").arg(r.recordsDone).arg(r.recordsTotal) + r.last;
}

} // namespace

int failedStatus(const PortEnd& end) {
    return end.held ? kBusy : kFailed;
}

std::vector<PortEnd> runOnEveryPort(Session& session, const QStringList& ports, const Job& job,
                                    const std::function<bool(const JobOutcome&)>& ended,
                                    const std::function<QString(const QString&)>& prefix,
                                    const std::function<QString(bool ended)>& lastLine) {
    Console& console = session.console();
    std::vector<std::unique_ptr<PortRun>> runs;
    QEventLoop loop;
    size_t running = ports.size();
    bool stopping = false;
    const bool live = console.live();
    console.beginProgress(int(ports.size()));
    auto finish = [&](PortRun& r) {
        if (r.done)
            return;
        r.done = true;
        // The progress line's last text stays, as the window's status line keeps it.
        if (live && !r.last.isEmpty())
            console.status(r.last, r.prefix);
        if (lastLine)
            console.line(r.prefix + lastLine(r.end.ended));
        if (--running == 0)
            loop.quit();
    };

    for (const QString& port : ports) {
        auto run = std::make_unique<PortRun>();
        PortRun& r = *run;
        r.row = int(runs.size());
        r.port = port;
        r.prefix = prefix ? prefix(port) : QString();
        r.engine = std::make_unique<Engine>(session.ports()());
        Engine* e = r.engine.get();
        QObject::connect(e, &Engine::status, &loop, [&console, &r, live](const QString& text) {
            if (!live || Console::isErrorText(text)) {
                console.status(text, r.prefix);
                if (live)
                    r.last.clear();
                return;
            }
            r.last = text;
            console.progress(r.row, progressLine(r));
        });
        QObject::connect(e, &Engine::progress, &loop, [&console, &r, live](int done, int total) {
            r.recordsDone = done;
            r.recordsTotal = total;
            if (live)
                console.progress(r.row, progressLine(r));
        });
        QObject::connect(e, &Engine::storeProblem, &loop,
                         [&console](const QString& text) { console.remark(text); });
        QObject::connect(e, &Engine::portLost, &loop, [&console, &r](const QString& message) {
            console.status(message, r.prefix);
        });
        QObject::connect(
            e, &Engine::opened, &loop,
            [&, e](const QString&, const QString& failure, bool stopped, RequestId id) {
                if (id != r.opening)
                    return;
                r.opening = 0;
                if (!failure.isEmpty() || stopped || stopping) {
                    // A connect that Ctrl-C ended is no failure of the port.
                    if (!failure.isEmpty() && !stopped && !stopping) {
                        r.end.openFailure = cannotOpenText(e->systemName(), failure);
                        r.end.held = heldByAnotherProgram(failure);
                        console.status(r.end.openFailure, r.prefix);
                        // Every table job is a row of the history, one whose port did not
                        // open too.
                        if (!std::holds_alternative<DisplayJob>(job))
                            recordNotRun(job, parsePortName(r.port).value_or(PortName{}).name,
                                         JobEnd::Failed, r.end.openFailure);
                    }
                    finish(r);
                    return;
                }
                r.job = e->run(job);
            });
        QObject::connect(e, &Engine::finished, &loop,
                         [&, e](const JobOutcome& outcome, RequestId id) {
                             if (id != r.job)
                                 return;
                             r.job = 0;
                             r.end.outcome = outcome;
                             r.end.ended = ended(outcome);
                             e->close();
                             finish(r);
                         });
        runs.push_back(std::move(run));
    }

    session.onInterrupt = [&] {
        stopping = true;
        for (auto& r : runs)
            r->engine->stop();
    };
    // A Ctrl-C that came before: no port is opened, and each still says how it ended.
    if (session.interrupted()) {
        for (auto& r : runs)
            finish(*r);
    } else {
        for (auto& r : runs)
            r->opening = r->engine->open(parsePortName(r->port).value_or(PortName{}).name);
        // Ctrl-C comes in here.
        if (running > 0)
            loop.exec();
    }
    session.onInterrupt = nullptr;
    console.endProgress();

    std::vector<PortEnd> ends;
    for (auto& r : runs)
        ends.push_back(r->end);
    // Each engine closes its port on its own thread as it goes.
    runs.clear();
    return ends;
}

} // namespace tarn::cli
