// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"
#include "Engine.h"

#include <functional>
#include <optional>
#include <vector>

namespace tarn::cli {

// How many ports one run takes at most.
constexpr int kMaxPorts = 64;

// How a job went on one port: the job's outcome (none when the port did not open, or Ctrl-C
// came first), and whether it reached its normal end.
struct PortEnd {
    std::optional<JobOutcome> outcome;
    bool ended = false;
    QString openFailure; // "ERROR! cannot open ...", when the port did not open
    bool held = false;   // it did not open because another program held it
};
// The exit status of a port that did not end normally: kBusy when another program held it.
int failedStatus(const PortEnd& end);

// Runs `job` on every port at the same time, each on an engine of its own (port, link and
// clock on a thread of their own), so a silent or lost scale delays no other. Every status text
// of a port goes to the console as it comes, after `prefix(port)`; a port's lines keep their
// order. On a terminal each port's texts while its job runs are its progress line instead, and
// its last text a line once it ends.
// A port that cannot be opened shows the window's "ERROR! cannot open ...". Ctrl-C stops every
// port at once, a connect under way included. `ended(outcome)` tells a normal end. Without
// `prefix` the lines go bare. A port's last line, when `lastLine` is given, is lastLine(ended),
// whether the port was tried or not.
std::vector<PortEnd> runOnEveryPort(Session& session, const QStringList& ports, const Job& job,
                                    const std::function<bool(const JobOutcome&)>& ended,
                                    const std::function<QString(const QString&)>& prefix = {},
                                    const std::function<QString(bool ended)>& lastLine = {});

} // namespace tarn::cli
