// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeScale.h"
#include "ScaleLink.h"

#include <gtest/gtest.h>

#include <memory>

namespace tarn::testing {

// A link over an in-process scale on virtual time, opened on "ttyFAKE".
class LinkFixture : public ::testing::Test {
protected:
    explicit LinkFixture(Clock::Time start = Clock::Time::zero()) {
        auto c = std::make_unique<VirtualClock>(start);
        clock = c.get();
        auto s = std::make_unique<FakeScale>(*clock);
        scale = s.get();
        link = std::make_unique<ScaleLink>(std::move(s), std::move(c));
        EXPECT_FALSE(link->open(QStringLiteral("ttyFAKE")));
    }

    // Seconds of virtual time since `from`.
    double since(Clock::Time from) const {
        return std::chrono::duration<double>(clock->now() - from).count();
    }

    VirtualClock* clock;
    FakeScale* scale;
    std::unique_ptr<ScaleLink> link;
};

} // namespace tarn::testing
