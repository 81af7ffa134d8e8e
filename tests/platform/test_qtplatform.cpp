// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/qtplatform.h"
#include "platform/randomsource.h"

#include <QElapsedTimer>
#include <QRasterWindow>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <thread>

using namespace blinket;

namespace {

class PaintCounter : public QRasterWindow
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT
private slots:
    void sleepsAtLeastItsDuration();
    void negativeDurationSleepsNothing();
    void keepsPaintingWhileAsleep();
    void processEventsRunsQueuedWork();
    void clockIsSecondsSinceMidnight();
    void randomNumbersStayInRangeAndRepeatFromASeed();
    void randomBitsMakeNumbersBelowOne_data();
    void randomBitsMakeNumbersBelowOne();
    void endingStopsEventProcessingAndSleeps();
    void aHandlerThatEndsTheProgramUnwindsItsCaller();
    void sleepGivesUpOnceTheApplicationExits();
};

void TestQtPlatform::sleepsAtLeastItsDuration()
{
    QtPlatform platform;
    for (const int ms : {0, 1, 3, 25}) {
        // After a break longer than the lamp's switching takes, a pause counts from now.
        std::this_thread::sleep_for(PauseSchedule::carry * 2);
        QElapsedTimer clock;
        clock.start();
        platform.Sleep(ms);
        QVERIFY2(clock.nsecsElapsed() >= qint64(ms) * 1000000, qPrintable(QString::number(ms)));
    }
    // Pauses in a row end on their schedule: together they last at least their sum.
    std::this_thread::sleep_for(PauseSchedule::carry * 2);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 5; ++i)
        platform.Sleep(4);
    QVERIFY(clock.nsecsElapsed() >= 20 * 1000000);
}

void TestQtPlatform::negativeDurationSleepsNothing()
{
    QtPlatform platform;
    QElapsedTimer clock;
    clock.start();
    platform.Sleep(-1);
    platform.Sleep(std::numeric_limits<qint32>::min());
    // An endless wait is the fault this guards against; any sane bound shows it is gone.
    QVERIFY(clock.elapsed() < 5000);
}

void TestQtPlatform::keepsPaintingWhileAsleep()
{
    QtPlatform platform;
    PaintCounter widget;
    widget.resize(50, 50);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    platform.processEvents();
    const int before = widget.paints;
    widget.update();
    platform.Sleep(50);
    QVERIFY(widget.paints > before);
}

void TestQtPlatform::processEventsRunsQueuedWork()
{
    QtPlatform platform;
    bool ran = false;
    QMetaObject::invokeMethod(
        this, [&] { ran = true; }, Qt::QueuedConnection);
    QVERIFY(!ran);
    platform.processEvents();
    QVERIFY(ran);
}

void TestQtPlatform::clockIsSecondsSinceMidnight()
{
    QtPlatform platform;
    const double expected = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    const float now = platform.Timer();
    QVERIFY(now >= 0.0f && now < 86400.0f);
    // Near midnight the two readings may straddle it.
    const double difference = std::abs(double(now) - expected);
    QVERIFY(difference < 2.0 || difference > 86398.0);
}

void TestQtPlatform::randomNumbersStayInRangeAndRepeatFromASeed()
{
    QtPlatform platform;
    platform.Randomize(36000.5f);
    std::vector<float> first;
    for (int i = 0; i < 10000; ++i) {
        const float r = platform.Rnd();
        QVERIFY(r >= 0.0f && r < 1.0f);
        first.push_back(r);
    }
    platform.Randomize(36000.5f);
    for (const float r : first)
        QCOMPARE(platform.Rnd(), r);
    platform.Randomize(36000.75f);
    int same = 0;
    for (const float r : first)
        same += platform.Rnd() == r ? 1 : 0;
    QVERIFY(same < 10);
}

void TestQtPlatform::randomBitsMakeNumbersBelowOne_data()
{
    QTest::addColumn<quint32>("bits");
    QTest::addColumn<float>("number");
    QTest::newRow("none") << 0u << 0.0f;
    QTest::newRow("below the 24 kept") << 0xFFu << 0.0f;
    QTest::newRow("half") << 0x80000000u << 0.5f;
    // The largest input gives the largest float below 1, never 1 itself.
    QTest::newRow("all") << 0xFFFFFFFFu << 0.99999994f;
}

void TestQtPlatform::randomBitsMakeNumbersBelowOne()
{
    QFETCH(quint32, bits);
    QFETCH(float, number);
    const float made = RandomSource::unitFromBits(bits);
    QCOMPARE(made, number);
    QVERIFY(made < 1.0f);
}

void TestQtPlatform::endingStopsEventProcessingAndSleeps()
{
    QtPlatform platform;
    bool ran = false;
    QMetaObject::invokeMethod(
        this, [&] { ran = true; }, Qt::QueuedConnection);
    platform.requestEnd();
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, platform.processEvents());
    QVERIFY(!ran);
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, platform.Sleep(0));
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, platform.Sleep(100));
    QVERIFY(platform.endRequested());
    QCoreApplication::processEvents();
}

void TestQtPlatform::aHandlerThatEndsTheProgramUnwindsItsCaller()
{
    QtPlatform platform;
    bool ran = false;
    QMetaObject::invokeMethod(
        this,
        [&] {
            ran = true;
            platform.requestEnd();
        },
        Qt::QueuedConnection);
    // The handler itself returns into Qt normally; the throw comes after Qt's call is over.
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, platform.processEvents());
    QVERIFY(ran);
}

void TestQtPlatform::sleepGivesUpOnceTheApplicationExits()
{
    QtPlatform platform;
    bool unwound = false;
    qint64 slept = -1;
    QTimer::singleShot(0, [&] {
        QElapsedTimer clock;
        clock.start();
        try {
            platform.Sleep(20000);
        } catch (const ProgramEnding &) {
            unwound = true;
        }
        slept = clock.elapsed();
    });
    // A timer is not user input, so it fires inside the sleep's own event loop, as a
    // repaint would; exiting the application ends that loop.
    QTimer::singleShot(50, [&] {
        platform.requestEnd();
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(60000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(unwound);
    // Left to itself the sleep would take the whole 20 s.
    QVERIFY2(slept >= 0 && slept < 20000, qPrintable(QString::number(slept)));
}

QTEST_MAIN(TestQtPlatform)
#include "test_qtplatform.moc"
