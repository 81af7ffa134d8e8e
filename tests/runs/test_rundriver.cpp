// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakerunview.h"
#include "platform/runtimeerror.h"

#include <QTest>

using namespace blinket;
using Control = RunView::Control;

namespace {

const QString reduce =
    QStringLiteral("Command2- Image1+ Label4(0)- Label4(1)- Text1- Frame1- Frame2- off");
const QString restore = QStringLiteral("Text1+ Label4(0)+ Label4(1)+ Frame1+ Frame2+ on Command2+");
// Letters at a unit of 400 ms, events processed before each element and inside it.
const QString letterE = QStringLiteral("ev on ev 200 ev off ev 1000");
const QString letterT = QStringLiteral("ev on ev 1000 ev off ev 1000");
const QString letterK = QStringLiteral("ev on ev 1000 ev off ev 200 ev on ev 200 ev off ev 200 ev "
                                       "on ev 1000 ev off ev 200 ev off ev 1000");
// One gap block: two letter-closing pauses with events between them.
const QString gapBlock = QStringLiteral("off ev 1000 ev off ev 1000");

QString words(std::initializer_list<QString> parts)
{
    return QStringList(parts).join(QLatin1Char(' '));
}

int errorNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

class TestRunDriver : public QObject
{
    Q_OBJECT
private slots:
    void randomRunTimeline();
    void lessonRunTimeline();
    void lessonLeadInUsesTheUnitOfTheRunBefore();
    void unitFromSpeed_data();
    void unitFromSpeed();
    void twelveStepsMakeTwoGroups();
    void stopDuringTheLeadIn();
    void stopDuringALetterKeepsIt();
    void stopAtALetterBoundaryEndsAfterTheNextLetter();
    void lessonRunStopsTheSameWay();
    void runEndingByTimeOverrunsByLessThanAStep();
    void minutesAreReadAtEveryStep();
    void zeroOrNegativeMinutesSendNothing();
    void runAcrossMidnightEndsOnTime();
    void clockSetBackOrForwardDuringARunChangesNothing_data();
    void clockSetBackOrForwardDuringARunChangesNothing();
    void tryRunSendsParisAndIgnoresStop();
    void tryRunWithNoWordsLeavesTheLampLit();
    void badSpeedFailsBeforeTheLeadIn_data();
    void badSpeedFailsBeforeTheLeadIn();
    void lessonRunFailsOnBadSpeedAfterTheLeadIn();
    void badMinutesFailAfterTheLeadIn();
    void tryCountOutOfRangeOverflows();
    void restoreAfterErrorPutsTheWindowBack();
};

void TestRunDriver::randomRunTimeline()
{
    RunHarness run;
    run.view.text2 = QStringLiteral("0.2"); // 12 seconds: seven steps
    run.platform.scriptDraws({drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'),
                              drawFor('Q'), drawFor('T')});
    run.aToZ();
    QCOMPARE(run.platform.timeline(),
             words({reduce, QStringLiteral("ev off ev 1600 ev off ev 1600 Image1-"), letterE,
                    letterE, letterE, letterE, letterE, gapBlock, gapBlock, letterT, restore}));
    QCOMPARE(run.view.text1Value, QStringLiteral("EEEEE  T\r\n12  Sec."));
    QCOMPARE(run.state.Unit, qint16(400));
    QCOMPARE(run.state.Speed, QStringLiteral("4"));
    QCOMPARE(run.state.Running, qint16(1)); // ended by time
    QVERIFY(run.platform.lit());
    QVERIFY(run.state.Letter == QStringLiteral("T"));
}

void TestRunDriver::lessonRunTimeline()
{
    RunHarness run;
    run.view.text2 = QStringLiteral("0.2");
    // EISH: draws for E, E, E, E, E, a dropped one on the gap step, then S, E, E.
    std::vector<float> draws(6, drawForPlace(0, 4));
    draws.push_back(drawForPlace(2, 4));
    draws.push_back(drawForPlace(0, 4));
    draws.push_back(drawForPlace(0, 4));
    run.platform.scriptDraws(draws);
    run.runs.Command3_Click(3);
    const QString letterS = QStringLiteral(
        "ev on ev 200 ev off ev 200 ev on ev 200 ev off ev 200 ev on ev 200 ev off ev 1000");
    QCOMPARE(
        run.platform.timeline(),
        words({QStringLiteral("Image1+ Command2- Label4(0)- Label4(1)- Text1- Frame1- Frame2- off"),
               QStringLiteral("ev off ev 0 ev off ev 0 Image1-"), letterE, letterE, letterE,
               letterE, letterE, gapBlock, letterS, letterE, letterE, restore}));
    // The gap is half as long as in a random run; the last E starts at 11.2 s, before 12.
    QCOMPARE(run.view.text1Value, QStringLiteral("EEEEE  SEE\r\n12.4  Sec."));
    // The result line is written before the window comes back.
    const QString beforeRestore = run.platform.timeline().section(QStringLiteral("Text1+"), 0, 0);
    QVERIFY(run.view.stepsAtLastText1 <= std::size_t(beforeRestore.count(QLatin1Char(' '))));
}

void TestRunDriver::lessonLeadInUsesTheUnitOfTheRunBefore()
{
    RunHarness run;
    run.view.combo1 = QStringLiteral("8");
    run.view.text2 = QStringLiteral("0");
    run.aToZ();
    QCOMPARE(run.state.Unit, qint16(200));
    run.view.combo1 = QStringLiteral("4");
    run.platform.clearLog();
    run.runs.Command3_Click(4);
    QVERIFY(
        run.platform.timeline().contains(QStringLiteral("ev off ev 800 ev off ev 800 Image1-")));
    QCOMPARE(run.state.Unit, qint16(400));
}

void TestRunDriver::unitFromSpeed_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("unit");
    QTest::newRow("4") << QStringLiteral("4") << 400;
    QTest::newRow("6") << QStringLiteral("6") << 267;
    QTest::newRow("8") << QStringLiteral("8") << 200;
    QTest::newRow("640 halfway to even") << QStringLiteral("640") << 2;
    QTest::newRow("3200 halfway to even") << QStringLiteral("3200") << 0;
    QTest::newRow("typed with spaces") << QStringLiteral(" 5 ") << 320;
}

void TestRunDriver::unitFromSpeed()
{
    QFETCH(QString, speed);
    QFETCH(int, unit);
    RunHarness run;
    run.view.combo1 = speed;
    run.view.text2 = QStringLiteral("0");
    run.aToZ();
    QCOMPARE(run.state.Unit, qint16(unit));
    QCOMPARE(run.platform.sleptMs(), 2 * 4 * unit);
}

void TestRunDriver::twelveStepsMakeTwoGroups()
{
    RunHarness run;
    // Twelve steps of E with two gaps take 20 s.
    run.view.text2 = QStringLiteral("0.3333333");
    run.platform.scriptDraws(std::vector<float>(12, drawFor('E')));
    run.aToZ();
    QCOMPARE(run.view.text1Value, QStringLiteral("EEEEE  EEEEE  \r\n20  Sec."));
}

void TestRunDriver::stopDuringTheLeadIn()
{
    RunHarness run;
    run.platform.at(1000, [&] { run.state.Running = 0; });
    run.aToZ();
    QCOMPARE(run.view.text1Value, QStringLiteral("\r\n0  Sec."));
    QCOMPARE(run.platform.sleptMs(), 3200);
    QCOMPARE(run.state.Running, qint16(0));
}

void TestRunDriver::stopDuringALetterKeepsIt()
{
    RunHarness run;
    run.platform.scriptDraws({drawFor('K'), drawFor('E')});
    // K starts at 3.2 s; the click lands in its middle.
    run.platform.at(3200 + 1500, [&] { run.state.Running = 0; });
    run.aToZ();
    QCOMPARE(run.view.text1Value, QStringLiteral("K\r\n3.8  Sec."));
    QVERIFY(run.platform.timeline().contains(letterK + QStringLiteral(" ") + restore));
}

void TestRunDriver::stopAtALetterBoundaryEndsAfterTheNextLetter()
{
    RunHarness run;
    run.platform.scriptDraws({drawFor('E'), drawFor('T'), drawFor('E')});
    // At the very end of E the next event processing is already inside T.
    run.platform.at(3200 + 1200, [&] { run.state.Running = 0; });
    run.aToZ();
    QCOMPARE(run.view.text1Value, QStringLiteral("ET\r\n3.2  Sec."));
}

void TestRunDriver::lessonRunStopsTheSameWay()
{
    RunHarness run;
    run.platform.scriptDraws({drawForPlace(1, 2), drawForPlace(0, 2)}); // G, then W
    run.platform.at(100, [&] { run.state.Running = 0; });
    run.runs.Command3_Click(4);
    // The lead-in had no length, so the click is seen inside G.
    QCOMPARE(run.view.text1Value, QStringLiteral("G\r\n3.8  Sec."));
}

void TestRunDriver::runEndingByTimeOverrunsByLessThanAStep()
{
    for (const char *minutes : {"0.05", "0.07", "0.1", "0.13"}) {
        RunHarness run;
        run.view.text2 = QString::fromLatin1(minutes);
        run.platform.Randomize(7.0f);
        run.aToZ();
        const double limit = QString::fromLatin1(minutes).toDouble() * 60.0;
        const double shown = run.view.text1Value.section(QStringLiteral("\r\n"), 1)
                                 .section(QLatin1Char(' '), 0, 0)
                                 .toDouble();
        QVERIFY2(shown >= limit, minutes);
        QVERIFY2(shown < limit + 4.8, minutes); // J, Q and Y last 4.8 s at this speed
        QVERIFY(std::abs(shown * 1000.0 - double(run.platform.now() - 3200)) < 1.0);
    }
}

void TestRunDriver::minutesAreReadAtEveryStep()
{
    RunHarness run;
    run.view.text2 = QStringLiteral("10");
    run.platform.scriptDraws({drawFor('E'), drawFor('E'), drawFor('E')});
    run.platform.at(3200 + 1300, [&] { run.view.text2 = QStringLiteral("0"); });
    run.aToZ();
    QCOMPARE(run.view.text1Value, QStringLiteral("EE\r\n2.4  Sec."));
}

void TestRunDriver::zeroOrNegativeMinutesSendNothing()
{
    for (const char *minutes : {"0", "-2"}) {
        RunHarness run;
        run.view.text2 = QString::fromLatin1(minutes);
        run.aToZ();
        QCOMPARE(run.view.text1Value, QStringLiteral("\r\n0  Sec."));
        run.platform.clearLog();
        run.runs.Command3_Click(12);
        QCOMPARE(run.view.text1Value, QStringLiteral("\r\n0  Sec."));
    }
}

void TestRunDriver::runAcrossMidnightEndsOnTime()
{
    RunHarness run;
    run.platform.setTimeOfDay(86400.0 - 5.0); // the lead-in ends 1.8 s before midnight
    run.view.text2 = QStringLiteral("0.1");
    run.platform.scriptDraws(std::vector<float>(5, drawFor('T')));
    run.aToZ();
    // The third T ends 6 s after the start, 4.2 s after midnight.
    QCOMPARE(run.view.text1Value, QStringLiteral("TTT\r\n6  Sec."));
}

void TestRunDriver::clockSetBackOrForwardDuringARunChangesNothing_data()
{
    QTest::addColumn<double>("shift"); // seconds the time of day jumps by, 5 s into the run
    QTest::newRow("daylight saving ends") << -3600.0;
    QTest::newRow("corrected back by a second") << -1.0;
    QTest::newRow("set forward an hour") << 3600.0;
}

void TestRunDriver::clockSetBackOrForwardDuringARunChangesNothing()
{
    QFETCH(double, shift);
    RunHarness run;
    run.platform.setTimeOfDay(36000.0);
    run.view.text2 = QStringLiteral("0.2"); // 12 seconds: seven steps
    run.platform.scriptDraws({drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'),
                              drawFor('Q'), drawFor('T')});
    run.platform.at(5000, [&] { run.platform.setTimeOfDay(36000.0 + shift); });
    run.aToZ();
    QCOMPARE(run.view.text1Value, QStringLiteral("EEEEE  T\r\n12  Sec."));
}

void TestRunDriver::tryRunSendsParisAndIgnoresStop()
{
    RunHarness run;
    run.platform.at(10000, [&] { run.state.Running = 0; });
    run.tryRun();
    QCOMPARE(run.view.text1Value,
             QStringLiteral("PARIS ").repeated(12) + QStringLiteral("\r\n172.8  Sec."));
    QCOMPARE(run.platform.sleptMs(), 3200 + 172800);
    QVERIFY(!run.platform.lit());
    // The window is back before the first word.
    const QString timeline = run.platform.timeline();
    QVERIFY(timeline.indexOf(restore) < timeline.indexOf(QStringLiteral("ev on ev 200")));
    QVERIFY(run.state.Letter.isEmpty());
}

void TestRunDriver::tryRunWithNoWordsLeavesTheLampLit()
{
    RunHarness run;
    run.view.text2 = QStringLiteral("0.1"); // 0.4 words round to none
    run.tryRun();
    QCOMPARE(run.view.text1Value, QStringLiteral("\r\n0  Sec."));
    QVERIFY(run.platform.lit());
}

void TestRunDriver::badSpeedFailsBeforeTheLeadIn_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("error");
    QTest::newRow("empty") << QString() << 13;
    QTest::newRow("word") << QStringLiteral("fast") << 13;
    QTest::newRow("zero") << QStringLiteral("0") << 11;
    QTest::newRow("too slow for the unit") << QStringLiteral("0.04") << 6;
    QTest::newRow("too slow for the long pause") << QStringLiteral("0.1") << 6;
}

void TestRunDriver::badSpeedFailsBeforeTheLeadIn()
{
    QFETCH(QString, speed);
    QFETCH(int, error);
    RunHarness run;
    run.view.combo1 = speed;
    QCOMPARE(errorNumber([&] { run.aToZ(); }), error);
    // The window was reduced first; no sleep happened.
    QVERIFY(!run.view.isShown(Control::Frame2));
    QCOMPARE(run.platform.sleptMs(), 0);
    QCOMPARE(run.state.Speed, speed);
}

void TestRunDriver::lessonRunFailsOnBadSpeedAfterTheLeadIn()
{
    RunHarness run;
    run.state.Unit = 400;
    run.view.combo1 = QStringLiteral("0");
    QCOMPARE(errorNumber([&] { run.runs.Command3_Click(1); }), 11);
    QCOMPARE(run.platform.sleptMs(), 3200);
    QVERIFY(!run.view.isShown(Control::Image1));
}

void TestRunDriver::badMinutesFailAfterTheLeadIn()
{
    RunHarness run;
    run.view.text2 = QStringLiteral("three");
    QCOMPARE(errorNumber([&] { run.aToZ(); }), 13);
    QCOMPARE(run.platform.sleptMs(), 3200);
    run.view.text2 = QStringLiteral("1e308");
    QCOMPARE(errorNumber([&] { run.aToZ(); }), 6);
}

void TestRunDriver::tryCountOutOfRangeOverflows()
{
    RunHarness run;
    run.view.text2 = QStringLiteral("10000"); // 40000 words
    QCOMPARE(errorNumber([&] { run.tryRun(); }), 6);
    QCOMPARE(run.view.text1Value, QString());
}

void TestRunDriver::restoreAfterErrorPutsTheWindowBack()
{
    RunHarness run;
    run.view.combo1 = QStringLiteral("x");
    QCOMPARE(errorNumber([&] { run.aToZ(); }), 13);
    run.sender.restoreAfterError();
    for (const Control control : {Control::Command2, Control::Label4_0, Control::Label4_1,
                                  Control::Text1, Control::Frame1, Control::Frame2})
        QVERIFY(run.view.isShown(control));
    QVERIFY(!run.view.isShown(Control::Image1));
    QVERIFY(run.platform.lit());
}

QTEST_GUILESS_MAIN(TestRunDriver)
#include "test_rundriver.moc"
