// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "signal/characters.h"

#include <QChar>
#include <QString>
#include <QStringView>

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
    // The first character of a group sent (a word of a text run); never an extra one.
    bool startsGroup = false;

    friend bool operator==(const AlignedLetter &, const AlignedLetter &) = default;
};

// One character's tally over a run: how often it was sent, read right, missed, and read as
// each other character, by their places in sendableCharacters().
struct LetterTally
{
    int sent = 0;
    int right = 0;
    int missed = 0;
    std::array<int, sendableCount> readAs{}; // wrong readings, by the character typed

    // The character it was most often mistaken for, the earliest in sendableCharacters() on a
    // tie; null when it was never read wrong.
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
    int leftOut = 0; // characters of the copy past its limit (copyLimit), not scored
    // The groups sent (a text run's words), and those read right: each of their characters
    // right and no extra one typed between two of them.
    int groups = 0;
    int groupsRight = 0;
    std::array<LetterTally, sendableCount> letters{}; // by character sent

    // The accuracy in whole percent (wholePercent): right letters in hundredths of the letters
    // sent and the extra ones typed.
    int percent() const;
    // "N of M right (P %)"
    QString summary() const;
    // Whether the learner typed a copy at all: anything in it that stands for a character.
    bool copyTyped() const { return right + wrong + extra > 0; }
};

// Aligns a copy with what a run sent at the least number of edits (a wrong, missed or extra
// character each cost one) and scores it. Both texts count only the characters that stand for
// something in a copy of the run (copyCharacters with runCharacters, what the run draws from
// besides the letters A to Z), and of the copy no more than copyLimit of the characters sent:
// checking stays quick whatever the copy holds. A space in what was sent starts a new group.
CopyScore scoreCopy(const QString &sent, const QString &copy, QStringView runCharacters = {});

} // namespace blinket
