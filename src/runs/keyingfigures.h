// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

namespace blinket {

// How a learner's keying was formed, as the practice history keeps it: the merit (0 to 100),
// the speed keyed in words a minute (PARIS, 50 dots), and each length over the learner's dot,
// whose International proportions are a dash of 3, and gaps of 1 inside a letter, 3 between
// letters and 7 between words. The spreads are standard deviation over mean (0.1 is a tenth).
// A figure with nothing to measure it (no dash keyed, one word) is 0.
struct KeyingFigures
{
    int merit = 0;
    double wordsPerMinute = 0.0;
    double dashRatio = 0.0;
    double elementGapRatio = 0.0;
    double letterGapRatio = 0.0;
    double wordGapRatio = 0.0;
    double dotSpread = 0.0;
    double dashSpread = 0.0;

    friend bool operator==(const KeyingFigures &, const KeyingFigures &) = default;
};

} // namespace blinket
