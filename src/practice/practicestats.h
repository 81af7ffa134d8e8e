// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/accuracy.h"
#include "practice/confusion.h"
#include "practice/runrecord.h"
#include "signal/characters.h"

#include <QChar>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The statistics of the Progress window. Each takes the runs in time order, oldest first,
// as PracticeHistory::allRuns gives them. Those of single characters pass over the runs whose
// letters tell nothing of the learner's reading (RunRecord::readsLetters: keyings).

namespace blinket {

// For each value the mean of it and the window - 1 values before it. The first window - 1
// values have fewer before them and average those there are: the first is itself, the second
// the mean of two, and so on.
std::vector<double> movingAverage(const std::vector<double> &values, int window = 5);

// How well one letter was read lately.
struct LetterAccuracy
{
    QChar letter;
    int outcomes = 0; // how many recent outcomes it stands on, at most the number asked
    int right = 0;    // of those, read right
    int accuracy = 0; // in whole percent of outcomes (wholePercent); 0 when there are none
};

// Each character that can be sent over its most recent outcomes (recentReadings unless asked
// otherwise), in the order of sendableCharacters().
std::array<LetterAccuracy, sendableCount> letterAccuracies(const std::vector<RunRecord> &runs,
                                                           int recent = recentReadings);

// The character of lowest accuracy among those with at least `least` outcomes, the earliest in
// the table on a tie; nothing when none has that many. A character read once or twice says
// nothing yet: one slip would make it the weakest.
std::optional<QChar> weakestLetter(const std::array<LetterAccuracy, sendableCount> &letters,
                                   int least = weakestReadings);

// Every confusion in the runs (missed letters are none), most frequent first; equal counts
// in alphabetical order of the letter sent, then of the letter read.
std::vector<Confusion> confusions(const std::vector<RunRecord> &runs);

// "S read as H: 7"
QString confusionText(const Confusion &confusion);

} // namespace blinket
