// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"
#include "signal/internationaltiming.h"
#include "signal/lightconditions.h"

#include <vector>

namespace blinket {

// How the runs read under one light, on one timing, went.
struct LightAccuracy
{
    LightConditions light;
    Timing timing = Timing::Own;
    int runs = 0;
    // Of all their letters taken together, as a run's accuracy is of its own (wholePercent):
    // a long run weighs more than a short one.
    int accuracy = 0;

    friend bool operator==(const LightAccuracy &, const LightAccuracy &) = default;
};

// One entry per light and timing the runs were read under, the clear light first and then in
// the order each was first met; keyings, whose letters the learner sent, are left out.
std::vector<LightAccuracy> accuracyByLight(const std::vector<RunRecord> &runs);

} // namespace blinket
