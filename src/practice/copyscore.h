// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <vector>

namespace blinket {

// How one place of the learner's copy lines up with the letters sent.
enum class Mark { Right, Wrong, Missed, Extra };

struct AlignedLetter
{
    Mark mark;
    QChar sent;  // null for an extra letter
    QChar typed; // null for a missed letter

    friend bool operator==(const AlignedLetter &, const AlignedLetter &) = default;
};

// One letter's tally over a run: how often it was sent, read right, missed, and read as
// each other letter.
struct LetterTally
{
    int sent = 0;
    int right = 0;
    int missed = 0;
    std::array<int, 26> readAs{}; // wrong readings, by the letter typed (A = 0)

    // The letter it was most often mistaken for, the earliest in the alphabet on a tie; null
    // when it was never read wrong.
    QChar mostOftenReadAs() const;
};

// The copy scored against the letters sent. Wrong, missed and extra letters all count against
// it: a copy padded with junk scores no better than one that reads it wrong.
struct CopyScore
{
    std::vector<AlignedLetter> aligned; // in reading order
    int sent = 0;
    int right = 0;
    int wrong = 0;
    int missed = 0;
    int extra = 0;
    std::array<LetterTally, 26> letters{}; // by sent letter, A = 0

    // The accuracy in whole percent (wholePercent): right letters in hundredths of the letters
    // sent and the extra ones typed.
    int percent() const;
    // "N of M right (P %)"
    QString summary() const;
};

// The letters A to Z of a text, upper-cased, in order; everything else is dropped.
QString lettersOnly(const QString &text);

// Aligns the copy with the letters sent at the least number of edits (a wrong, missed or
// extra letter each cost one) and scores it. Both texts go through lettersOnly first.
CopyScore scoreCopy(const QString &sent, const QString &copy);

} // namespace blinket
