// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/practicestats.h"
#include "practice/progressreport.h"

#include <QTest>

using namespace blinket;

namespace {

// The runs of one group (and lesson) in the report of these runs.
std::vector<RunPoint> seriesOf(const std::vector<RunRecord> &runs, RunGroup group, int lesson = 0)
{
    const ProgressReport report = progressReport(runs);
    const auto found = std::ranges::find_if(report.series, [&](const RunSeries &series) {
        return series.group == group && series.lesson == lesson;
    });
    if (found == report.series.end())
        qFatal("no series of group %d, lesson %d", int(group), lesson);
    return found->runs;
}

} // namespace

class TestAccuracySeries : public QObject
{
    Q_OBJECT
private slots:
    void movingAverageOfTheLastFive_data();
    void movingAverageOfTheLastFive();
    void movingAverageOverOtherWindows();
    void seriesOfEveryRunInTimeOrder();
    void seriesOfOneLesson();
    void runWithNothingSentCountsAsNought();
};

void TestAccuracySeries::movingAverageOfTheLastFive_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QList<double>>("averages");
    QTest::newRow("none") << QList<double>() << QList<double>();
    QTest::newRow("one is itself") << QList<double>{80} << QList<double>{80};
    QTest::newRow("the first four average those so far")
        << QList<double>{80, 90, 40, 50} << QList<double>{80, 85, 70, 65};
    QTest::newRow("five") << QList<double>{80, 90, 40, 50, 90} << QList<double>{80, 85, 70, 65, 70};
    QTest::newRow("the sixth drops the first")
        << QList<double>{50, 60, 70, 80, 90, 100} << QList<double>{50, 55, 60, 65, 70, 80};
    QTest::newRow("alternating") << QList<double>{100, 0, 100, 0, 100, 0, 100}
                                 << QList<double>{100, 50, 200.0 / 3, 50, 60, 40, 60};
}

void TestAccuracySeries::movingAverageOfTheLastFive()
{
    QFETCH(QList<double>, values);
    QFETCH(QList<double>, averages);
    const std::vector<double> got =
        movingAverage(std::vector<double>(values.begin(), values.end()));
    QCOMPARE(QList<double>(got.begin(), got.end()), averages);
}

void TestAccuracySeries::movingAverageOverOtherWindows()
{
    const std::vector<double> values = {10, 20, 30, 40};
    QCOMPARE(movingAverage(values, 1), values);
    QCOMPARE(movingAverage(values, 2), (std::vector<double>{10, 15, 25, 35}));
    QCOMPARE(movingAverage(values, 10), (std::vector<double>{10, 15, 20, 25}));
}

void TestAccuracySeries::seriesOfEveryRunInTimeOrder()
{
    const std::vector<RunRecord> runs = oneMinuteApart({
        madeRun(QStringLiteral("EISH"), QStringLiteral("EIS-")),             // 75
        lessonRun(3, 10, 10),                                                // 100
        madeRun(QStringLiteral("TMOT"), QStringLiteral("TTOM")),             // 50
        lessonRun(3, 1, 4),                                                  // 25
        madeRun(QStringLiteral("AAAAAAAAAA"), QStringLiteral("AAAAAAAAA-")), // 90
        lessonRun(1, 4, 5),                                                  // 80
    });
    const std::vector<RunPoint> series = seriesOf(runs, RunGroup::All);
    QCOMPARE(series.size(), std::size_t(6));
    const std::vector<double> accuracies = {75, 100, 50, 25, 90, 80};
    // 75, (75+100)/2, (75+100+50)/3, (75+100+50+25)/4, (75+100+50+25+90)/5,
    // (100+50+25+90+80)/5
    const std::vector<double> averages = {75, 87.5, 75, 62.5, 68, 69};
    for (std::size_t i = 0; i < series.size(); ++i) {
        QCOMPARE(series[i].id, qint64(i + 1));
        QCOMPARE(series[i].startedUtc, QDateTime(QDate(2026, 12, 8), QTime(15, int(i)), Qt::UTC));
        QCOMPARE(series[i].accuracy, accuracies[i]);
        QCOMPARE(series[i].recentAverage, averages[i]);
    }
}

void TestAccuracySeries::seriesOfOneLesson()
{
    const std::vector<RunRecord> runs = oneMinuteApart({
        madeRun(QStringLiteral("EISH"), QStringLiteral("EIS-")),
        lessonRun(3, 10, 10),
        lessonRun(1, 1, 2),
        lessonRun(3, 1, 4),
        lessonRun(3, 3, 4),
    });
    const std::vector<RunPoint> lesson3 = seriesOf(runs, RunGroup::Lesson, 3);
    QCOMPARE(lesson3.size(), std::size_t(3));
    QCOMPARE(lesson3[0].id, qint64(2));
    QCOMPARE(lesson3[1].id, qint64(4));
    QCOMPARE(lesson3[2].id, qint64(5));
    QCOMPARE(lesson3[0].accuracy, 100.0);
    QCOMPARE(lesson3[1].accuracy, 25.0);
    QCOMPARE(lesson3[2].accuracy, 75.0);
    // The average runs over the lesson's own runs, not the runs between them.
    QCOMPARE(lesson3[1].recentAverage, 62.5);
    QCOMPARE(lesson3[2].recentAverage, 200.0 / 3);

    QVERIFY(seriesOf(runs, RunGroup::Lesson, 7).empty());
    QCOMPARE(seriesOf(runs, RunGroup::Lesson, 1).size(), std::size_t(1));
    QVERIFY(seriesOf({}, RunGroup::All).empty());
}

void TestAccuracySeries::runWithNothingSentCountsAsNought()
{
    const std::vector<RunPoint> series = seriesOf(
        oneMinuteApart({lessonRun(2, 2, 2), madeRun(QString(), QString())}), RunGroup::All);
    QCOMPARE(series.size(), std::size_t(2));
    QCOMPARE(series[1].accuracy, 0.0);
    QCOMPARE(series[1].recentAverage, 50.0);
}

QTEST_GUILESS_MAIN(TestAccuracySeries)
#include "test_accuracyseries.moc"
