// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/accuracy.h"
#include "runs/keyingfigures.h"
#include "runs/runkind.h"
#include "signal/characters.h"
#include "signal/internationaltiming.h"
#include "signal/lightconditions.h"

#include <QChar>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace blinket {

// What became of one sent letter: read right (readAs is sent, a Hebrew final form as its
// letter), read as another letter, or missed (readAs null).
struct LetterOutcome
{
    QChar sent;
    QChar readAs;

    bool right() const { return !readAs.isNull() && readsAs(readAs, sent); }
    bool missed() const { return readAs.isNull(); }
    friend bool operator==(const LetterOutcome &, const LetterOutcome &) = default;
};

// One scored run as the practice history keeps it.
struct RunRecord
{
    qint64 id = 0;        // given by the history when stored
    QDateTime startedUtc; // when the run started
    RunKind kind = RunKind::AtoZ;
    int lesson = 0;  // a lesson run's: 1 to 12, 101 to 108 for Hebrew lesson 1 to 8; else 0
    QString speed;   // the speed text as typed
    qint16 unit = 0; // milliseconds per time unit
    QString minutes; // the minutes text as typed
    double elapsedSeconds = 0.0;
    QString sent; // the letters sent, A to Z only
    QString copy; // the letters typed, A to Z only
    int right = 0;
    int wrong = 0;
    int missed = 0;
    int extra = 0;
    int repeats = 0; // in a message drill, how often the learner asked for a group again
    Timing timing = Timing::Own;         // how the run timed its signs
    LightConditions light;               // how the lamp was seen; a keying's is clear
    std::vector<LetterOutcome> outcomes; // one per sent letter, in order
    // How a keying was formed; nothing for every other kind of run.
    std::optional<KeyingFigures> keying;

    // The run's accuracy in whole percent, extra letters counting against it (wholePercent).
    int accuracy() const { return wholePercent(right, sent.size(), extra); }
    // Whether its letters tell how the learner reads: a keying's were sent by the learner and
    // read by the program, so a slip in them is one of the hand, not of the eye.
    bool readsLetters() const { return kind != RunKind::Keying; }
};

} // namespace blinket
