// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/lessonprogress.h"

#include <QTest>

#include <span>

using namespace blinket;

namespace {

// Runs written as "lesson:right/of", or "atoz:right/of" for an A-to-Z run, one minute apart.
std::vector<RunRecord> runsOf(const QStringList &texts)
{
    std::vector<RunRecord> runs;
    for (const QString &text : texts) {
        const QString what = text.section(u':', 0, 0);
        const int right = text.section(u':', 1).section(u'/', 0, 0).toInt();
        const int of = text.section(u'/', 1).toInt();
        if (what == u"atoz") {
            runs.push_back(
                madeRun(QString(of, u'A'), QString(right, u'A') + QString(of - right, u'-')));
        } else {
            runs.push_back(lessonRun(what.toInt(), right, of));
        }
    }
    return oneMinuteApart(runs);
}

QList<int> masteredLessons(std::span<const LessonProgress> lessons)
{
    QList<int> mastered;
    for (const LessonProgress &lesson : lessons) {
        if (lesson.mastered)
            mastered << lesson.lesson;
    }
    return mastered;
}

QStringList allTwelveAt(int right, int of)
{
    QStringList runs;
    for (int lesson = 1; lesson <= 12; ++lesson) {
        for (int run = 0; run < 3; ++run)
            runs << QStringLiteral("%1:%2/%3").arg(lesson).arg(right).arg(of);
    }
    return runs;
}

} // namespace

class TestLessonMastery : public QObject
{
    Q_OBJECT
private slots:
    void masteryFromTheLastThreeRuns_data();
    void masteryFromTheLastThreeRuns();
    void runsBestAndLast();
    void lessonsComeInNumberOrder();
    void moreRunsToMaster_data();
    void moreRunsToMaster();
    void hebrewLessonsApart_data();
    void hebrewLessonsApart();
};

void TestLessonMastery::masteryFromTheLastThreeRuns_data()
{
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<QList<int>>("mastered");
    QTest::addColumn<int>("next"); // 0: all mastered

    QTest::newRow("no runs") << QStringList() << QList<int>() << 1;
    QTest::newRow("lesson 1 mastered")
        << QStringList{QStringLiteral("1:9/10"), QStringLiteral("1:19/20"),
                       QStringLiteral("1:10/10")}
        << QList<int>{1} << 2;
    QTest::newRow("two runs are not enough")
        << QStringList{QStringLiteral("1:10/10"), QStringLiteral("1:10/10")} << QList<int>() << 1;
    QTest::newRow("just under 90 in one of the three")
        << QStringList{QStringLiteral("1:10/10"), QStringLiteral("1:8/9"),
                       QStringLiteral("1:10/10")}
        << QList<int>() << 1;
    QTest::newRow("mastered, then failed")
        << QStringList{QStringLiteral("1:10/10"), QStringLiteral("1:10/10"),
                       QStringLiteral("1:10/10"), QStringLiteral("1:8/10")}
        << QList<int>() << 1;
    QTest::newRow("failed, then three good runs")
        << QStringList{QStringLiteral("1:2/10"), QStringLiteral("1:9/10"), QStringLiteral("1:9/10"),
                       QStringLiteral("1:9/10")}
        << QList<int>{1} << 2;
    QTest::newRow("other runs between do not count")
        << QStringList{QStringLiteral("2:10/10"),   QStringLiteral("atoz:1/10"),
                       QStringLiteral("1:0/10"),    QStringLiteral("2:10/10"),
                       QStringLiteral("atoz:1/10"), QStringLiteral("2:10/10")}
        << QList<int>{2} << 1;
    QTest::newRow("a later lesson mastered first")
        << QStringList{QStringLiteral("1:10/10"), QStringLiteral("1:10/10"),
                       QStringLiteral("1:10/10"), QStringLiteral("3:10/10"),
                       QStringLiteral("3:10/10"), QStringLiteral("3:10/10")}
        << QList<int>{1, 3} << 2;
    QTest::newRow("all mastered") << allTwelveAt(9, 10)
                                  << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12} << 0;
    QTest::newRow("all at 89 of 100") << allTwelveAt(89, 100) << QList<int>() << 1;
}

void TestLessonMastery::masteryFromTheLastThreeRuns()
{
    QFETCH(QStringList, runs);
    QFETCH(QList<int>, mastered);
    QFETCH(int, next);
    const auto lessons = lessonProgress(runsOf(runs));
    QCOMPARE(masteredLessons(lessons), mastered);
    QCOMPARE(nextLesson(lessons).value_or(0), next);
}

void TestLessonMastery::runsBestAndLast()
{
    const auto lessons = lessonProgress(
        runsOf({QStringLiteral("4:5/10"), QStringLiteral("4:9/10"), QStringLiteral("atoz:10/10"),
                QStringLiteral("4:3/4"), QStringLiteral("12:1/8")}));
    QCOMPARE(lessons[3].lesson, 4);
    QCOMPARE(lessons[3].runs, 3);
    QCOMPARE(lessons[3].best, 90);
    QCOMPARE(lessons[3].last, 75);
    QCOMPARE(lessons[11].lesson, 12);
    QCOMPARE(lessons[11].runs, 1);
    QCOMPARE(lessons[11].best, 12);
    QCOMPARE(lessons[11].last, 12);
    QCOMPARE(lessons[0].runs, 0);
    QCOMPARE(lessons[0].best, 0);
    QCOMPARE(lessons[0].last, 0);
    QVERIFY(!lessons[0].mastered);
}

void TestLessonMastery::lessonsComeInNumberOrder()
{
    const auto lessons = lessonProgress({});
    for (int i = 0; i < lessonCount; ++i)
        QCOMPARE(lessons[std::size_t(i)].lesson, i + 1);
}

void TestLessonMastery::moreRunsToMaster_data()
{
    QTest::addColumn<QString>("runs"); // of lesson 1, and others between
    QTest::addColumn<int>("more");
    const auto row = [](const char *name, const char *runs, int more) {
        QTest::newRow(name) << QString::fromLatin1(runs) << more;
    };
    row("no runs", "", 3);
    row("one at 90", "1:9/10", 2);
    row("two at 90 or more", "1:9/10 1:10/10", 1);
    row("three: mastered", "1:9/10 1:10/10 1:19/20", 0);
    row("the last under 90 starts again", "1:9/10 1:10/10 1:8/10", 3);
    // 89.58 % is 89 % in whole percent, as the table shows it.
    row("just under 90 between", "1:10/10 1:43/48 1:10/10", 2);
    row("other runs do not count", "1:9/10 2:1/10 atoz:1/10 1:9/10", 1);
    row("more than three good runs", "1:9/10 1:9/10 1:9/10 1:9/10", 0);
}

void TestLessonMastery::moreRunsToMaster()
{
    QFETCH(QString, runs);
    QFETCH(int, more);
    const LessonProgress lesson = lessonProgress(runsOf(runs.split(u' ', Qt::SkipEmptyParts)))[0];
    QCOMPARE(lesson.moreToMaster, more);
    QCOMPARE(lesson.mastered, more == 0);
}

void TestLessonMastery::hebrewLessonsApart_data()
{
    // Hebrew lesson n is kept as lesson 100 + n: the same rule, each alphabet's lessons apart.
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QList<int>>("hebrewMastered");
    QTest::addColumn<int>("hebrewNext"); // 0: all mastered
    QTest::addColumn<QList<int>>("latinMastered");
    QString allEight;
    for (int lesson = 101; lesson <= 108; ++lesson)
        allEight += QStringLiteral("%1:9/10 %1:9/10 %1:10/10 ").arg(lesson);
    QTest::newRow("no runs") << QString() << QList<int>() << 101 << QList<int>();
    QTest::newRow("Hebrew lesson 1")
        << QStringLiteral("101:9/10 101:9/10 101:10/10") << QList<int>{101} << 102 << QList<int>();
    QTest::newRow("Latin lesson 1")
        << QStringLiteral("1:9/10 1:9/10 1:10/10") << QList<int>() << 101 << QList<int>{1};
    QTest::newRow("all eight") << allEight << QList<int>{101, 102, 103, 104, 105, 106, 107, 108}
                               << 0 << QList<int>();
}

void TestLessonMastery::hebrewLessonsApart()
{
    QFETCH(QString, runs);
    QFETCH(QList<int>, hebrewMastered);
    QFETCH(int, hebrewNext);
    QFETCH(QList<int>, latinMastered);
    const std::vector<RunRecord> made = runsOf(runs.split(u' ', Qt::SkipEmptyParts));
    const auto hebrew = hebrewLessonProgress(made);
    QCOMPARE(masteredLessons(hebrew), hebrewMastered);
    QCOMPARE(nextLesson(hebrew).value_or(0), hebrewNext);
    QCOMPARE(masteredLessons(lessonProgress(made)), latinMastered);
}

QTEST_GUILESS_MAIN(TestLessonMastery)
#include "test_lessonmastery.moc"
