// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakerunview.h"
#include "platform/runtimeerror.h"

#include <QTest>

using namespace blinket;

class TestRunOptions : public QObject
{
    Q_OBJECT
private slots:
    void lampDurations_data();
    void lampDurations();
    void badLetterSpeedFailsAndIsForgotten();
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
