// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/weakletters.h"

namespace blinket {

namespace {

constexpr double unseenError = 0.5;
constexpr double keptShare = 7.0 / 8.0;
constexpr double newShare = 1.0 / 8.0;
constexpr double weightFloor = 0.05;

} // namespace

std::array<double, sendableCount> errorEstimates(const std::vector<RunRecord> &runs)
{
    std::array<double, sendableCount> errors;
    errors.fill(unseenError);
    for (const RunRecord &run : runs) {
        if (!run.readsLetters())
            continue;
        for (const LetterOutcome &outcome : run.outcomes) {
            const int index = characterIndex(outcome.sent);
            if (index < 0)
                continue;
            double &error = errors[std::size_t(index)];
            error = keptShare * error + (outcome.right() ? 0.0 : newShare);
        }
    }
    return errors;
}

std::array<double, sendableCount> letterWeights(const std::vector<RunRecord> &runs,
                                                QStringView drawnFrom)
{
    std::array<double, sendableCount> weights = errorEstimates(runs);
    for (int i = 0; i < sendableCount; ++i) {
        double &weight = weights[std::size_t(i)];
        weight = drawnFrom.contains(characterAt(i)) ? weight + weightFloor : 0.0;
    }
    return weights;
}

QChar weightedLetter(const std::array<double, sendableCount> &weights, float r)
{
    double total = 0.0;
    int lastDrawable = characterIndex(u'Z');
    for (int i = 0; i < sendableCount; ++i) {
        if (weights[std::size_t(i)] > 0.0) {
            total += weights[std::size_t(i)];
            lastDrawable = i;
        }
    }
    // r x total stays below the total for any r below 1, since the sums below add up in the
    // same order; the last letter with a weight still takes whatever rounding leaves over.
    const double point = double(r) * total;
    double reached = 0.0;
    for (int i = 0; i < lastDrawable; ++i) {
        if (weights[std::size_t(i)] <= 0.0)
            continue;
        reached += weights[std::size_t(i)];
        if (point < reached)
            return characterAt(i);
    }
    return characterAt(lastDrawable);
}

} // namespace blinket
