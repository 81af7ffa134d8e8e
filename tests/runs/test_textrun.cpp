// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakerunview.h"
#include "runs/textrun.h"

#include <QTest>

using namespace blinket;

class TestTextRun : public QObject
{
    Q_OBJECT
private slots:
    void wordsAreSentWithTheGroupPauseBetween_data();
    void wordsAreSentWithTheGroupPauseBetween();
};

void TestTextRun::wordsAreSentWithTheGroupPauseBetween_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<qint64>("stopAt"); // virtual ms; -1 for no Stop
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("sent"); // after the lead-in, at a unit of 400 ms
    const QString letterE = QStringLiteral("ev on ev 200 ev off ev 1000");
    const QString letterT = QStringLiteral("ev on ev 1000 ev off ev 1000");
    const QString groupPause =
        QStringLiteral("off ev 1000 ev off ev 1000 off ev 1000 ev off ev 1000");
    const QString te = letterT + u' ' + letterE;
    // TE ends at 6.4 s, the pause at 10.4 s, EET at 14.8 s; 11.4 s leave no time for a third.
    QTest::newRow("ended by time")
        << QStringLiteral("0.19") << qint64(-1) << QStringLiteral("TE EET\r\n11.6  Sec.")
        << QStringList{te, groupPause, letterE, letterE, letterT}.join(u' ');
    // Stop inside the first E of EET: the E ends, the rest of the word is not sent.
    QTest::newRow("stopped in a word")
        << QStringLiteral("3") << qint64(10500) << QStringLiteral("TE E\r\n8.4  Sec.")
        << QStringList{te, groupPause, letterE}.join(u' ');
}

void TestTextRun::wordsAreSentWithTheGroupPauseBetween()
{
    QFETCH(QString, minutes);
    QFETCH(qint64, stopAt);
    QFETCH(QString, text1);
    QFETCH(QString, sent);
    RunHarness run;
    run.view.text2 = minutes;
    if (stopAt >= 0)
        run.platform.at(stopAt, [&] { run.state.Running = 0; });
    ListedWords words("TE EET E");
    const RunResult result = TextRun(run.sender, words).run();

    const QString start =
        QStringLiteral("Command2- Image1+ Label4(0)- Label4(1)- Text1- Frame1- Frame2- off "
                       "ev off ev 1600 ev off ev 1600 Image1- ");
    const QString restore =
        QStringLiteral(" Text1+ Label4(0)+ Label4(1)+ Frame1+ Frame2+ on Command2+");
    QCOMPARE(run.platform.timeline(), start + sent + restore);
    QCOMPARE(run.view.text1Value, text1);
    QCOMPARE(result.lettersSent, text1.section(QStringLiteral("\r\n"), 0, 0));
}

QTEST_GUILESS_MAIN(TestTextRun)
#include "test_textrun.moc"
