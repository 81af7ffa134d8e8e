// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/practicestats.h"

#include "practice/accuracy.h"

#include <algorithm>

namespace blinket {

std::vector<double> movingAverage(const std::vector<double> &values, int window)
{
    std::vector<double> averages;
    averages.reserve(values.size());
    const std::size_t width = std::size_t(std::max(window, 1));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t first = i + 1 > width ? i + 1 - width : 0;
        // Summed afresh for each point: a running sum would carry rounding from long ago.
        double sum = 0.0;
        for (std::size_t j = first; j <= i; ++j)
            sum += values[j];
        averages.push_back(sum / double(i + 1 - first));
    }
    return averages;
}

std::array<LetterAccuracy, sendableCount> letterAccuracies(const std::vector<RunRecord> &runs,
                                                           int recent)
{
    std::array<LetterAccuracy, sendableCount> letters{};
    for (int i = 0; i < sendableCount; ++i)
        letters[std::size_t(i)].letter = characterAt(i);
    // Newest first, until every letter has its fill.
    int filled = 0;
    for (auto run = runs.rbegin(); run != runs.rend() && filled < sendableCount; ++run) {
        if (!run->readsLetters())
            continue;
        for (auto outcome = run->outcomes.rbegin(); outcome != run->outcomes.rend(); ++outcome) {
            const int index = characterIndex(outcome->sent);
            if (index < 0)
                continue;
            LetterAccuracy &letter = letters[std::size_t(index)];
            if (letter.outcomes >= recent)
                continue;
            ++letter.outcomes;
            if (outcome->right())
                ++letter.right;
            if (letter.outcomes == recent)
                ++filled;
        }
    }
    for (LetterAccuracy &letter : letters)
        letter.accuracy = wholePercent(letter.right, letter.outcomes);
    return letters;
}

std::optional<QChar> weakestLetter(const std::array<LetterAccuracy, sendableCount> &letters,
                                   int least)
{
    std::optional<QChar> weakest;
    int lowest = 0;
    for (const LetterAccuracy &letter : letters) {
        if (letter.outcomes > 0 && letter.outcomes >= least &&
            (!weakest || letter.accuracy < lowest)) {
            weakest = letter.letter;
            lowest = letter.accuracy;
        }
    }
    return weakest;
}

std::vector<Confusion> confusions(const std::vector<RunRecord> &runs)
{
    std::array<std::array<int, sendableCount>, sendableCount> counts{};
    for (const RunRecord &run : runs) {
        if (!run.readsLetters())
            continue;
        for (const LetterOutcome &outcome : run.outcomes) {
            const int sent = characterIndex(outcome.sent);
            const int read = characterIndex(outcome.readAs);
            if (sent >= 0 && read >= 0 && sent != read)
                ++counts[std::size_t(sent)][std::size_t(read)];
        }
    }
    // Gathered in alphabetical order, so a stable sort by count keeps ties that way.
    std::vector<Confusion> ranked;
    for (int sent = 0; sent < sendableCount; ++sent) {
        for (int read = 0; read < sendableCount; ++read) {
            if (const int count = counts[std::size_t(sent)][std::size_t(read)])
                ranked.push_back({characterAt(sent), characterAt(read), count});
        }
    }
    std::ranges::stable_sort(ranked, std::ranges::greater(), &Confusion::count);
    return ranked;
}

QString confusionText(const Confusion &confusion)
{
    return QStringLiteral("%1 read as %2: %3")
        .arg(confusion.sent)
        .arg(confusion.readAs)
        .arg(confusion.count);
}

} // namespace blinket
