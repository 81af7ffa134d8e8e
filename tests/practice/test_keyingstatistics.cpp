// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/lessonprogress.h"
#include "practice/practicestats.h"
#include "practice/progressreport.h"
#include "practice/weakletters.h"

#include <QTest>

using namespace blinket;

namespace {

// A learner's reading: E read well, T often read as E, and lesson 1 mastered.
std::vector<RunRecord> readingRuns()
{
    return {madeRun(QStringLiteral("ETETETETET"), QStringLiteral("EEETEEETEE"), 0),
            lessonRun(1, 10, 10, 1), lessonRun(1, 9, 10, 2), lessonRun(1, 10, 10, 3),
            lessonRun(2, 5, 10, 4)};
}

} // namespace

class TestKeyingStatistics : public QObject
{
    Q_OBJECT
private slots:
    void keyingsMoveNoLetterStatistics_data();
    void keyingsMoveNoLetterStatistics();
};

void TestKeyingStatistics::keyingsMoveNoLetterStatistics_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("at"); // where among the reading runs, in time
    QTest::newRow("every letter keyed right, last")
        << QStringLiteral("TTTTTTTTTT") << QStringLiteral("TTTTTTTTTT") << 5;
    QTest::newRow("every letter keyed wrong, last")
        << QStringLiteral("EEEEEEEEEE") << QStringLiteral("SSSSSSSSSS") << 5;
    QTest::newRow("figures keyed as letters, first")
        << QStringLiteral("55555") << QStringLiteral("HHHHH") << 0;
}

void TestKeyingStatistics::keyingsMoveNoLetterStatistics()
{
    QFETCH(QString, sent);
    QFETCH(QString, read);
    QFETCH(int, at);
    const std::vector<RunRecord> reading = readingRuns();
    std::vector<RunRecord> withKeyings = reading;
    withKeyings.insert(withKeyings.begin() + at, keyingRun(sent, read, 40));
    // Again as a lesson's runs: a keying in between does not break three in a row.
    withKeyings.insert(withKeyings.begin() + 3, keyingRun(sent, read, 40));

    QCOMPARE(errorEstimates(withKeyings), errorEstimates(reading));
    QCOMPARE(letterWeights(withKeyings, u"ETSH5"), letterWeights(reading, u"ETSH5"));
    const auto letters = letterAccuracies(withKeyings);
    const auto readLetters = letterAccuracies(reading);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        QCOMPARE(letters[i].outcomes, readLetters[i].outcomes);
        QCOMPARE(letters[i].right, readLetters[i].right);
    }
    QCOMPARE(weakestLetter(letters, 5), std::optional<QChar>(u'T'));
    QCOMPARE(confusions(withKeyings), confusions(reading));
    const auto lessons = lessonProgress(withKeyings);
    QVERIFY(lessons[0].mastered);
    QCOMPARE(nextLesson(lessons), std::optional<int>(2));
    // Only the characters read are on the chart: a figure keyed is not one.
    QCOMPARE(progressReport(withKeyings).characters.size(),
             progressReport(reading).characters.size());
}

QTEST_GUILESS_MAIN(TestKeyingStatistics)
#include "test_keyingstatistics.moc"
