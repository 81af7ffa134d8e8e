// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "platform/randomsource.h"
#include "practice/weakletters.h"

#include <QTest>

#include <cmath>

using namespace blinket;

namespace {

// The largest float below 1.
const float justBelowOne = std::nextafter(1.0f, 0.0f);

// A run sending E once for each mark: r read right, w read as T, m missed.
RunRecord runOfE(const QString &marks, int minute = 0)
{
    QString read;
    for (const QChar mark : marks)
        read += mark == u'r' ? u'E' : mark == u'w' ? u'T' : u'-';
    return madeRun(QString(marks.size(), u'E'), read, minute);
}

std::array<double, sendableCount> weightsOf(std::initializer_list<std::pair<char, double>> given)
{
    std::array<double, sendableCount> weights{};
    for (const auto &[letter, weight] : given)
        weights[std::size_t(letter - 'A')] = weight;
    return weights;
}

} // namespace

class TestWeakLetters : public QObject
{
    Q_OBJECT
private slots:
    void errorEstimateAfterOutcomes_data();
    void errorEstimateAfterOutcomes();
    void outcomesAcrossRunsInTimeOrder();
    void otherLettersStayUnseen();
    void weightsAddAFloor();
    void drawWithChosenNumbers_data();
    void drawWithChosenNumbers();
    void noHistoryDrawsEvenly();
    void aLetterAlwaysMissedIsDrawnByItsWeight();
};

void TestWeakLetters::errorEstimateAfterOutcomes_data()
{
    QTest::addColumn<QString>("marks");
    QTest::addColumn<double>("error");
    QTest::newRow("never sent") << QString() << 0.5;
    QTest::newRow("one wrong") << QStringLiteral("w") << 0.5625;
    QTest::newRow("one missed") << QStringLiteral("m") << 0.5625;
    QTest::newRow("one right") << QStringLiteral("r") << 0.4375;
    QTest::newRow("two wrong") << QStringLiteral("ww") << 0.6171875;
    QTest::newRow("right then wrong") << QStringLiteral("rw") << 0.5078125;
    QTest::newRow("wrong then right") << QStringLiteral("wr") << 0.4921875;
    QTest::newRow("three right") << QStringLiteral("rrr") << 0.3349609375;
    QTest::newRow("missed, wrong, right") << QStringLiteral("mwr") << 0.5400390625;
}

void TestWeakLetters::errorEstimateAfterOutcomes()
{
    QFETCH(QString, marks);
    QFETCH(double, error);
    const auto errors = errorEstimates({runOfE(marks)});
    QCOMPARE(errors[4], error);
}

void TestWeakLetters::outcomesAcrossRunsInTimeOrder()
{
    // Wrong in the first run, right in the second: as "wr", not "rw".
    const auto errors =
        errorEstimates(oneMinuteApart({runOfE(QStringLiteral("w")), runOfE(QStringLiteral("r"))}));
    QCOMPARE(errors[4], 0.4921875);
}

void TestWeakLetters::otherLettersStayUnseen()
{
    const auto errors = errorEstimates({madeRun(QStringLiteral("EQ"), QStringLiteral("E-"))});
    QCOMPARE(errors[4], 0.4375);
    QCOMPARE(errors[16], 0.5625);
    QCOMPARE(errors[0], 0.5);
    QCOMPARE(errors[25], 0.5);
}

void TestWeakLetters::weightsAddAFloor()
{
    const auto weights =
        letterWeights({madeRun(QStringLiteral("EQTTTTTTTT"), QStringLiteral("E-TTTTTTTT"))});
    QCOMPARE(weights[4], 0.4875);
    QCOMPARE(weights[16], 0.6125);
    QCOMPARE(weights[0], 0.55);
    // Eight right in a row: 0.5 x (7/8)^8 = 0.5 x 5764801/16777216, plus 0.05.
    QCOMPARE(weights[19], 0.1718044579029083251953125 + 0.05);
}

void TestWeakLetters::drawWithChosenNumbers_data()
{
    QTest::addColumn<QList<double>>("weights"); // by letter, A first; missing ones are 0
    QTest::addColumn<float>("r");
    QTest::addColumn<QChar>("letter");

    const QList<double> equal(26, 0.55);
    QTest::newRow("equal, r = 0") << equal << 0.0f << QChar(u'A');
    QTest::newRow("equal, middle of A") << equal << 0.5f / 26 << QChar(u'A');
    QTest::newRow("equal, middle of B") << equal << 1.5f / 26 << QChar(u'B');
    QTest::newRow("equal, middle of N") << equal << 13.5f / 26 << QChar(u'N');
    QTest::newRow("equal, middle of Z") << equal << 25.5f / 26 << QChar(u'Z');
    QTest::newRow("equal, largest below 1") << equal << justBelowOne << QChar(u'Z');

    // A = 1, C = 2, Z = 1, the rest 0: A holds [0, 1), C [1, 3), Z [3, 4) of 4.
    QList<double> gaps(26, 0.0);
    gaps[0] = 1;
    gaps[2] = 2;
    gaps[25] = 1;
    QTest::newRow("gaps, r = 0") << gaps << 0.0f << QChar(u'A');
    QTest::newRow("gaps, end of A") << gaps << 0.2499f << QChar(u'A');
    QTest::newRow("gaps, start of C") << gaps << 0.25f << QChar(u'C');
    QTest::newRow("gaps, end of C") << gaps << 0.7499f << QChar(u'C');
    QTest::newRow("gaps, start of Z") << gaps << 0.75f << QChar(u'Z');
    QTest::newRow("gaps, largest below 1") << gaps << justBelowOne << QChar(u'Z');

    QList<double> onlyB(26, 0.0);
    onlyB[1] = 0.3;
    QTest::newRow("one letter, r = 0") << onlyB << 0.0f << QChar(u'B');
    QTest::newRow("one letter, largest below 1") << onlyB << justBelowOne << QChar(u'B');

    // Tenths do not add up exactly in binary; the draw still stays within the letters.
    QList<double> tenths(26, 0.1);
    QTest::newRow("tenths, largest below 1") << tenths << justBelowOne << QChar(u'Z');
    QTest::newRow("tenths, r = 0") << tenths << 0.0f << QChar(u'A');

    QTest::newRow("nothing to draw") << QList<double>(26, 0.0) << 0.5f << QChar(u'Z');
}

void TestWeakLetters::drawWithChosenNumbers()
{
    QFETCH(QList<double>, weights);
    QFETCH(float, r);
    QFETCH(QChar, letter);
    std::array<double, sendableCount> given{};
    std::copy(weights.begin(), weights.end(), given.begin());
    QCOMPARE(weightedLetter(given, r), letter);
}

void TestWeakLetters::noHistoryDrawsEvenly()
{
    const auto weights = letterWeights({});
    for (int i = 0; i < sendableCount; ++i)
        QCOMPARE(weights[std::size_t(i)], i < 26 ? 0.55 : 0.0);
    // Each letter's interval is 1/26 of the line.
    for (int i = 0; i < 26; ++i) {
        QCOMPARE(weightedLetter(weights, (i + 0.01f) / 26), QChar(char16_t(u'A' + i)));
        QCOMPARE(weightedLetter(weights, (i + 0.99f) / 26), QChar(char16_t(u'A' + i)));
    }
    QCOMPARE(weightedLetter(weightsOf({{'A', 1.0}}), 0.9f), QChar(u'A'));
}

void TestWeakLetters::aLetterAlwaysMissedIsDrawnByItsWeight()
{
    // Every letter sent four times and read right, but Q, which was missed each time.
    QString sent;
    QString read;
    for (int round = 0; round < 4; ++round) {
        for (char16_t c = u'A'; c <= u'Z'; ++c) {
            sent += QChar(c);
            read += c == u'Q' ? QChar(u'-') : QChar(c);
        }
    }
    const auto weights = letterWeights({madeRun(sent, read)});
    // (7/8)^4 = 2401/4096 = 0.586181640625.
    // Q: e = 1 - 0.5 x 0.586181640625 = 0.7069091796875, weight 0.7569091796875.
    // The others: e = 0.5 x 0.586181640625 = 0.2930908203125, weight 0.3430908203125.
    const double weakWeight = 0.7569091796875;
    const double otherWeight = 0.3430908203125;
    QCOMPARE(weights[16], weakWeight);
    QCOMPARE(weights[0], otherWeight);
    const double total = weakWeight + 25 * otherWeight; // 9.3341796875

    RandomSource random(2024.5f);
    constexpr int draws = 100000;
    std::array<int, 26> counts{};
    for (int i = 0; i < draws; ++i)
        ++counts[std::size_t(weightedLetter(weights, random.next()).unicode() - u'A')];

    // Q's share: a binomial count within four standard deviations of its expectation.
    const double p = weakWeight / total;
    const double sigma = std::sqrt(draws * p * (1 - p));
    QVERIFY2(
        std::abs(counts[16] - draws * p) < 4 * sigma,
        qPrintable(QStringLiteral("Q drawn %1 times, expected %2").arg(counts[16]).arg(draws * p)));

    // All letters: chi-square with 25 degrees of freedom under 52.62, which a draw that
    // follows the weights exceeds once in a thousand.
    double chiSquare = 0;
    for (int i = 0; i < 26; ++i) {
        const double expected = draws * (i == 16 ? weakWeight : otherWeight) / total;
        chiSquare +=
            (counts[std::size_t(i)] - expected) * (counts[std::size_t(i)] - expected) / expected;
    }
    QVERIFY2(chiSquare < 52.62, qPrintable(QString::number(chiSquare)));
}

QTEST_GUILESS_MAIN(TestWeakLetters)
#include "test_weakletters.moc"
