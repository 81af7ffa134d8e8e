// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/timeunit.h"

#include "platform/numeric.h"
#include "signal/lettertiming.h"

namespace blinket {

namespace {

constexpr double unitMsAtOneWordPerMinute = 1600.0;

} // namespace

qint16 unitOfSpeed(double wordsPerMinute)
{
    return toInt16(divide(unitMsAtOneWordPerMinute, wordsPerMinute));
}

qint32 dotMsAtSpeed(double wordsPerMinute, Timing timing)
{
    if (timing == Timing::International)
        return internationalDotMs(wordsPerMinute);
    return elementMs(unitOfSpeed(wordsPerMinute), 0.5);
}

int highestVisibleSpeed(Timing timing)
{
    // Dots only shorten as the speed grows, so the first speed too fast ends the search.
    int speed = 1;
    while (dotMsAtSpeed(speed + 1, timing) >= shortestDotMs)
        ++speed;
    return speed;
}

} // namespace blinket
