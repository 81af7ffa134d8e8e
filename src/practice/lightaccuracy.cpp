// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/lightaccuracy.h"

#include "practice/accuracy.h"

#include <algorithm>

namespace blinket {

namespace {

struct Tally
{
    LightConditions light;
    Timing timing = Timing::Own;
    int runs = 0;
    qint64 right = 0;
    qint64 sent = 0;
    qint64 extra = 0;
};

} // namespace

std::vector<LightAccuracy> accuracyByLight(const std::vector<RunRecord> &runs)
{
    std::vector<Tally> tallies;
    for (const RunRecord &run : runs) {
        if (!run.readsLetters())
            continue;
        auto tally = std::ranges::find_if(tallies, [&run](const Tally &seen) {
            return seen.light == run.light && seen.timing == run.timing;
        });
        if (tally == tallies.end())
            tally = tallies.insert(tallies.end(), Tally{run.light, run.timing});
        ++tally->runs;
        tally->right += run.right;
        tally->sent += run.sent.size();
        tally->extra += run.extra;
    }
    // The plain lamp is what the others are measured against.
    std::ranges::stable_partition(tallies, [](const Tally &tally) { return tally.light.clear(); });
    std::vector<LightAccuracy> lights;
    for (const Tally &tally : tallies) {
        lights.push_back({tally.light, tally.timing, tally.runs,
                          wholePercent(tally.right, tally.sent, tally.extra)});
    }
    return lights;
}

} // namespace blinket
