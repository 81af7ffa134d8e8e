// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/practicestats.h"
#include "signal/characters.h"

#include <QTest>

using namespace blinket;

namespace {

// Runs written as "sent/read" pairs, one minute apart.
std::vector<RunRecord> runsOf(const QStringList &pairs)
{
    std::vector<RunRecord> runs;
    for (const QString &pair : pairs)
        runs.push_back(madeRun(pair.section(u'/', 0, 0), pair.section(u'/', 1, 1)));
    return oneMinuteApart(runs);
}

QString times(int count, const QString &text)
{
    return text.repeated(count);
}

} // namespace

class TestLetterAccuracy : public QObject
{
    Q_OBJECT
private slots:
    void fromEachLettersLatestFifty_data();
    void fromEachLettersLatestFifty();
    void lettersNeverSentHaveNoOutcomes();
    void fewerRecentOutcomesWhenAsked();
    void weakestLetter_data();
    void weakestLetter();
};

void TestLetterAccuracy::fromEachLettersLatestFifty_data()
{
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<int>("outcomes");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("accuracy");

    const QString fiftyE = times(50, QStringLiteral("E"));
    QTest::newRow("three outcomes, one right")
        << QStringList{QStringLiteral("EEET/E-IT")} << QChar(u'E') << 3 << 1 << 33;
    QTest::newRow("one outcome, right")
        << QStringList{QStringLiteral("EEET/E-IT")} << QChar(u'T') << 1 << 1 << 100;
    QTest::newRow("over two runs")
        << QStringList{QStringLiteral("SOS/SOH"), QStringLiteral("SS/-S")} << QChar(u'S') << 4 << 2
        << 50;
    QTest::newRow("exactly fifty")
        << QStringList{times(50, QStringLiteral("E")) + u'/' + times(10, QStringLiteral("I")) +
                       times(40, QStringLiteral("E"))}
        << QChar(u'E') << 50 << 40 << 80;
    QTest::newRow("an older run drops out")
        << QStringList{times(30, QStringLiteral("E")) + u'/' + times(30, QStringLiteral("I")),
                       fiftyE + u'/' + fiftyE}
        << QChar(u'E') << 50 << 50 << 100;
    QTest::newRow("part of an older run counts")
        << QStringList{times(40, QStringLiteral("E")) + u'/' + times(40, QStringLiteral("E")),
                       times(20, QStringLiteral("E")) + u'/' + times(20, QStringLiteral("-"))}
        << QChar(u'E') << 50 << 30 << 60;
    QTest::newRow("the end of a long run counts")
        << QStringList{times(60, QStringLiteral("E")) + u'/' + times(10, QStringLiteral("T")) +
                       fiftyE}
        << QChar(u'E') << 50 << 50 << 100;
    QTest::newRow("not the start of a long run")
        << QStringList{times(60, QStringLiteral("E")) + u'/' + fiftyE +
                       times(10, QStringLiteral("T"))}
        << QChar(u'E') << 50 << 40 << 80;
    QTest::newRow("letters between count for themselves")
        << QStringList{times(60, QStringLiteral("ET")) + u'/' + times(60, QStringLiteral("EM"))}
        << QChar(u'T') << 50 << 0 << 0;
    // A Hebrew final form, sent or typed, is its letter.
    QTest::newRow("final forms as their letters")
        << QStringList{QStringLiteral("םמםמ/מםםצ")} << QChar(u'מ') << 4 << 3 << 75;
}

void TestLetterAccuracy::fromEachLettersLatestFifty()
{
    QFETCH(QStringList, runs);
    QFETCH(QChar, letter);
    QFETCH(int, outcomes);
    QFETCH(int, right);
    QFETCH(int, accuracy);
    const auto letters = letterAccuracies(runsOf(runs));
    const LetterAccuracy &got = letters[std::size_t(characterIndex(letter))];
    QCOMPARE(got.letter, letter);
    QCOMPARE(got.outcomes, outcomes);
    QCOMPARE(got.right, right);
    QCOMPARE(got.accuracy, accuracy);
}

void TestLetterAccuracy::lettersNeverSentHaveNoOutcomes()
{
    const auto letters = letterAccuracies(runsOf({QStringLiteral("EEET/E-IT")}));
    QCOMPARE(letters[0].letter, QChar(u'A'));
    QCOMPARE(letters[0].outcomes, 0);
    QCOMPARE(letters[0].accuracy, 0);
    QCOMPARE(letters[25].letter, QChar(u'Z'));
    QCOMPARE(letters[25].outcomes, 0);
    // The letter read as I was sent as E: I itself has no outcome.
    QCOMPARE(letters[8].outcomes, 0);
    int total = 0;
    for (const LetterAccuracy &letter : letters)
        total += letter.outcomes;
    QCOMPARE(total, 4);
}

void TestLetterAccuracy::fewerRecentOutcomesWhenAsked()
{
    const auto letters = letterAccuracies(runsOf({QStringLiteral("EEEEE/-EEEE")}), 3);
    QCOMPARE(letters[4].outcomes, 3);
    QCOMPARE(letters[4].accuracy, 100);
}

void TestLetterAccuracy::weakestLetter_data()
{
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<QString>("weakest"); // empty: none

    const QString tenK = times(10, QStringLiteral("K"));
    QTest::newRow("no runs") << QStringList() << QString();
    QTest::newRow("nothing sent") << QStringList{QStringLiteral("/")} << QString();
    QTest::newRow("nine readings are too few")
        << QStringList{times(9, QStringLiteral("Z")) + u'/' + times(9, QStringLiteral("-"))}
        << QString();
    QTest::newRow("ten are enough") << QStringList{tenK + u'/' + tenK} << QStringLiteral("K");
    QTest::newRow("ten over two runs")
        << QStringList{QStringLiteral("KKKK/KKKK"), QStringLiteral("KKKKKK/KKKKKK")}
        << QStringLiteral("K");
    QTest::newRow("a single reading read wrong is passed over")
        << QStringList{tenK + QStringLiteral("Z/") + tenK + u'-'} << QStringLiteral("K");
    // K 10 of 10, R 5 of 10, M 8 of 10.
    QTest::newRow("lowest accuracy of those with ten")
        << QStringList{tenK + times(10, QStringLiteral("R")) + times(10, QStringLiteral("M")) +
                       u'/' + tenK + times(5, QStringLiteral("R")) + times(5, QStringLiteral("T")) +
                       times(8, QStringLiteral("M")) + times(2, QStringLiteral("-"))}
        << QStringLiteral("R");
    QTest::newRow("a tie goes to the earlier letter")
        << QStringList{times(10, QStringLiteral("S")) + times(10, QStringLiteral("H")) + u'/' +
                       times(5, QStringLiteral("S")) + times(5, QStringLiteral("-")) +
                       times(5, QStringLiteral("H")) + times(5, QStringLiteral("-"))}
        << QStringLiteral("H");
    QTest::newRow("all read wrong, earliest")
        << QStringList{times(10, QStringLiteral("ZYX")) + u'/' + times(30, QStringLiteral("-"))}
        << QStringLiteral("X");
}

void TestLetterAccuracy::weakestLetter()
{
    QFETCH(QStringList, runs);
    QFETCH(QString, weakest);
    const std::optional<QChar> got = blinket::weakestLetter(letterAccuracies(runsOf(runs)));
    QCOMPARE(got.has_value(), !weakest.isEmpty());
    if (got)
        QCOMPARE(*got, weakest[0]);
}

QTEST_GUILESS_MAIN(TestLetterAccuracy)
#include "test_letteraccuracy.moc"
