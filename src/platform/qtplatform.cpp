// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/qtplatform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace blinket {

namespace {

// Qt's event loop waits in whole milliseconds and may wake up to one late, so the nested
// loop hands over this much before the deadline and a plain sleep of the thread (not a
// busy wait) takes it the rest of the way.
constexpr std::chrono::microseconds finishingStretch{2000};

// Handles events with flags until ms milliseconds have passed, or the program ends.
void runEventsFor(std::chrono::milliseconds ms, QEventLoop::ProcessEventsFlags flags)
{
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec(flags);
}

} // namespace

QtPlatform::QtPlatform()
{
#ifdef __linux__
    // Without this the kernel may wake a sleeping thread up to 50 microseconds late, on
    // purpose, to save power; the lamp's pauses should end when they are due.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
}

void QtPlatform::processEvents()
{
    throwIfEnding();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // A handler that ran just now may have ended the program; we are back in our own frames,
    // where the exception may travel.
    throwIfEnding();
}

void QtPlatform::Sleep(qint32 ms)
{
    throwIfEnding();
    using Clock = PauseSchedule::Clock;
    const Clock::time_point now = Clock::now();
    const Clock::time_point deadline = m_schedule.deadline(now, ms);
    const auto loopPart =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now - finishingStretch);
    if (loopPart.count() > 0) {
        // Repaints go on while the lamp holds its state; clicks wait in the queue. Ending the
        // program makes this loop return at once; the rest is not slept.
        runEventsFor(loopPart, QEventLoop::ExcludeUserInputEvents);
        throwIfEnding();
    }
    std::this_thread::sleep_until(deadline);
}

void QtPlatform::awaitEvents(qint32 ms)
{
    throwIfEnding();
    runEventsFor(std::chrono::milliseconds(std::max(ms, 0)), QEventLoop::AllEvents);
    throwIfEnding();
}

float QtPlatform::Timer()
{
    const QTime now = QTime::currentTime();
    return static_cast<float>(now.msecsSinceStartOfDay()) / 1000.0f;
}

double QtPlatform::steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace blinket
