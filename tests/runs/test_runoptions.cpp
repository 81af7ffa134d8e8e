// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakerunview.h"
#include "platform/runtimeerror.h"

#include <QTest>

#include <numeric>

using namespace blinket;

class TestRunOptions : public QObject
{
    Q_OBJECT
private slots:
    void lampDurations_data();
    void lampDurations();
    void badLetterSpeedFailsAndIsForgotten();
    void internationalParis_data();
    void internationalParis();
    void internationalGroupGapIsSevenDots_data();
    void internationalGroupGapIsSevenDots();
    void randomRunsDrawFromTheChosenCharacters_data();
    void randomRunsDrawFromTheChosenCharacters();
};

void TestRunOptions::lampDurations_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("letterSpeed");
    // The lead-in's two pauses, then the letter A: dot, inner gap, dash, closing gap.
    QTest::addColumn<QList<qint32>>("durations");
    const auto row = [](const char *kind, const char *speed, const char *letterSpeed,
                        const QList<qint32> &ms) {
        QTest::addRow("%s, %s at '%s'", kind, speed, letterSpeed)
            << QString::fromLatin1(kind) << QString::fromLatin1(speed)
            << QString::fromLatin1(letterSpeed) << ms;
    };
    row("a to z", "5", "", {1280, 1280, 160, 160, 800, 800});
    row("a to z", "5", "  ", {1280, 1280, 160, 160, 800, 800});
    row("a to z", "5", "5", {1280, 1280, 160, 160, 800, 800});
    row("a to z", "10", "5", {640, 640, 80, 80, 400, 400});
    // The letters of PARIS save 4142 ms at 5 and 15, spread over its closing gaps and the
    // run's pause, 22.5 units: PARIS and its pause take as long as without.
    row("a to z", "5", "15", {2016, 2016, 54, 54, 268, 1260});
    row("a to z", "4", "20", {2709, 2709, 40, 40, 200, 1693});
    // At odd units each element rounds halfway to even, at the speed and the letter speed.
    row("a to z", "6", "18", {1689, 1689, 44, 44, 222, 1056});
    row("a to z", "4", "3200", {2987, 2987, 0, 0, 0, 1867}); // letters too fast to see
    // A lesson's shorter pause takes more of the time saved; its lead-in is the run's before.
    row("lesson", "4", "20", {0, 0, 40, 40, 200, 1891});
    // The speed check's pause between words is one long pause: 16.5 units share the saving.
    row("try", "5", "15", {2284, 2284});
}

void TestRunOptions::lampDurations()
{
    QFETCH(QString, kind);
    QFETCH(QString, speed);
    QFETCH(QString, letterSpeed);
    QFETCH(QList<qint32>, durations);
    RunHarness run;
    run.view.combo1 = speed;
    run.view.text2 = QStringLiteral("0.001");
    run.sender.setLetterSpeed(letterSpeed);
    if (kind == u"lesson") {
        run.platform.scriptDraws({drawForPlace(0, 3)});
        run.runs.Command3_Click(0); // AUV
    } else if (kind == u"try") {
        run.tryRun(); // no word in the time
    } else {
        run.platform.scriptDraws({drawFor('A')});
        run.aToZ();
    }
    QCOMPARE(run.platform.durations(), durations);
}

void TestRunOptions::badLetterSpeedFailsAndIsForgotten()
{
    for (const auto &[letterSpeed, error] : {std::pair(u"fast", 13), {u"0", 11}, {u"0.01", 6}}) {
        RunHarness run;
        run.view.text2 = QStringLiteral("0");
        run.sender.setLetterSpeed(QStringLiteral("20"));
        run.aToZ();
        run.sender.setLetterSpeed(QString::fromUtf16(letterSpeed));
        try {
            run.aToZ();
            QFAIL("no error");
        } catch (const RuntimeError &failed) {
            QCOMPARE(failed.number(), error);
        }
        // After the error the next lesson's lead-in is as short as after start-up.
        run.sender.restoreAfterError();
        run.sender.setLetterSpeed(QString());
        run.platform.clearLog();
        run.runs.Command3_Click(3);
        QCOMPARE(run.platform.durations().mid(0, 2), (QList<qint32>{0, 0}));
    }
}

void TestRunOptions::internationalParis_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("letterSpeed");
    // P's first dot and first dash, the gap closing P, and what the word's gap holds past the
    // gap closing S; then the whole of PARIS with its word gap.
    QTest::addColumn<QList<qint32>>("durations");
    QTest::addColumn<qint32>("parisMs");
    const auto row = [](int speed, const char *letterSpeed, const QList<qint32> &ms, qint32 paris) {
        QTest::addRow("%d at '%s'", speed, letterSpeed)
            << speed << QString::fromLatin1(letterSpeed) << ms << paris;
    };
    // 50 dots of 1200 / speed ms.
    row(5, "", {240, 720, 720, 960}, 12000);
    row(12, "", {100, 300, 300, 400}, 5000);
    row(20, "", {60, 180, 180, 240}, 3000);
    row(12, "10", {100, 300, 300, 400}, 5000);
    // 31 dots of the letter speed; ta = (60 c - 37.2 s) / (c s): 9.52 s, 3.14 s and 1.512 s,
    // 3/19 of it to each letter gap, 7/19 to the word gap, each to the whole millisecond.
    row(5, "15", {80, 240, 1503, 2004}, 11999);
    row(12, "20", {60, 180, 496, 661}, 5001);
    row(20, "25", {48, 144, 239, 318}, 3001);
}

void TestRunOptions::internationalParis()
{
    QFETCH(int, speed);
    QFETCH(QString, letterSpeed);
    QFETCH(QList<qint32>, durations);
    QFETCH(qint32, parisMs);
    RunHarness run;
    run.view.combo1 = QString::number(speed);
    run.view.text2 = QString::number(1.0 / speed); // one word
    run.sender.setLetterSpeed(letterSpeed);
    run.sender.setTiming(Timing::International);
    run.tryRun();
    // The lead-in's two pauses, then P: dot, gap, dash, gap, dash, gap, dot, closing gap.
    const QList<qint32> sent = run.platform.durations();
    QCOMPARE(sent.size(), 2 + 28 + 1);
    QCOMPARE((QList<qint32>{sent[2], sent[4], sent[9], sent.back()}), durations);
    QCOMPARE(std::accumulate(sent.begin() + 2, sent.end(), 0), parisMs);
}

void TestRunOptions::internationalGroupGapIsSevenDots_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<qint32>>("leadIn");
    // A to Z's lead-in is two pauses of four dots; a lesson's, after start-up, none.
    QTest::newRow("a to z") << QStringLiteral("a to z") << QList<qint32>{400, 400};
    QTest::newRow("lesson") << QStringLiteral("lesson") << QList<qint32>{0, 0};
}

void TestRunOptions::internationalGroupGapIsSevenDots()
{
    QFETCH(QString, kind);
    QFETCH(QList<qint32>, leadIn);
    RunHarness run;
    run.view.combo1 = QStringLiteral("12");
    // Five letters of 1200 ms, the sixth step's pause (its letter dropped), one more letter.
    run.view.text2 = QStringLiteral("0.12");
    run.sender.setTiming(Timing::International);
    if (kind == u"lesson") {
        run.platform.scriptDraws(std::vector<float>(7, drawForPlace(0, 2)));
        run.runs.Command3_Click(5); // KR
    } else {
        run.platform.scriptDraws(std::vector<float>(7, drawFor('K')));
        run.aToZ();
    }
    // At 12 words a minute K closes without an extra gap, and the group's pause adds four dots
    // to the closing gap.
    const QList<qint32> k{300, 100, 100, 100, 300, 300};
    QCOMPARE(run.platform.durations(), leadIn + k + k + k + k + k + QList<qint32>{400} + k);
}

void TestRunOptions::randomRunsDrawFromTheChosenCharacters_data()
{
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<QString>("text1");
    // At a unit of 400 ms, 5 takes 2.8 s, ? 4.8 s, + (AR) 4.4 s and 9 6 s.
    QTest::newRow("figure, mark and sign")
        << QStringLiteral("5?+") << QStringLiteral("0.2")
        << std::vector<float>{drawForPlace(0, 3), drawForPlace(1, 3), drawForPlace(2, 3)}
        << QStringLiteral("5?+\r\n12  Sec.");
    QTest::newRow("the largest draw takes the last")
        << QStringLiteral("0123456789") << QStringLiteral("0.001")
        << std::vector<float>{std::nextafter(1.0f, 0.0f)} << QStringLiteral("9\r\n6  Sec.");
    QTest::newRow("what cannot be sent is never drawn")
        << QStringLiteral("e-5!") << QStringLiteral("0.08") << std::vector<float>{0.0f, 0.99f}
        << QStringLiteral("55\r\n5.6  Sec.");
}

void TestRunOptions::randomRunsDrawFromTheChosenCharacters()
{
    QFETCH(QString, characters);
    QFETCH(QString, minutes);
    QFETCH(std::vector<float>, draws);
    QFETCH(QString, text1);
    RunHarness run;
    run.view.text2 = minutes;
    run.platform.scriptDraws(draws);
    run.runs.RunDrill(evenChoice(characters));
    QCOMPARE(run.view.text1Value, text1);
}

QTEST_GUILESS_MAIN(TestRunOptions)
#include "test_runoptions.moc"
