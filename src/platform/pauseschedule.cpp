// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/pauseschedule.h"

namespace blinket {

PauseSchedule::Clock::time_point PauseSchedule::deadline(Clock::time_point now, qint32 ms)
{
    const bool follows = m_previous && now >= *m_previous && now - *m_previous <= carry;
    const Clock::time_point start = follows ? *m_previous : now;
    m_previous = start + std::chrono::milliseconds(qMax(ms, 0));
    return *m_previous;
}

} // namespace blinket
