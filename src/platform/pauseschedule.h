// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QtGlobal>

#include <chrono>
#include <optional>

namespace blinket {

// When each pause of the lamp is due to end. A pause that begins right after the previous
// one ended, with only a lamp switch and some event processing between them, counts from
// that end, so the moments these take do not add up over a run and every lamp state lasts
// its nominal time; after a longer break (a run's start, a message box) it counts from now.
class PauseSchedule
{
public:
    using Clock = std::chrono::steady_clock;
    // The most that may pass between two pauses for the second to count from the first.
    static constexpr std::chrono::milliseconds carry{5};

    Clock::time_point deadline(Clock::time_point now, qint32 ms);

private:
    std::optional<Clock::time_point> m_previous;
};

} // namespace blinket
