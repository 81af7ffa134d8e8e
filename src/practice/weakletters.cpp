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

std::array<double, alphabetSize> errorEstimates(const std::vector<RunRecord> &runs)
{
    std::array<double, alphabetSize> errors;
    errors.fill(unseenError);
    for (const RunRecord &run : runs) {
        for (const LetterOutcome &outcome : run.outcomes) {
            const int index = letterIndex(outcome.sent);
            if (index < 0)
                continue;
            double &error = errors[std::size_t(index)];
            error = keptShare * error + (outcome.right() ? 0.0 : newShare);
        }
    }
    return errors;
}

std::array<double, alphabetSize> letterWeights(const std::vector<RunRecord> &runs)
{
    std::array<double, alphabetSize> weights = errorEstimates(runs);
    for (double &weight : weights)
        weight += weightFloor;
    return weights;
}

QChar weightedLetter(const std::array<double, alphabetSize> &weights, float r)
{
    double total = 0.0;
    int lastDrawable = alphabetSize - 1;
    for (int i = 0; i < alphabetSize; ++i) {
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
            return letterAt(i);
    }
    return letterAt(lastDrawable);
}

} // namespace blinket
