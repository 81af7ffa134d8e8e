// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/programending.h"

#include <QtGlobal>

namespace blinket {

// What the program asks of its surroundings while it signals: event processing, blocking
// pauses, the time of day and random numbers. Production code runs on QtPlatform; tests
// run on a fake with a virtual clock.
class Platform
{
public:
    virtual ~Platform() = default;

    // Handles every pending window event now (queued clicks included) and paints.
    virtual void processEvents() = 0;
    // Holds the thread for ms milliseconds; the window keeps painting but user input waits
    // for the next processEvents(). A negative duration sleeps 0 ms.
    virtual void Sleep(qint32 ms) = 0;
    // Handles window events as they come, user input included, for about ms milliseconds: for
    // an exercise that answers the learner's keys at once.
    virtual void awaitEvents(qint32 ms) = 0;
    // Seconds since local midnight, with a fraction.
    virtual float Timer() = 0;
    // Seconds on a clock that only ever moves forward at a steady pace, whatever happens to
    // the time of day (a clock set back, daylight saving); for timing runs.
    virtual double steadySeconds() = 0;
    // Restarts the random sequence from a seed.
    virtual void Randomize(float seed) = 0;
    // The next uniform random number r, 0 <= r < 1.
    virtual float Rnd() = 0;

    // From now on, for good, processEvents() and Sleep() throw ProgramEnding instead of
    // returning, so every run in progress unwinds at its next element.
    void requestEnd() { m_endRequested = true; }
    bool endRequested() const { return m_endRequested; }

protected:
    // Every processEvents() and Sleep() calls this before its work and after it.
    void throwIfEnding() const
    {
        if (m_endRequested)
            throw ProgramEnding();
    }

private:
    bool m_endRequested = false;
};

} // namespace blinket
