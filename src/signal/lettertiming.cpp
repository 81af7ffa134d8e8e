// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/lettertiming.h"

#include "platform/numeric.h"

namespace blinket {

namespace {

// PARIS: nineteen half-unit elements (dots and inner gaps) and four dashes inside its letters,
// 19.5 units; five closing gaps of 2.5 units.
constexpr int halfUnitElementsOfParis = 19;
constexpr int dashesOfParis = 4;
constexpr double closingUnitsOfParis = 12.5;

// What the inside of PARIS takes as sent, each element rounded on its own: at an odd unit
// that differs from 19.5 units, and the difference would otherwise stay in the run's pace.
double parisInsideMs(qint16 unit)
{
    return double(halfUnitElementsOfParis) * elementMs(unit, 0.5) +
           double(dashesOfParis) * elementMs(unit, 2.5);
}

} // namespace

qint32 elementMs(qint16 unit, double units)
{
    // Every 16-bit unit times 0.5 or 2.5 is exact in a double, and odd units land exactly
    // halfway, where the even neighbour is taken.
    return toInt32(static_cast<double>(unit) * units);
}

std::optional<LetterTiming> letterTiming(qint16 unit, qint16 letterUnit, double groupPauseUnits)
{
    if (unit <= 0 || letterUnit < 0 || letterUnit >= unit)
        return std::nullopt;
    const double savedMs = parisInsideMs(unit) - parisInsideMs(letterUnit);
    return LetterTiming{letterUnit,
                        double(unit) + savedMs / (closingUnitsOfParis + groupPauseUnits)};
}

} // namespace blinket
