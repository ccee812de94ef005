// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Jobs.h"
#include "PortFactory.h"

#include <QObject>

#include <memory>
#include <variant>

namespace tarn {

// Each request to an engine has an id, counted from 1; its answer carries it.
using RequestId = quint64;

// One port to one scale, with the port, its link and its clock on a worker thread of their own.
// The worker keeps what the scale holds in the store through a StoreWriter (a thread of its
// own, so a store slow to lock never holds the line): a downloaded record from the moment the
// scale acknowledges it, an uploaded one when it comes; a record about to go on the line is
// forgotten first. Every table job is one row of the history. A "Changed" download's slots are
// decided from the store's word and what the job reads from the scale (planChanged()). A job
// the store could not record still runs to its end, says so on its own line, leaves the scale
// doubted in its note on the PC, and its outcome is `unrecorded`.
//
// The owner (the window, a port of the command line) asks for things by calling it and hears
// of them through queued signals; it never waits on the line. The worker takes the requests
// from a queue, one at a time in the order they were made, and runs each to its end; its waits
// block on the line and the stop flag, so no request runs inside another. Each request returns
// its id and its answer (opened, closed, finished) carries that id.
//
// The texts of a job come as status() in the order the operator sees them, with progress() and
// acknowledged() between, and finished() last.
class Engine : public QObject {
    Q_OBJECT
public:
    explicit Engine(PortParts parts, QObject* parent = nullptr);
    // Stops what runs, drops what waits in the queue and closes the port, on its own thread.
    ~Engine() override;

    // Opens the port by name (parsePortName's names); answered by opened().
    RequestId open(const QString& name);
    // Closes the port; answered by closed(). A stop never ends a close.
    RequestId close();
    // Runs a job on the open port; answered by finished().
    RequestId run(Job job);
    // Stops the request that runs and those already queued, from any thread: a wait of the
    // line or a connect ends at once (an exchange under way ends as the scale ends it, see
    // ScaleLink), and an open or a job not yet begun is answered as stopped without touching
    // the line. Requests made after the stop run.
    void stop();

    // The port as the last answer left it.
    bool isOpen() const { return open_; }
    // The port's name as last opened, and the system's name for it ("/dev/ttyS0" for "Com1").
    QString portName() const { return portName_; }
    QString systemName() const { return systemName_; }

signals:
    // `failure` is empty when the port opened; `stopped` when stop() ended the attempt.
    void opened(const QString& name, const QString& failure, bool stopped, tarn::RequestId id);
    void closed(bool wasOpen, tarn::RequestId id);
    void status(const QString& text);
    void progress(int done, int total);
    void acknowledged(const tarn::RecordAck& ack);
    void finished(const tarn::JobOutcome& outcome, tarn::RequestId id);
    // The port failed while open, or a reset could not reopen it; it is closed now.
    void portLost(const QString& message);
    // The store of what the scales hold could not record a job ("ERROR! cannot keep what the
    // scales hold in ..."), said at each such job; the transfers go on without it.
    void storeProblem(const QString& text);

private:
    class Worker;
    // Says on this thread what the worker has to say: answers and reports, in order.
    Q_INVOKABLE void deliver();

    std::unique_ptr<Worker> worker_;
    bool open_ = false;
    QString portName_;
    QString systemName_;
};

} // namespace tarn

Q_DECLARE_METATYPE(tarn::JobOutcome)
Q_DECLARE_METATYPE(tarn::RecordAck)
