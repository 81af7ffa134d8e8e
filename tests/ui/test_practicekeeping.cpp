// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "practice/practicehistory.h"
#include "practice/runscsv.h"
#include "testfiles.h"
#include "ui/copycheck/copycheckwindow.h"
#include "windowharness.h"

#include <QAction>
#include <QDir>
#include <QTest>

using namespace blinket;

namespace {

void type(Form1 &form, const QString &keys)
{
    for (const QChar c : keys)
        QTest::sendKeyEvent(QTest::Click, &form, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

CopyCheckWindow *copyCheck(const Form1 &form)
{
    return form.findChild<CopyCheckWindow *>();
}

QString statusShown(const Form1 &form)
{
    return control<QLabel>(*copyCheck(form), "status")->text();
}

std::vector<RunRecord> storedRuns(const WindowHarness &h)
{
    PracticeHistory history(h.historyFolder());
    return history.allRuns().value_or(std::vector<RunRecord>{});
}

// Files under a folder, by their path from it.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    const QDir root(folder);
    for (const QFileInfo &entry :
         root.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (entry.isDir()) {
            for (const QString &inner : filesUnder(entry.filePath()))
                files << entry.fileName() + u'/' + inner;
        } else {
            files << entry.fileName();
        }
    }
    files.sort();
    return files;
}

// A run of random letters at speed 4 for 12 seconds: E, E, E, E, E, a gap, T; the letters
// follow a lead-in of 3200 ms, each E taking 1200 ms.
void eeeeeT(WindowHarness &h)
{
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.2"));
    h.platform.scriptDraws({drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'),
                            drawFor('Q'), drawFor('T')});
}

} // namespace

class TestPracticeKeeping : public QObject
{
    Q_OBJECT
private slots:
    void aRunWithoutACopyLeavesNothingOnDisk();
    void aTypedRunIsKeptWhole();
    void aRunIsKeptWithItsTiming();
    void checkingAgainReplacesTheKeptRun();
    void aCopyTypedAfterwardsIsKeptWhenChecked();
    void aLessonRunIsKeptAsItsLesson();
    void aHebrewLessonRunIsKeptAsItsLesson();
    void aDamagedHistoryIsKeptAsideAndTheRunStillShown();
    void aReadOnlyFolderKeepsNothingAndSaysSo();
    void progressWithoutItsModuleIsReported();
    void weakLettersWithoutHistoryDrawLikeAToZ();
    void weakLettersFavourTheLettersReadWrong();
};

void TestPracticeKeeping::aRunWithoutACopyLeavesNothingOnDisk()
{
    WindowHarness h;
    eeeeeT(h);
    h.click("Command1");
    QCOMPARE(h.results(), QStringLiteral("EEEEE  T\r\n12  Sec."));
    // Even looking at the last run, and checking an empty copy, keeps nothing.
    h.click("checkCopyButton");
    QTest::mouseClick(control<QPushButton>(*copyCheck(h.form), "check"), Qt::LeftButton);
    QCOMPARE(filesUnder(h.dataHome.path()), QStringList());
}

void TestPracticeKeeping::aTypedRunIsKeptWhole()
{
    WindowHarness h;
    eeeeeT(h);
    h.platform.at(4000, [&h] { type(h.form, QStringLiteral("e")); });
    h.platform.at(9000, [&h] { type(h.form, QStringLiteral("eix")); });
    h.platform.at(14000, [&h] { type(h.form, QStringLiteral("t")); });
    const QDateTime before = QDateTime::currentDateTimeUtc();
    h.click("Command1");
    QCOMPARE(statusShown(h.form), QStringLiteral("Kept in your practice history."));
    const std::vector<RunRecord> runs = storedRuns(h);
    QCOMPARE(runs.size(), std::size_t(1));
    const RunRecord &run = runs.front();
    QCOMPARE(run.kind, RunKind::AtoZ);
    QCOMPARE(run.lesson, 0);
    QCOMPARE(run.speed, QStringLiteral("4"));
    QCOMPARE(run.unit, qint16(400));
    QCOMPARE(run.minutes, QStringLiteral("0.2"));
    QCOMPARE(run.elapsedSeconds, 12.0);
    QCOMPARE(run.sent, QStringLiteral("EEEEET"));
    QCOMPARE(run.copy, QStringLiteral("EEIXT"));
    // The cheapest reading: two Es right, one read as I, one as X, one missed, T right.
    QCOMPARE(run.right, 3);
    QCOMPARE(run.wrong, 2);
    QCOMPARE(run.missed, 1);
    QCOMPARE(run.extra, 0);
    QCOMPARE(run.outcomes.size(), std::size_t(6));
    QCOMPARE(run.outcomes.back(), (LetterOutcome{QLatin1Char('T'), QLatin1Char('T')}));
    QVERIFY(run.startedUtc >= before.addSecs(-1) &&
            run.startedUtc <= QDateTime::currentDateTimeUtc());
}

void TestPracticeKeeping::aRunIsKeptWithItsTiming()
{
    WindowHarness h;
    QVERIFY(h.writeOptions("[signal]\ntiming=international\n"));
    eeeeeT(h);
    h.platform.at(4000, [&h] { type(h.form, QStringLiteral("e")); });
    h.click("Command1");
    const std::vector<RunRecord> runs = storedRuns(h);
    QVERIFY(runs.size() == 1 && runs.front().timing == Timing::International);
}

void TestPracticeKeeping::checkingAgainReplacesTheKeptRun()
{
    WindowHarness h;
    eeeeeT(h);
    h.platform.at(4000, [&h] { type(h.form, QStringLiteral("eeeeex")); });
    h.click("Command1");
    QCOMPARE(storedRuns(h).front().copy, QStringLiteral("EEEEEX"));
    auto *copy = control<QPlainTextEdit>(*copyCheck(h.form), "copy");
    copy->setPlainText(QStringLiteral("EEEEET"));
    QTest::mouseClick(control<QPushButton>(*copyCheck(h.form), "check"), Qt::LeftButton);
    const std::vector<RunRecord> runs = storedRuns(h);
    QCOMPARE(runs.size(), std::size_t(1));
    QCOMPARE(runs.front().copy, QStringLiteral("EEEEET"));
    QCOMPARE(runs.front().right, 6);
}

void TestPracticeKeeping::aCopyTypedAfterwardsIsKeptWhenChecked()
{
    WindowHarness h;
    eeeeeT(h);
    h.click("Command1");
    h.click("checkCopyButton");
    QCOMPARE(filesUnder(h.dataHome.path()), QStringList());
    control<QPlainTextEdit>(*copyCheck(h.form), "copy")->setPlainText(QStringLiteral("eeeee t"));
    QTest::mouseClick(control<QPushButton>(*copyCheck(h.form), "check"), Qt::LeftButton);
    const std::vector<RunRecord> runs = storedRuns(h);
    QCOMPARE(runs.size(), std::size_t(1));
    QCOMPARE(runs.front().right, 6);
}

void TestPracticeKeeping::aLessonRunIsKeptAsItsLesson()
{
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.05"));
    h.platform.scriptDraws({drawForPlace(0, 3)}); // ZJC: Z
    h.platform.at(1000, [&h] { type(h.form, QStringLiteral("z")); });
    h.click("Command3(12)");
    const std::vector<RunRecord> runs = storedRuns(h);
    QCOMPARE(runs.size(), std::size_t(1));
    QCOMPARE(runs.front().kind, RunKind::Lesson);
    QCOMPARE(runs.front().lesson, 12);
    QCOMPARE(runs.front().sent, QStringLiteral("Z"));
}

void TestPracticeKeeping::aHebrewLessonRunIsKeptAsItsLesson()
{
    // Started as the Progress window starts it; the Z key types ז there.
    WindowHarness h;
    QVERIFY(h.writeOptions("[runs]\ncharacters=hebrew\n"));
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.05"));
    h.platform.scriptDraws({drawForPlace(0, 3)}); // זקס: ז
    h.platform.at(1000, [&h] { type(h.form, QStringLiteral("z")); });
    auto *start = h.form.findChild<QAction *>(QStringLiteral("hebrewLesson8"));
    QVERIFY(start);
    start->trigger();
    const std::vector<RunRecord> runs = storedRuns(h);
    QCOMPARE(runs.size(), std::size_t(1));
    QCOMPARE(runs.front().lesson, 108);
    QCOMPARE(runs.front().sent, QStringLiteral("ז"));
    QCOMPARE(runs.front().copy, QStringLiteral("ז"));
    QVERIFY(runsAsCsv(runs).contains(",lesson,108,"));
}

void TestPracticeKeeping::aDamagedHistoryIsKeptAsideAndTheRunStillShown()
{
    WindowHarness h;
    const QByteArray garbage(4096, 'x');
    QVERIFY(QDir().mkpath(h.historyFolder()));
    QVERIFY(writeFile(h.historyFolder() + QStringLiteral("/history.sqlite"), garbage));
    eeeeeT(h);
    h.platform.at(4000, [&h] { type(h.form, QStringLiteral("e")); });
    h.click("Command1");
    QCOMPARE(h.results(), QStringLiteral("EEEEE  T\r\n12  Sec."));
    QVERIFY2(statusShown(h.form).contains(QStringLiteral("kept")), qPrintable(statusShown(h.form)));
    QVERIFY(statusShown(h.form).endsWith(QStringLiteral("Kept in your practice history.")));
    const QStringList files = filesUnder(h.historyFolder());
    const QStringList asides = files.filter(QStringLiteral("history.sqlite."));
    QCOMPARE(asides.size(), 1);
    QCOMPARE(contentsOf(h.historyFolder() + u'/' + asides.front()), garbage);
    QCOMPARE(storedRuns(h).size(), std::size_t(1));
    // Told once: the next run says nothing of it.
    h.platform.at(h.platform.now() + 4000, [&h] { type(h.form, QStringLiteral("e")); });
    eeeeeT(h);
    h.click("Command1");
    QCOMPARE(statusShown(h.form), QStringLiteral("Kept in your practice history."));
}

void TestPracticeKeeping::aReadOnlyFolderKeepsNothingAndSaysSo()
{
    WindowHarness h;
    QVERIFY(QFile::setPermissions(h.dataHome.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                         QFile::ReadOther | QFile::ExeOther));
    OrdinaryUser user;
    QVERIFY(OrdinaryUser::active());
    eeeeeT(h);
    h.platform.at(4000, [&h] { type(h.form, QStringLiteral("e")); });
    h.click("Command1");
    QCOMPARE(h.results(), QStringLiteral("EEEEE  T\r\n12  Sec."));
    QVERIFY(copyCheck(h.form)->isVisible());
    QCOMPARE(control<QLabel>(*copyCheck(h.form), "score")->text(),
             QStringLiteral("1 of 6 right (16 %)"));
    QVERIFY2(statusShown(h.form).startsWith(QStringLiteral("This run could not be stored")),
             qPrintable(statusShown(h.form)));
    QVERIFY(h.reporter.reports.isEmpty());
}

void TestPracticeKeeping::progressWithoutItsModuleIsReported()
{
    // The Progress window's module stands beside the program, not beside this test.
    WindowHarness h;
    h.click("progressButton");
    QCOMPARE(h.reporter.reports.size(), 1);
    QVERIFY2(h.reporter.reports.front().startsWith(
                 QStringLiteral("Run-time error '48': Error in loading DLL: the Progress window")),
             qPrintable(h.reporter.reports.front()));
    // The window goes on: the next click is handled as usual.
    h.click("checkCopyButton");
    QVERIFY(copyCheck(h.form)->isVisible());
}

void TestPracticeKeeping::weakLettersWithoutHistoryDrawLikeAToZ()
{
    WindowHarness h;
    eeeeeT(h);
    h.click("weakLettersButton");
    QCOMPARE(h.results(), QStringLiteral("EEEEE  T\r\n12  Sec."));
    QCOMPARE(filesUnder(h.dataHome.path()), QStringList());
}

void TestPracticeKeeping::weakLettersFavourTheLettersReadWrong()
{
    WindowHarness h;
    {
        // A history in which Q was read wrong four times and everything else right.
        PracticeHistory history(h.historyFolder());
        RunRecord run;
        run.startedUtc = QDateTime::currentDateTimeUtc();
        run.sent = QStringLiteral("QQQQ");
        run.copy = QStringLiteral("YYYY");
        run.wrong = 4;
        for (int i = 0; i < 4; ++i)
            run.outcomes.push_back({QLatin1Char('Q'), QLatin1Char('Y')});
        QVERIFY(history.store(run));
    }
    // Q's estimate moves from 0.5 an eighth of the way to 1 at each wrong reading: 0.5625,
    // 0.6172, 0.6650, 0.7069; every other letter's stays 0.5. The weights are those plus
    // 0.05: 25 letters of 0.55 and Q of 0.7569, 14.5069 in all. Q's share runs from
    // 16 x 0.55 = 8.8 to 9.5569 of it: draws from 0.6066 to 0.6588.
    h.setSpeedAndMinutes(QStringLiteral("1600"), QStringLiteral("3"));
    h.platform.scriptDraws({0.6070f, 0.6580f, 0.6060f, 0.6590f, 0.0f});
    h.stopAfterTheScriptedDraws();
    h.click("weakLettersButton");
    QCOMPARE(h.results().section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("QQPRA"));
}

QTEST_MAIN(TestPracticeKeeping)
#include "test_practicekeeping.moc"
