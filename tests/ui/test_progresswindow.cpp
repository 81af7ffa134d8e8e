// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/practicehistory.h"
#include "testfiles.h"
#include "ui/progress/progressdialogs.h"
#include "ui/progress/progresswindow.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace blinket;

namespace {

const QString noRunsText = QStringLiteral(
    "No runs stored yet: type what you read during a run, and the run is kept here.");

// Answers the window's questions as the test says, and counts them.
struct ScriptedDialogs : ProgressDialogs
{
    QString fileName;
    bool forget = false;
    int fileAsked = 0;
    int forgetAsked = 0;

    QString saveFileName(QWidget &) override
    {
        ++fileAsked;
        return fileName;
    }
    bool confirmForget(QWidget &) override
    {
        ++forgetAsked;
        return forget;
    }
};

// Stores runs written as "lesson:right/of" (a lesson run of letters E, the rest read as T) or
// "atoz:right/of" (the same as an A-to-Z run), one minute apart in that order, from `minute`.
// False, saying why, when one could not be stored.
bool storeRuns(PracticeHistory &history, const QStringList &texts, int minute = 0)
{
    for (const QString &text : texts) {
        const QString what = text.section(u':', 0, 0);
        const int right = text.section(u':', 1).section(u'/', 0, 0).toInt();
        const int of = text.section(u'/', 1).toInt();
        RunRecord run = what == u"atoz" ? madeRun(QString(of, u'E'),
                                                  QString(right, u'E') + QString(of - right, u'T'))
                                        : lessonRun(what.toInt(), right, of);
        run.startedUtc = run.startedUtc.addSecs(60 * qint64(minute++));
        if (!history.store(run)) {
            qWarning("%s", qPrintable(history.lastError()));
            return false;
        }
    }
    return true;
}

QList<QPointF> pointsOf(const ProgressWindow &window, const char *series)
{
    const QChart *chart = control<QChartView>(window, "accuracyChart")->chart();
    const auto *line = chart->findChild<QLineSeries *>(QLatin1String(series));
    if (!line) {
        qWarning("no series named %s", series);
        return {QPointF(-1, -1)};
    }
    return line->points();
}

QBarSet *barSet(const ProgressWindow &window, const char *name)
{
    QBarSet *bars = control<QChartView>(window, "letterChart")
                        ->chart()
                        ->findChild<QBarSet *>(QLatin1String(name));
    if (!bars)
        qFatal("no bar set named %s", name);
    return bars;
}

QList<qreal> valuesOf(const QBarSet *bars)
{
    QList<qreal> values;
    for (int i = 0; i < bars->count(); ++i)
        values << bars->at(i);
    return values;
}

QStringList letterLabels(const ProgressWindow &window)
{
    const QList<QAbstractAxis *> axes =
        control<QChartView>(window, "letterChart")->chart()->axes(Qt::Horizontal);
    auto *letters = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis *>(axes[0]);
    return letters ? letters->categories() : QStringList{QStringLiteral("<no letter axis>")};
}

QStringList tableRow(const ProgressWindow &window, int row)
{
    const auto *table = control<QTableWidget>(window, "lessonTable");
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem *cell = table->item(row, column);
        cells << (cell ? cell->text() : QStringLiteral("<none>"));
    }
    return cells;
}

QString textOf(const ProgressWindow &window, const char *name)
{
    return control<QLabel>(window, name)->text();
}

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void isAWindowOfItsOwn();
    void accuracyOfEachRunWithItsAverage();
    void lessonSwitchShowsOneLessonsRuns();
    void barForEachLetterWithItsCount();
    void neverReadRightIsStillMarked();
    void tenMostFrequentConfusions();
    void lessonRowsInNumberOrder();
    void lessonTable_data();
    void lessonTable();
    void everyLessonMastered();
    void exportWritesTheRuns();
    void exportFailureIsTold();
    void exportCancelledWritesNothing();
    void forgetAfterConfirming();
    void forgetDeclined();
    void emptyHistory();
    void keptAsideFileStaysTold();
    void historyThatCannotBeReadIsTold();
    void standardDialogAsksBeforeForgetting_data();
    void standardDialogAsksBeforeForgetting();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PracticeHistory> m_history;
    ScriptedDialogs m_dialogs;
};

void TestProgressWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_history = std::make_unique<PracticeHistory>(m_dir->path());
    m_dialogs = ScriptedDialogs();
}

void TestProgressWindow::cleanup()
{
    m_history.reset();
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

void TestProgressWindow::isAWindowOfItsOwn()
{
    QWidget main;
    ProgressWindow window(*m_history, &main);
    QVERIFY(window.isWindow());
    QCOMPARE(window.windowTitle(), QStringLiteral("Progress"));
    QCOMPARE(window.windowModality(), Qt::NonModal);
    QStringList captions;
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        captions << box->title();
    captions.sort();
    QCOMPARE(captions, (QStringList{QStringLiteral("&Accuracy per run  דיוק לפי ריצה"),
                                    QStringLiteral("Accuracy per letter  דיוק לפי אות"),
                                    QStringLiteral("Per lesson  לפי שיעור"),
                                    QStringLiteral("Top confusions  בלבולים נפוצים")}));
    QCOMPARE(control<QPushButton>(window, "exportButton")->text(),
             QStringLiteral("&Export CSV…  ייצוא"));
    QCOMPARE(control<QPushButton>(window, "forgetButton")->text(),
             QStringLiteral("&Forget history…  מחיקת ההיסטוריה"));
}

void TestProgressWindow::accuracyOfEachRunWithItsAverage()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:10/10"), QStringLiteral("atoz:8/10"),
                                   QStringLiteral("atoz:5/10"), QStringLiteral("atoz:10/10"),
                                   QStringLiteral("atoz:6/10"), QStringLiteral("atoz:9/10")}));
    ProgressWindow window(*m_history);
    window.refresh();
    QCOMPARE(pointsOf(window, "accuracy"),
             (QList<QPointF>{{1, 100.0}, {2, 80.0}, {3, 50.0}, {4, 100.0}, {5, 60.0}, {6, 90.0}}));
    // The mean of each run and up to four before it.
    QCOMPARE(
        pointsOf(window, "recentAverage"),
        (QList<QPointF>{{1, 100.0}, {2, 90.0}, {3, 230.0 / 3.0}, {4, 82.5}, {5, 78.0}, {6, 76.0}}));
    QCOMPARE(pointsOf(window, "masteredLine"), (QList<QPointF>{{0.5, 90.0}, {6.5, 90.0}}));
}

void TestProgressWindow::lessonSwitchShowsOneLessonsRuns()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:10/10"), QStringLiteral("3:7/10"),
                                   QStringLiteral("1:10/10"), QStringLiteral("3:9/10")}));
    ProgressWindow window(*m_history);
    window.refresh();
    auto *lessonSwitch = control<QComboBox>(window, "lessonSwitch");
    QCOMPARE(lessonSwitch->count(), 13);
    QCOMPARE(lessonSwitch->itemText(0), QStringLiteral("All runs  כל הריצות"));
    QCOMPARE(lessonSwitch->itemText(1), QStringLiteral("Lesson 1 (EISH)"));
    QCOMPARE(lessonSwitch->itemText(3), QStringLiteral("Lesson 3 (WG)"));
    QCOMPARE(lessonSwitch->itemText(12), QStringLiteral("Lesson 12 (ZJC)"));
    QCOMPARE(pointsOf(window, "accuracy").size(), 4);

    lessonSwitch->setCurrentIndex(3);
    QCOMPARE(pointsOf(window, "accuracy"), (QList<QPointF>{{1, 70.0}, {2, 90.0}}));
    QCOMPARE(pointsOf(window, "recentAverage"), (QList<QPointF>{{1, 70.0}, {2, 80.0}}));
    QCOMPARE(pointsOf(window, "masteredLine"), (QList<QPointF>{{0.5, 90.0}, {2.5, 90.0}}));

    // A new run of the lesson shown joins it when the window is refreshed.
    QVERIFY(storeRuns(*m_history, {QStringLiteral("3:10/10")}, 10));
    window.refresh();
    QCOMPARE(lessonSwitch->currentIndex(), 3);
    QCOMPARE(pointsOf(window, "accuracy"), (QList<QPointF>{{1, 70.0}, {2, 90.0}, {3, 100.0}}));

    lessonSwitch->setCurrentIndex(2);
    QCOMPARE(pointsOf(window, "accuracy"), QList<QPointF>());
    QCOMPARE(pointsOf(window, "masteredLine"), (QList<QPointF>{{0.5, 90.0}, {1.5, 90.0}}));

    lessonSwitch->setCurrentIndex(0);
    QCOMPARE(pointsOf(window, "accuracy"),
             (QList<QPointF>{{1, 100.0}, {2, 70.0}, {3, 100.0}, {4, 90.0}, {5, 100.0}}));
}

void TestProgressWindow::barForEachLetterWithItsCount()
{
    // A sent 60 times: the first ten read as R, then fifty right.
    RunRecord older = madeRun(QString(60, u'A'), QString(10, u'R') + QString(50, u'A'), 0);
    // E: 3 of 4 (one missed), T: 2 of 2, S: 1 of 2.
    RunRecord newer = madeRun(QStringLiteral("EEEETTSS"), QStringLiteral("EEE-TTSH"), 1);
    QVERIFY(m_history->store(older));
    QVERIFY(m_history->store(newer));
    ProgressWindow window(*m_history);
    window.refresh();

    QCOMPARE(letterLabels(window),
             QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z").split(u' '));
    QBarSet *accuracy = barSet(window, "letterAccuracy");
    QBarSet *weakest = barSet(window, "weakestLetter");
    QCOMPARE(valuesOf(accuracy), (QList<qreal>{100, 0, 0, 0, 75, 0,  0,   0, 0, 0, 0, 0, 0,
                                               0,   0, 0, 0, 0,  50, 100, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(accuracy->selectedBars(), QList<int>{18});
    // The weakest letter's column hatched from its bar up to 100 %.
    QCOMPARE(valuesOf(weakest), (QList<qreal>{0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0,
                                              0, 0, 0, 0, 0, 50, 0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(textOf(window, "weakestLine"),
             QStringLiteral("Weakest letter, hatched: S, 1 of the last 2 read right (50 %)."));
    QCOMPARE(textOf(window, "letterCounts"),
             QStringLiteral("Each bar stands on its letter's last 50 readings; fewer for E 4, "
                            "S 2, T 2; none yet for B, C, D, F, G, H, I, J, K, L, M, N, O, P, Q, "
                            "R, U, V, W, X, Y, Z."));

    // The mark moves with the weakest letter. S: 5 of 6 now; T: 3 of 5, below E's 3 of 4.
    QVERIFY(m_history->store(madeRun(QStringLiteral("SSSSTTT"), QStringLiteral("SSSSTMM"), 2)));
    window.refresh();
    QCOMPARE(accuracy->selectedBars(), QList<int>{19});
    QCOMPARE(accuracy->at(18), 83.0);
    QCOMPARE(accuracy->at(19), 60.0);
    QCOMPARE(weakest->at(18), 0.0);
    QCOMPARE(weakest->at(19), 40.0);
    QCOMPARE(weakest->sum(), 40.0);
}

void TestProgressWindow::neverReadRightIsStillMarked()
{
    // Q missed once: 0 %, no bar at all, so the hatching is its whole column.
    QVERIFY(m_history->store(madeRun(QStringLiteral("QEE"), QStringLiteral("-EE"), 0)));
    ProgressWindow window(*m_history);
    window.refresh();
    QCOMPARE(barSet(window, "letterAccuracy")->selectedBars(), QList<int>{16});
    QCOMPARE(barSet(window, "weakestLetter")->at(16), 100.0);
    QCOMPARE(textOf(window, "weakestLine"),
             QStringLiteral("Weakest letter, hatched: Q, 0 of the last 1 read right (0 %)."));
}

void TestProgressWindow::tenMostFrequentConfusions()
{
    QVERIFY(m_history->store(madeRun(QStringLiteral("SSSSSSS"), QStringLiteral("HHHHHHH"), 0)));
    QVERIFY(m_history->store(madeRun(QStringLiteral("EEEEE"), QStringLiteral("IIIII"), 1)));
    QVERIFY(m_history->store(madeRun(QStringLiteral("TTTTO"), QStringLiteral("MMMMO"), 2)));
    QVERIFY(m_history->store(madeRun(QStringLiteral("AAA"), QStringLiteral("NNN"), 3)));
    // Eight letters read once each as another, and one missed, which is no confusion.
    QVERIFY(m_history->store(madeRun(QStringLiteral("BCDFGKLPQ"), QStringLiteral("CBFDKGPL-"), 4)));
    ProgressWindow window(*m_history);
    window.refresh();
    QCOMPARE(textOf(window, "confusionLines"), QStringLiteral("S read as H: 7\n"
                                                              "E read as I: 5\n"
                                                              "T read as M: 4\n"
                                                              "A read as N: 3\n"
                                                              "B read as C: 1\n"
                                                              "C read as B: 1\n"
                                                              "D read as F: 1\n"
                                                              "F read as D: 1\n"
                                                              "G read as K: 1\n"
                                                              "K read as G: 1"));
}

void TestProgressWindow::lessonRowsInNumberOrder()
{
    ProgressWindow window(*m_history);
    window.refresh();
    const auto *table = control<QTableWidget>(window, "lessonTable");
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    QCOMPARE(headers, (QStringList{QStringLiteral("Lesson  שיעור"), QStringLiteral("Runs  ריצות"),
                                   QStringLiteral("Best  שיא"), QStringLiteral("Last  אחרונה"),
                                   QStringLiteral("Mastered  נשלט")}));
    QStringList lessons;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList cells = tableRow(window, row);
        lessons << cells[0];
        QCOMPARE(cells.mid(1), (QStringList{QStringLiteral("0"), QStringLiteral("–"),
                                            QStringLiteral("–"), QString()}));
    }
    QCOMPARE(lessons, (QStringList{QStringLiteral("1 (EISH)"), QStringLiteral("2 (TMO)"),
                                   QStringLiteral("3 (WG)"), QStringLiteral("4 (AUV)"),
                                   QStringLiteral("5 (NDB)"), QStringLiteral("6 (KR)"),
                                   QStringLiteral("7 (PX)"), QStringLiteral("8 (NA)"),
                                   QStringLiteral("9 (DU)"), QStringLiteral("10 (YQ)"),
                                   QStringLiteral("11 (LF)"), QStringLiteral("12 (ZJC)")}));
}

void TestProgressWindow::lessonTable_data()
{
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<QStringList>("lessonOne"); // the first row, from its runs column on
    QTest::addColumn<QStringList>("lessonTwo");
    QTest::addColumn<QString>("advice");
    const QString none = QStringLiteral("–");
    QTest::newRow("no runs") << QStringList()
                             << QStringList{QStringLiteral("0"), none, none, QString()}
                             << QStringList{QStringLiteral("0"), none, none, QString()}
                             << QStringLiteral("Next: lesson 1 (EISH).");
    QTest::newRow("lesson 1 mastered")
        << QStringList{QStringLiteral("1:9/10"), QStringLiteral("1:19/20"),
                       QStringLiteral("1:10/10")}
        << QStringList{QStringLiteral("3"), QStringLiteral("100 %"), QStringLiteral("100 %"),
                       QStringLiteral("✓")}
        << QStringList{QStringLiteral("0"), none, none, QString()}
        << QStringLiteral("Next: lesson 2 (TMO).");
    QTest::newRow("mastered, then a run under 90 %")
        << QStringList{QStringLiteral("1:9/10"), QStringLiteral("1:19/20"),
                       QStringLiteral("1:10/10"), QStringLiteral("1:8/10")}
        << QStringList{QStringLiteral("4"), QStringLiteral("100 %"), QStringLiteral("80 %"),
                       QString()}
        << QStringList{QStringLiteral("0"), none, none, QString()}
        << QStringLiteral("Next: lesson 1 (EISH).");
    // 99.5 % and 89.58 %: cut down, never rounded up to a perfect run or to mastery.
    QTest::newRow("whole percent")
        << QStringList{QStringLiteral("2:199/200"), QStringLiteral("2:43/48"),
                       QStringLiteral("atoz:10/10")}
        << QStringList{QStringLiteral("0"), none, none, QString()}
        << QStringList{QStringLiteral("2"), QStringLiteral("99 %"), QStringLiteral("89 %"),
                       QString()}
        << QStringLiteral("Next: lesson 1 (EISH).");
}

void TestProgressWindow::lessonTable()
{
    QFETCH(QStringList, runs);
    QFETCH(QStringList, lessonOne);
    QFETCH(QStringList, lessonTwo);
    QFETCH(QString, advice);
    QVERIFY(storeRuns(*m_history, runs));
    ProgressWindow window(*m_history);
    window.refresh();
    QCOMPARE(tableRow(window, 0).mid(1), lessonOne);
    QCOMPARE(tableRow(window, 1).mid(1), lessonTwo);
    QCOMPARE(textOf(window, "adviceLine"), advice);
}

void TestProgressWindow::everyLessonMastered()
{
    QStringList runs;
    for (int lesson = 1; lesson <= 12; ++lesson) {
        for (int run = 0; run < 3; ++run)
            runs << QStringLiteral("%1:9/10").arg(lesson);
    }
    QVERIFY(storeRuns(*m_history, runs));
    ProgressWindow window(*m_history);
    window.refresh();
    QCOMPARE(textOf(window, "adviceLine"), QStringLiteral("All twelve lessons are mastered."));
    QCOMPARE(tableRow(window, 11).mid(1),
             (QStringList{QStringLiteral("3"), QStringLiteral("90 %"), QStringLiteral("90 %"),
                          QStringLiteral("✓")}));
}

void TestProgressWindow::exportWritesTheRuns()
{
    QVERIFY(m_history->store(
        madeRun(QStringLiteral("PARIS"), QStringLiteral("P-RES"), 0, RunKind::Lesson, 4)));
    QVERIFY(m_history->store(
        madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"), 1, RunKind::WeakLetters)));
    ProgressWindow window(*m_history);
    window.refresh();
    window.setDialogs(m_dialogs);
    m_dialogs.fileName = m_dir->filePath(QStringLiteral("runs.csv"));
    QTest::mouseClick(control<QPushButton>(window, "exportButton"), Qt::LeftButton);
    QCOMPARE(m_dialogs.fileAsked, 1);
    QCOMPARE(contentsOf(m_dialogs.fileName),
             QByteArray("id,started,kind,lesson,speed,unit,minutes,elapsed_seconds,sent,copy,"
                        "right,wrong,missed,extra,accuracy,readings,repeats\r\n"
                        "1,2026-12-08T15:00:00.000Z,lesson,4,13,92,3,180.5,PARIS,PRES,"
                        "3,1,1,0,60,P-RES,0\r\n"
                        "2,2026-12-08T15:01:00.000Z,weak,0,13,92,3,180.5,SOS,SOS,"
                        "3,0,0,0,100,SOS,0\r\n"));
    QCOMPARE(textOf(window, "statusLine"),
             QStringLiteral("The runs were written to %1.").arg(m_dialogs.fileName));
}

void TestProgressWindow::exportFailureIsTold()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:3/4")}));
    ProgressWindow window(*m_history);
    window.refresh();
    window.setDialogs(m_dialogs);
    m_dialogs.fileName = m_dir->filePath(QStringLiteral("no such folder/runs.csv"));
    QTest::mouseClick(control<QPushButton>(window, "exportButton"), Qt::LeftButton);
    const QString told = textOf(window, "statusLine");
    QVERIFY2(told.startsWith(QStringLiteral("The practice history could not be exported to %1: ")
                                 .arg(m_dialogs.fileName)),
             qPrintable(told));
    QCOMPARE(told, m_history->lastError());
    QVERIFY(!QFile::exists(m_dialogs.fileName));
}

void TestProgressWindow::exportCancelledWritesNothing()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:3/4")}));
    ProgressWindow window(*m_history);
    window.refresh();
    window.setDialogs(m_dialogs);
    const QStringList before = QDir(m_dir->path()).entryList(QDir::Files);
    QTest::mouseClick(control<QPushButton>(window, "exportButton"), Qt::LeftButton);
    QCOMPARE(m_dialogs.fileAsked, 1);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), before);
    QCOMPARE(textOf(window, "statusLine"), QString());
}

void TestProgressWindow::forgetAfterConfirming()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("1:9/10"), QStringLiteral("atoz:3/4")}));
    ProgressWindow window(*m_history);
    window.refresh();
    window.setDialogs(m_dialogs);
    QCOMPARE(textOf(window, "statusLine"), QString());
    m_dialogs.forget = true;
    QTest::mouseClick(control<QPushButton>(window, "forgetButton"), Qt::LeftButton);
    QCOMPARE(m_dialogs.forgetAsked, 1);
    QCOMPARE(m_history->runCount(), std::optional<int>(0));
    QCOMPARE(textOf(window, "statusLine"), noRunsText);
    QCOMPARE(pointsOf(window, "accuracy"), QList<QPointF>());
    QCOMPARE(tableRow(window, 0).mid(1), (QStringList{QStringLiteral("0"), QStringLiteral("–"),
                                                      QStringLiteral("–"), QString()}));
    QCOMPARE(barSet(window, "letterAccuracy")->selectedBars(), QList<int>());
}

void TestProgressWindow::forgetDeclined()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("1:9/10"), QStringLiteral("atoz:3/4")}));
    ProgressWindow window(*m_history);
    window.refresh();
    window.setDialogs(m_dialogs);
    m_dialogs.forget = false;
    QTest::mouseClick(control<QPushButton>(window, "forgetButton"), Qt::LeftButton);
    QCOMPARE(m_dialogs.forgetAsked, 1);
    QCOMPARE(m_history->runCount(), std::optional<int>(2));
    QCOMPARE(pointsOf(window, "accuracy"), (QList<QPointF>{{1, 90.0}, {2, 75.0}}));
    QCOMPARE(textOf(window, "statusLine"), QString());
}

void TestProgressWindow::emptyHistory()
{
    ProgressWindow window(*m_history);
    window.refresh();
    QCOMPARE(textOf(window, "statusLine"), noRunsText);
    QCOMPARE(pointsOf(window, "accuracy"), QList<QPointF>());
    QCOMPARE(pointsOf(window, "recentAverage"), QList<QPointF>());
    QCOMPARE(pointsOf(window, "masteredLine"), (QList<QPointF>{{0.5, 90.0}, {1.5, 90.0}}));
    QCOMPARE(barSet(window, "letterAccuracy")->count(), 26);
    QCOMPARE(barSet(window, "letterAccuracy")->sum(), 0.0);
    QCOMPARE(barSet(window, "letterAccuracy")->selectedBars(), QList<int>());
    QCOMPARE(barSet(window, "weakestLetter")->sum(), 0.0);
    QCOMPARE(textOf(window, "weakestLine"), QStringLiteral("No letter sent yet."));
    QCOMPARE(textOf(window, "letterCounts"), QString());
    QCOMPARE(textOf(window, "confusionLines"),
             QStringLiteral("No letter has been read as another yet."));
    QCOMPARE(textOf(window, "adviceLine"), QStringLiteral("Next: lesson 1 (EISH)."));
    // Looking creates nothing on disk.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestProgressWindow::keptAsideFileStaysTold()
{
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("history.sqlite")), QByteArray(4096, 'x')));
    ProgressWindow window(*m_history);
    window.refresh();
    const QStringList kept =
        QDir(m_dir->path()).entryList({QStringLiteral("history.sqlite.unreadable-*")});
    QCOMPARE(kept.size(), 1);
    const QString told = QStringLiteral("Your practice history could not be read, so a new "
                                        "history was started. The old file was kept as %1.")
                             .arg(m_dir->filePath(kept[0]));
    QCOMPARE(textOf(window, "statusLine"), told + u'\n' + noRunsText);

    // The history tells it once; the window keeps telling it.
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:3/4")}));
    window.refresh();
    QCOMPARE(textOf(window, "statusLine"), told);
}

void TestProgressWindow::historyThatCannotBeReadIsTold()
{
    ProgressWindow window(*m_history);
    window.refresh();
    // Damaged, in a folder where it cannot be moved aside.
    const QString path = m_dir->filePath(QStringLiteral("history.sqlite"));
    QVERIFY(writeFile(path, QByteArray(4096, 'x')));
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner |
                                                     QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther));
    {
        OrdinaryUser user;
        QVERIFY(OrdinaryUser::active());
        window.refresh();
    }
    QCOMPARE(textOf(window, "statusLine"),
             QStringLiteral("The practice history %1 cannot be read, and it could not be moved "
                            "aside to start a new one.")
                 .arg(path));
}

void TestProgressWindow::standardDialogAsksBeforeForgetting_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("forget");
    QTest::newRow("yes") << QMessageBox::Yes << true;
    QTest::newRow("no") << QMessageBox::No << false;
}

void TestProgressWindow::standardDialogAsksBeforeForgetting()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, forget);
    QWidget window;
    StandardProgressDialogs dialogs;
    QString question;
    QMessageBox::StandardButton preset = QMessageBox::NoButton;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        question = box->text();
        preset = box->standardButton(box->defaultButton());
        box->button(answer)->click();
    });
    QCOMPARE(dialogs.confirmForget(window), forget);
    QCOMPARE(question, QStringLiteral("Forget every stored run? This cannot be undone."));
    QCOMPARE(preset, QMessageBox::No);
}

QTEST_MAIN(TestProgressWindow)
#include "test_progresswindow.moc"
