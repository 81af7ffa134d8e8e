// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "signal/internationaltiming.h"

#include <QtGlobal>

namespace blinket {

// The time unit of a speed in words a minute: 1600 ms divided by the speed, to the nearest
// whole millisecond (halfway to even). Division by zero for 0, Overflow when it leaves 16 bits.
qint16 unitOfSpeed(double wordsPerMinute);

// The shortest dot the lamp is let show: two frames of a 60 Hz screen (33.3 ms), in the
// whole milliseconds the lamp keeps. A shorter dot is missed or merged by the screen.
inline constexpr qint32 shortestDotMs = 33;

// The milliseconds of a dot at the speed on a timing; Division by zero and Overflow as
// unitOfSpeed().
qint32 dotMsAtSpeed(double wordsPerMinute, Timing timing = Timing::Own);

// The highest whole speed whose dot the lamp is let show on a timing.
int highestVisibleSpeed(Timing timing = Timing::Own);

} // namespace blinket
