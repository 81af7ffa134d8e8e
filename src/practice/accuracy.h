// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

namespace blinket {

// How well something was read, in whole percent: the right readings in hundredths of all the
// readings, an extra character typed counting as one more reading that was not right (junk
// typed after the letters costs as much as a letter read wrong). Cut down to the whole percent
// below, so that a score never shows more than was read: 89.6 % is 89 %, short of the 90 % of
// a mastered lesson, and 99.6 % is not a perfect run. 0 when there was nothing to read.
// Every window shows accuracies through this, and mastery is judged on it.
inline int wholePercent(qint64 right, qint64 sent, qint64 extra = 0)
{
    const qint64 readings = sent + extra;
    return readings <= 0 ? 0 : int(100 * right / readings);
}

// "89 %"; as the learner's language writes a percentage (Hebrew sets the sign beside the
// figure: a space between them would let a right-to-left line put the sign on the far side).
inline QString percentText(int percent)
{
    return QCoreApplication::translate("Accuracy", "%1 %").arg(percent);
}

// A lesson is mastered at this accuracy or more in each of its last runs.
inline constexpr int masteredPercent = 90;
// A message exam is passed at this accuracy or more, as the watchkeeper's flashing-light test
// is.
inline constexpr int examPassPercent = 70;
inline bool examPassed(int percent)
{
    return percent >= examPassPercent;
}

// How many of a character's latest readings its accuracy is judged on.
inline constexpr int recentReadings = 50;
// How many readings a character needs before it can be called the weakest.
inline constexpr int weakestReadings = 10;

} // namespace blinket
