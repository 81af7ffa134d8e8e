// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/internationaltiming.h"

#include "platform/numeric.h"

namespace blinket {

namespace {

constexpr double dotMsAtOneWordPerMinute = 1200.0;
constexpr int letterGapDots = 3;
constexpr int wordGapDots = 7;
// A word's spacing falls to its four letter gaps and its word gap: 4 x 3 + 7 dots.
constexpr double spacingDotsOfParis = 19.0;

} // namespace

qint32 internationalDotMs(double wordsPerMinute)
{
    return toInt32(divide(dotMsAtOneWordPerMinute, wordsPerMinute));
}

InternationalTiming internationalTiming(double wordsPerMinute,
                                        std::optional<double> letterWordsPerMinute)
{
    const qint32 dotMs = internationalDotMs(wordsPerMinute);
    if (!letterWordsPerMinute || wordsPerMinute <= 0.0 || *letterWordsPerMinute <= wordsPerMinute)
        return {dotMs, dotMs * letterGapDots, dotMs * wordGapDots};
    const double c = *letterWordsPerMinute;
    const double s = wordsPerMinute;
    const double spacingMs = 1000.0 * (60.0 * c - 37.2 * s) / (c * s);
    return {internationalDotMs(c), toInt32(spacingMs * letterGapDots / spacingDotsOfParis),
            toInt32(spacingMs * wordGapDots / spacingDotsOfParis)};
}

} // namespace blinket
