// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "practice/practicehistory.h"
#include "practice/runscsv.h"
#include "windowharness.h"

#include <QAction>
#include <QTest>

using namespace blinket;

class TestHebrewLessonRun : public QObject
{
    Q_OBJECT
private slots:
    void keptAsItsLessonAndReadBack_data();
    void keptAsItsLessonAndReadBack();
};

void TestHebrewLessonRun::keptAsItsLessonAndReadBack_data()
{
    QTest::addColumn<QString>("start"); // the Progress window's action, or a lesson's button
    QTest::addColumn<int>("lesson");
    QTest::addColumn<QString>("sent");
    // Z's key is ז's on the Hebrew layout: in a Hebrew run it types ז, in a Latin one Z.
    QTest::newRow("Hebrew lesson 8")
        << QStringLiteral("hebrewLesson8") << 108 << QStringLiteral("ז");
    // The main window's lesson buttons send their Latin letters whatever is chosen.
    QTest::newRow("lesson button 12")
        << QStringLiteral("Command3(12)") << 12 << QStringLiteral("Z");
}

void TestHebrewLessonRun::keptAsItsLessonAndReadBack()
{
    QFETCH(QString, start);
    QFETCH(int, lesson);
    QFETCH(QString, sent);
    WindowHarness h;
    QVERIFY(h.writeOptions("[runs]\ncharacters=hebrew\n"));
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.05"));
    h.platform.scriptDraws({drawForPlace(0, 3)}); // ז of זקס, Z of ZJC
    h.platform.at(1000, [&h] {
        QTest::sendKeyEvent(QTest::Click, &h.form, Qt::Key_unknown, QStringLiteral("z"),
                            Qt::NoModifier);
    });
    if (auto *action = h.form.findChild<QAction *>(start))
        action->trigger();
    else
        h.click(qPrintable(start));

    const std::vector<RunRecord> runs =
        PracticeHistory(h.historyFolder()).allRuns().value_or(std::vector<RunRecord>{});
    QCOMPARE(runs.size(), std::size_t(1));
    QCOMPARE(runs.front().kind, RunKind::Lesson);
    QCOMPARE(runs.front().lesson, lesson);
    QCOMPARE(runs.front().sent, sent);
    QCOMPARE(runs.front().copy, sent);
    QCOMPARE(runs.front().right, 1);
    const QString csv = QString::fromUtf8(runsAsCsv(runs));
    QVERIFY2(csv.contains(QStringLiteral(",lesson,%1,").arg(lesson)), qPrintable(csv));
}

QTEST_MAIN(TestHebrewLessonRun)
#include "test_hebrewlessonrun.moc"
