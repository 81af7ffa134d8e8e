// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace blinket {

// For each sent letter the letter read, or '-' for a missed one: a text as long as the letters
// sent, so that a run's outcomes are one short text instead of a row each.
QString readingsText(const std::vector<LetterOutcome> &outcomes);
// The outcomes a readings text stands for against the letters sent; nothing when the two do
// not fit together.
std::optional<std::vector<LetterOutcome>> outcomesFromReadings(QStringView sent,
                                                               QStringView readings);

// A start time as kept: UTC in ISO 8601 with milliseconds, "2026-12-08T15:30:12.345Z", so
// that the texts sort in time order.
QString startedText(const QDateTime &started);
// The time a kept text stands for, in UTC; an invalid time when it is not one.
QDateTime startedFromText(QStringView text);

// The word a timing is kept as: "own" or "international"; and the timing a word stands for.
QString timingWord(Timing timing);
std::optional<Timing> timingFromWord(QStringView word);

// Why a run cannot be kept as it is (no start time, outcomes that do not match the letters
// sent, letters other than A to Z); empty when it can.
QString recordProblem(const RunRecord &run);

} // namespace blinket
