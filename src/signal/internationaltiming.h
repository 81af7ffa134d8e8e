// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QtGlobal>

#include <optional>

namespace blinket {

// How a run times its signs: this program's own timing (the time unit, lettertiming.h) or the
// International one.
enum class Timing { Own, International };

// A run on the International timing, in whole milliseconds: the dot of the letters (a dash is
// three, the gap inside a letter one), the gap that closes a letter and the whole gap between
// groups or words, from the end of the last letter's last flash.
struct InternationalTiming
{
    qint32 dotMs;
    qint32 letterGapMs;
    qint32 wordGapMs;
};

// The International timing at a speed in words a minute (PARIS and its word gap are 50 dots,
// so a dot lasts 1200 / speed ms; the gaps three and seven dots). With a letter speed above a
// positive speed, the letters take the letter speed's dot and the gaps are lengthened so that
// the run keeps the speed's pace: with c the letter speed and s the speed, a word's spacing of
// ta = (60 c - 37.2 s) / (c s) seconds, 3/19 of it to the gap between letters and 7/19 to the
// gap between words. Division by zero for a speed of 0.
// The milliseconds of a dot at a speed on the International timing: 1200 / speed, rounded.
qint32 internationalDotMs(double wordsPerMinute);

InternationalTiming internationalTiming(double wordsPerMinute,
                                        std::optional<double> letterWordsPerMinute);

} // namespace blinket
