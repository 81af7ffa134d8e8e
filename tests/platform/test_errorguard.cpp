// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "platform/errorguard.h"
#include "recordingreporter.h"

#include <QTest>

using namespace blinket;

class TestErrorGuard : public QObject
{
    Q_OBJECT
private slots:
    void passesQuietHandlersThrough();
    void reportsEscapedErrorsAndGoesOn();
    void restoresBeforeReporting();
    void nestedHandlersReportOnTheirOwn();
    void endingUnwindsAHandlerWithoutAWord();
    void noHandlerStartsOnceEnding();
    void errorsOnTheWayOutAreNotReported();
    void everyNestedRunUnwinds();
};

void TestErrorGuard::passesQuietHandlersThrough()
{
    RecordingReporter reporter;
    ErrorGuard guard(reporter);
    int calls = 0;
    bool recovered = false;
    guard.run([&] { ++calls; }, [&] { recovered = true; });
    QCOMPARE(calls, 1);
    QVERIFY(!recovered);
    QVERIFY(reporter.reports.isEmpty());
}

void TestErrorGuard::reportsEscapedErrorsAndGoesOn()
{
    RecordingReporter reporter;
    ErrorGuard guard(reporter);
    guard.run([] { throw RuntimeError::typeMismatch(); });
    guard.run([] { throw RuntimeError::overflow(); });
    bool ranAfterwards = false;
    guard.run([&] { ranAfterwards = true; });
    QCOMPARE(reporter.reports, QStringList({QStringLiteral("Run-time error '13': Type mismatch"),
                                            QStringLiteral("Run-time error '6': Overflow")}));
    QVERIFY(ranAfterwards);
}

void TestErrorGuard::restoresBeforeReporting()
{
    QStringList order;
    struct OrderReporter : ErrorReporter
    {
        QStringList *order;
        void report(const RuntimeError &) override { *order << QStringLiteral("report"); }
    } reporter;
    reporter.order = &order;
    ErrorGuard guard(reporter);
    guard.run([] { throw RuntimeError::divisionByZero(); },
              [&] { order << QStringLiteral("recover"); });
    QCOMPARE(order, QStringList({QStringLiteral("recover"), QStringLiteral("report")}));
}

void TestErrorGuard::nestedHandlersReportOnTheirOwn()
{
    RecordingReporter reporter;
    ErrorGuard guard(reporter);
    bool outerFinished = false;
    guard.run([&] {
        guard.run([] { throw RuntimeError::overflow(); });
        outerFinished = true;
    });
    QVERIFY(outerFinished);
    QCOMPARE(reporter.reports.size(), 1);
}

void TestErrorGuard::endingUnwindsAHandlerWithoutAWord()
{
    RecordingReporter reporter;
    FakePlatform platform;
    ErrorGuard guard(reporter, &platform);
    bool recovered = false;
    int sleepsAfterTheEnd = 0;
    guard.run(
        [&] {
            platform.Sleep(10);
            platform.requestEnd();
            platform.Sleep(10);
            ++sleepsAfterTheEnd;
        },
        [&] { recovered = true; });
    QCOMPARE(sleepsAfterTheEnd, 0);
    QCOMPARE(platform.sleptMs(), 10);
    QVERIFY(!recovered);
    QVERIFY(reporter.reports.isEmpty());
}

void TestErrorGuard::noHandlerStartsOnceEnding()
{
    RecordingReporter reporter;
    FakePlatform platform;
    ErrorGuard guard(reporter, &platform);
    int calls = 0;
    guard.run([&] { ++calls; });
    platform.requestEnd();
    guard.run([&] { ++calls; });
    guard.run([&] { ++calls; });
    QCOMPARE(calls, 1);
}

void TestErrorGuard::errorsOnTheWayOutAreNotReported()
{
    RecordingReporter reporter;
    FakePlatform platform;
    ErrorGuard guard(reporter, &platform);
    bool recovered = false;
    guard.run(
        [&] {
            platform.requestEnd();
            throw RuntimeError::overflow();
        },
        [&] { recovered = true; });
    QVERIFY(!recovered);
    QVERIFY(reporter.reports.isEmpty());
}

void TestErrorGuard::everyNestedRunUnwinds()
{
    // A click handled inside a run ends the program; the inner handler returns normally and
    // the outer run must still stop at its very next platform call.
    RecordingReporter reporter;
    FakePlatform platform;
    ErrorGuard guard(reporter, &platform);
    int outerSteps = 0;
    platform.at(25, [&] { guard.run([&] { platform.requestEnd(); }); });
    guard.run([&] {
        for (int i = 0; i < 100; ++i) {
            platform.processEvents();
            platform.Sleep(10);
            ++outerSteps;
        }
    });
    QCOMPARE(outerSteps, 3);
    QCOMPARE(platform.now(), 30);
    QVERIFY(reporter.reports.isEmpty());
}

QTEST_MAIN(TestErrorGuard)
#include "test_errorguard.moc"
