// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeScale.h"
#include "ScaleLink.h"
#include "VirtualClock.h"
#include "Workspace.h"

#include <QString>

#include <chrono>
#include <memory>
#include <vector>

namespace tarn::testing {

inline double secs(Clock::Time t) {
    return std::chrono::duration<double>(t).count();
}

// A workspace and a link over the in-process scale on virtual time, the port open, with the
// status line recorded as the operator would read it, each text with its time in seconds.
struct TransferBench {
    TransferBench() {
        auto c = std::make_unique<VirtualClock>();
        clock = c.get();
        auto s = std::make_unique<FakeScale>(*clock);
        scale = s.get();
        link = std::make_unique<ScaleLink>(std::move(s), std::move(c));
        opened = !link->open(QStringLiteral("ttyFAKE"));
        ws.startUp();
        QObject::connect(&ws, &Workspace::statusChanged, [this](const QString& t) {
            status.push_back(t);
            at.push_back(secs(clock->now()));
        });
    }
    TransferBench(const TransferBench&) = delete;
    TransferBench& operator=(const TransferBench&) = delete;

    VirtualClock* clock;
    FakeScale* scale;
    std::unique_ptr<ScaleLink> link;
    bool opened = false;
    Workspace ws;
    std::vector<QString> status;
    std::vector<double> at;
};

} // namespace tarn::testing
