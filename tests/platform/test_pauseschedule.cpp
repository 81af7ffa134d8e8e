// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/pauseschedule.h"

#include <QTest>

using namespace blinket;
using namespace std::chrono_literals;
using Clock = PauseSchedule::Clock;

class TestPauseSchedule : public QObject
{
    Q_OBJECT
private slots:
    void firstPauseCountsFromNow();
    void followingPausesCountFromThePreviousEnd();
    void aLongBreakStartsAfresh();
    void negativeAndZeroPausesEndAtOnce();
};

namespace {
const Clock::time_point t0 = Clock::time_point() + 1h;
}

void TestPauseSchedule::firstPauseCountsFromNow()
{
    PauseSchedule schedule;
    QCOMPARE(schedule.deadline(t0, 200), t0 + 200ms);
}

void TestPauseSchedule::followingPausesCountFromThePreviousEnd()
{
    PauseSchedule schedule;
    Clock::time_point end = schedule.deadline(t0, 200);
    // The lamp switch and event processing took 0.3 ms; the next state still lasts 1000 ms.
    end = schedule.deadline(end + 300us, 1000);
    QCOMPARE(end, t0 + 1200ms);
    // Waking up late does not shorten the next pause more than the lateness.
    end = schedule.deadline(end + PauseSchedule::carry, 200);
    QCOMPARE(end, t0 + 1400ms);
}

void TestPauseSchedule::aLongBreakStartsAfresh()
{
    PauseSchedule schedule;
    const Clock::time_point end = schedule.deadline(t0, 200);
    const Clock::time_point later = end + PauseSchedule::carry + 1us;
    QCOMPARE(schedule.deadline(later, 200), later + 200ms);
    // A pause asked for before the previous one ended (cut short) also starts afresh.
    const Clock::time_point early = later + 100ms;
    QCOMPARE(schedule.deadline(early, 50), early + 50ms);
}

void TestPauseSchedule::negativeAndZeroPausesEndAtOnce()
{
    PauseSchedule schedule;
    QCOMPARE(schedule.deadline(t0, -5), t0);
    QCOMPARE(schedule.deadline(t0 + 1ms, 0), t0);
    QCOMPARE(schedule.deadline(t0 + 1ms, 10), t0 + 10ms);
}

QTEST_GUILESS_MAIN(TestPauseSchedule)
#include "test_pauseschedule.moc"
