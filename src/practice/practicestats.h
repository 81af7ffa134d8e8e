// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"
#include "signal/characters.h"

#include <QChar>
#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The statistics of the Progress window. Each takes the runs in time order, oldest first,
// as PracticeHistory::allRuns gives them.

namespace blinket {

// One run on the accuracy chart.
struct AccuracyPoint
{
    qint64 runId = 0;
    QDateTime startedUtc;
    int accuracy = 0;           // RunRecord::accuracy()
    double recentAverage = 0.0; // over this run and up to four before it in the series
};

// The accuracy of each run in time order, of every run or of one lesson's runs only, with
// its moving average over the last five runs.
std::vector<AccuracyPoint> accuracySeries(const std::vector<RunRecord> &runs,
                                          std::optional<int> lesson = std::nullopt);

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

// Each letter A to Z over its most recent outcomes (50 unless asked otherwise).
std::array<LetterAccuracy, sendableCount> letterAccuracies(const std::vector<RunRecord> &runs,
                                                           int recent = 50);

// The letter of lowest accuracy among those with at least one outcome, the earliest in the
// alphabet on a tie; nothing when no letter has an outcome.
std::optional<QChar> weakestLetter(const std::array<LetterAccuracy, sendableCount> &letters);

// A letter sent and read as another, and how often.
struct Confusion
{
    QChar sent;
    QChar readAs;
    int count = 0;

    friend bool operator==(const Confusion &, const Confusion &) = default;
};

// Every confusion in the runs (missed letters are none), most frequent first; equal counts
// in alphabetical order of the letter sent, then of the letter read.
std::vector<Confusion> confusions(const std::vector<RunRecord> &runs);

// "S read as H: 7"
QString confusionText(const Confusion &confusion);

} // namespace blinket
