// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/practicesession.h"
#include "signal/characters.h"
#include "testfiles.h"
#include "ui/progress/progressdialogs.h"
#include "ui/progress/progresswindow.h"
#include "ui/progressbridge.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QGraphicsObject>
#include <QGraphicsTextItem>
#include <QHelpEvent>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <map>
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
// "kind:right/of" (the same as a run of another kind: atoz, weak, text, drill or exam), one
// minute apart in that order, from `minute`. False, saying why, when one could not be stored.
bool storeRuns(PracticeHistory &history, const QStringList &texts, int minute = 0)
{
    const std::map<QString, RunKind> kinds = {{QStringLiteral("atoz"), RunKind::AtoZ},
                                              {QStringLiteral("weak"), RunKind::WeakLetters},
                                              {QStringLiteral("text"), RunKind::Text},
                                              {QStringLiteral("drill"), RunKind::Drill},
                                              {QStringLiteral("exam"), RunKind::Exam}};
    for (const QString &text : texts) {
        const QString what = text.section(u':', 0, 0);
        const int right = text.section(u':', 1).section(u'/', 0, 0).toInt();
        const int of = text.section(u'/', 1).toInt();
        const auto kind = kinds.find(what);
        RunRecord run =
            kind != kinds.end()
                ? madeRun(QString(of, u'E'), QString(right, u'E') + QString(of - right, u'T'), 0,
                          kind->second)
                : lessonRun(what.toInt(), right, of);
        run.startedUtc = run.startedUtc.addSecs(60 * qint64(minute++));
        if (!history.store(run)) {
            qWarning("%s", qPrintable(history.lastError()));
            return false;
        }
    }
    return true;
}

QList<QPointF> pointsOf(const ProgressWindow &window, const char *series,
                        const char *chartName = "accuracyChart")
{
    const QChart *chart = control<QChartView>(window, chartName)->chart();
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

// Where a value of a chart's series is drawn, in the chart view's own pixels.
QPoint pointOnChart(const QChartView *view, const char *series, QPointF value)
{
    QChart *chart = view->chart();
    auto *found = chart->findChild<QAbstractSeries *>(QLatin1String(series));
    if (!found)
        qFatal("no series named %s", series);
    return view->mapFromScene(chart->mapToScene(chart->mapToPosition(value, found)));
}

// The tip the chart shows for the pointer at a place.
QString tipAt(QChartView *view, QPoint place)
{
    QHelpEvent help(QEvent::ToolTip, place, view->viewport()->mapToGlobal(place));
    QApplication::sendEvent(view->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Whether every dot of the runs lies where Qt Charts repaints when the runs change: within
// the bounds of the graphics item that draws their line. A dot outside stays on screen after
// the runs it stood for are gone.
bool dotsLieWhereTheRunsRepaint(const ProgressWindow &window)
{
    QChart *chart = control<QChartView>(window, "accuracyChart")->chart();
    auto *runs = chart->findChild<QLineSeries *>(QStringLiteral("accuracy"));
    QList<QRectF> dots;
    for (const QPointF &point : runs->points()) {
        const QPointF centre = chart->mapToScene(chart->mapToPosition(point, runs));
        const double half = runs->markerSize() / 2.0;
        dots << QRectF(centre - QPointF(half, half), centre + QPointF(half, half));
    }
    // The item of the runs' line is the one line item whose line runs through every dot.
    for (QGraphicsItem *item : chart->scene()->items()) {
        const QGraphicsObject *line = item->toGraphicsObject();
        if (!line || qstrcmp(line->metaObject()->className(), "LineChartItem") != 0)
            continue;
        const bool throughEvery = std::ranges::all_of(dots, [item](const QRectF &dot) {
            return item->contains(item->mapFromScene(dot.center()));
        });
        if (!throughEvery)
            continue;
        const QRectF repainted = item->sceneBoundingRect();
        return std::ranges::all_of(
            dots, [&repainted](const QRectF &dot) { return repainted.contains(dot); });
    }
    qWarning("no line runs through the dots of %lld runs", qlonglong(dots.size()));
    return false;
}

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void isAWindowOfItsOwn();
    void escapeAndCloseClose_data();
    void escapeAndCloseClose();
    void accuracyOfEachRunWithItsAverage();
    void runSwitchShowsEachKind_data();
    void runSwitchShowsEachKind();
    void pointingAtARunTellsIt();
    void keyingsShowTheirMerit();
    void oldDotsAreRepaintedAway();
    void barForEachLetterWithItsCount();
    void notReadYetIsNotNoneRight();
    void everyCharactersLabelIsWholeAtTheFirstSize();
    void startButtonsStartTheAdvisedRuns();
    void tenMostFrequentConfusions();
    void lessonRowsInNumberOrder();
    void lessonTable_data();
    void lessonTable();
    void everyLessonMastered();
    void byLight_data();
    void byLight();
    void hebrewLessonsWhenHebrewIsChosen();
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
    std::unique_ptr<PracticeSession> m_session;
    PracticeHistory *m_history = nullptr; // the session's
    std::unique_ptr<ProgressBridge> m_bridge;
    QList<int> m_lessonsStarted;
    int m_weakLetterRuns = 0;
    ScriptedDialogs m_dialogs;
};

void TestProgressWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_session = std::make_unique<PracticeSession>(m_dir->path());
    m_history = &m_session->history();
    m_lessonsStarted.clear();
    m_weakLetterRuns = 0;
    m_bridge = std::make_unique<ProgressBridge>(
        *m_session, [this](int lesson) { m_lessonsStarted << lesson; },
        [this] { ++m_weakLetterRuns; });
    m_dialogs = ScriptedDialogs();
}

void TestProgressWindow::cleanup()
{
    m_bridge.reset();
    m_history = nullptr;
    m_session.reset();
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

void TestProgressWindow::isAWindowOfItsOwn()
{
    QWidget main;
    ProgressWindow window(*m_bridge, &main);
    QVERIFY(window.isWindow());
    QCOMPARE(window.windowModality(), Qt::NonModal);
}

void TestProgressWindow::escapeAndCloseClose_data()
{
    QTest::addColumn<bool>("escape"); // else the Close button
    QTest::newRow("Esc") << true;
    QTest::newRow("Close") << false;
}

void TestProgressWindow::escapeAndCloseClose()
{
    QFETCH(bool, escape);
    ProgressWindow window(*m_bridge);
    window.refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (escape)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        QTest::mouseClick(control<QPushButton>(window, "closeButton"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void TestProgressWindow::accuracyOfEachRunWithItsAverage()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:10/10"), QStringLiteral("atoz:8/10"),
                                   QStringLiteral("atoz:5/10"), QStringLiteral("atoz:10/10"),
                                   QStringLiteral("atoz:6/10"), QStringLiteral("atoz:9/10")}));
    ProgressWindow window(*m_bridge);
    window.refresh();
    QCOMPARE(pointsOf(window, "accuracy"),
             (QList<QPointF>{{1, 100.0}, {2, 80.0}, {3, 50.0}, {4, 100.0}, {5, 60.0}, {6, 90.0}}));
    // The mean of each run and up to four before it.
    QCOMPARE(
        pointsOf(window, "recentAverage"),
        (QList<QPointF>{{1, 100.0}, {2, 90.0}, {3, 230.0 / 3.0}, {4, 82.5}, {5, 78.0}, {6, 76.0}}));
    QCOMPARE(pointsOf(window, "masteredLine"), (QList<QPointF>{{0.5, 90.0}, {6.5, 90.0}}));
}

void TestProgressWindow::runSwitchShowsEachKind_data()
{
    QTest::addColumn<int>("choice"); // its place in the switch
    QTest::addColumn<QList<qreal>>("accuracies");
    QTest::newRow("all runs") << 0 << QList<qreal>{100, 80, 70, 60, 50, 40, 30};
    QTest::newRow("A to Z") << 1 << QList<qreal>{100};
    QTest::newRow("weak letters") << 2 << QList<qreal>{80};
    QTest::newRow("lesson 1, none") << 3 << QList<qreal>();
    QTest::newRow("lesson 3") << 5 << QList<qreal>{70, 30};
    QTest::newRow("lesson 12, none") << 14 << QList<qreal>();
    QTest::newRow("text runs") << 15 << QList<qreal>{60};
    QTest::newRow("message drills and exams") << 16 << QList<qreal>{50, 40};
}

void TestProgressWindow::runSwitchShowsEachKind()
{
    QFETCH(int, choice);
    QFETCH(QList<qreal>, accuracies);
    QVERIFY(storeRuns(*m_history, QStringLiteral("atoz:10/10 weak:8/10 3:7/10 text:6/10 "
                                                 "drill:5/10 exam:4/10 3:3/10")
                                      .split(u' ')));
    ProgressWindow window(*m_bridge);
    window.refresh();
    auto *runSwitch = control<QComboBox>(window, "runSwitch");
    QCOMPARE(runSwitch->count(), 18);
    runSwitch->setCurrentIndex(choice);
    QList<qreal> shown;
    for (const QPointF &point : pointsOf(window, "accuracy"))
        shown << point.y();
    QCOMPARE(shown, accuracies);
    // An empty choice says so instead of showing a bare chart.
    QCOMPARE(control<QLabel>(window, "noRunsLabel")->isVisibleTo(&window), accuracies.isEmpty());
    QCOMPARE(control<QWidget>(window, "accuracyChart")->isVisibleTo(&window),
             !accuracies.isEmpty());

    // A new run of the choice joins it when the window is refreshed; the choice stays.
    QVERIFY(storeRuns(*m_history, QStringLiteral("atoz:2/10 3:2/10").split(u' '), 10));
    window.refresh();
    QCOMPARE(runSwitch->currentIndex(), choice);
}

void TestProgressWindow::pointingAtARunTellsIt()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:10/10"), QStringLiteral("3:7/10")}));
    ProgressWindow window(*m_bridge);
    window.refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *view = control<QChartView>(window, "accuracyChart");
    const QString date = QLocale().toString(
        QDateTime(QDate(2026, 12, 8), QTime(15, 1), Qt::UTC).toLocalTime(), QLocale::ShortFormat);
    QCOMPARE(tipAt(view, pointOnChart(view, "accuracy", {2, 50})),
             QStringLiteral("Run 2, %1\nLesson 3 (WG), speed 13: 70 %").arg(date));
}

void TestProgressWindow::keyingsShowTheirMerit()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:10/10")}));
    QVERIFY(m_history->store(keyingRun(QStringLiteral("SOS"), QStringLiteral("SOH"), 40, 1)));
    QVERIFY(storeRuns(*m_history, {QStringLiteral("text:5/10")}, 2));
    QVERIFY(m_history->store(keyingRun(QStringLiteral("PARIS"), QStringLiteral("PARIS"), 80, 3)));
    ProgressWindow window(*m_bridge);
    window.refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *runSwitch = control<QComboBox>(window, "runSwitch");
    auto *measureSwitch = control<QComboBox>(window, "measureSwitch");
    auto *meritChart = control<QChartView>(window, "meritChart");
    // Keyings are runs like any other for their accuracy.
    QCOMPARE(pointsOf(window, "accuracy"),
             (QList<QPointF>{{1, 100.0}, {2, 66.0}, {3, 50.0}, {4, 100.0}}));
    QVERIFY(measureSwitch->isVisible());
    measureSwitch->setCurrentIndex(1);
    QVERIFY(meritChart->isVisible());
    QCOMPARE(pointsOf(window, "merit", "meritChart"), (QList<QPointF>{{1, 40.0}, {2, 80.0}}));
    QCOMPARE(pointsOf(window, "recentMerit", "meritChart"), (QList<QPointF>{{1, 40.0}, {2, 60.0}}));
    const QString date = QLocale().toString(
        QDateTime(QDate(2026, 12, 8), QTime(15, 3), Qt::UTC).toLocalTime(), QLocale::ShortFormat);
    QCOMPARE(tipAt(meritChart, pointOnChart(meritChart, "merit", {2, 80})),
             QStringLiteral("Run 2, %1\nKeying, speed 13: 100 %, merit 80").arg(date));
    // The keyings alone, measured as chosen; runs with no keying offer no merit.
    runSwitch->setCurrentIndex(runSwitch->findText(QStringLiteral("Keying")));
    QCOMPARE(pointsOf(window, "merit", "meritChart"), (QList<QPointF>{{1, 40.0}, {2, 80.0}}));
    QCOMPARE(pointsOf(window, "accuracy"), (QList<QPointF>{{1, 66.0}, {2, 100.0}}));
    QVERIFY(meritChart->isVisible());
    runSwitch->setCurrentIndex(runSwitch->findText(QStringLiteral("Text runs")));
    QVERIFY(!measureSwitch->isVisible() && !meritChart->isVisible());
}

void TestProgressWindow::oldDotsAreRepaintedAway()
{
    QVERIFY(storeRuns(*m_history, QStringLiteral("3:7/10 3:2/10 3:10/10 1:5/10").split(u' ')));
    ProgressWindow window(*m_bridge);
    connect(m_session.get(), &PracticeSession::historyChanged, &window, &ProgressWindow::refresh);
    window.refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *runSwitch = control<QComboBox>(window, "runSwitch");
    // Each choice's dots are where the next change repaints: a lesson of three runs, one of
    // a single run, all runs, and the empty chart forgetting leaves.
    for (const int choice : {5, 3, 0}) {
        runSwitch->setCurrentIndex(choice);
        QCoreApplication::processEvents();
        QVERIFY2(dotsLieWhereTheRunsRepaint(window), qPrintable(runSwitch->currentText()));
    }
    m_dialogs.forget = true;
    window.setDialogs(m_dialogs);
    QTest::mouseClick(control<QPushButton>(window, "forgetButton"), Qt::LeftButton);
    QCOMPARE(pointsOf(window, "accuracy"), QList<QPointF>());
    QVERIFY(control<QLabel>(window, "noRunsLabel")->isVisible());
}

void TestProgressWindow::barForEachLetterWithItsCount()
{
    // A sent 60 times: the first ten read as R, then fifty right.
    RunRecord older = madeRun(QString(60, u'A'), QString(10, u'R') + QString(50, u'A'), 0);
    // E: 9 of 12, T: 10 of 10, S: 2 of 4 (too few readings to be the weakest).
    RunRecord newer = madeRun(QStringLiteral("EEEEEEEEEEEETTTTTTTTTTSSSS"),
                              QStringLiteral("EEEEEEEEE-IITTTTTTTTTTSHS-"), 1);
    QVERIFY(m_history->store(older));
    QVERIFY(m_history->store(newer));
    ProgressWindow window(*m_bridge);
    window.refresh();

    QCOMPARE(letterLabels(window),
             QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z").split(u' '));
    QBarSet *plain = barSet(window, "plainBars");
    QBarSet *weakest = barSet(window, "weakestBar");
    // The weakest letter's bar hatched at its own height in place of the plain one.
    QCOMPARE(valuesOf(plain), (QList<qreal>{100, 0, 0, 0, 0, 0,  0,   0, 0, 0, 0, 0, 0,
                                            0,   0, 0, 0, 0, 50, 100, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(valuesOf(weakest), (QList<qreal>{0, 0, 0, 0, 75, 0, 0, 0, 0, 0, 0, 0, 0,
                                              0, 0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0, 0}));
    // S is lower, but read too few times to be called the weakest: the line says so.
    QCOMPARE(textOf(window, "weakestLine"),
             QStringLiteral("Weakest, hatched: E, 9 of the last 12 read right (75 %). S is lower, "
                            "2 of 4 read right (50 %), but 4 reading(s) are too few to be sure: "
                            "a character is judged on ten or more."));
    QCOMPARE(textOf(window, "letterCounts"),
             QStringLiteral("Each bar is the share read right of its character's last 50 "
                            "readings.\nRead these more, to be sure of them: S.\nNot sent yet: "
                            "B, C, D, F, G, H, I, J, K, L, M, N, O, P, Q, R, U, V, W, X, Y, Z."));

    // The mark moves with the weakest letter. T: 13 of 20 now, below E's 9 of 12.
    QVERIFY(
        m_history->store(madeRun(QStringLiteral("TTTTTTTTTT"), QStringLiteral("TTTMMMMMMM"), 2)));
    window.refresh();
    QCOMPARE(plain->at(4), 75.0);
    QCOMPARE(weakest->at(4), 0.0);
    QCOMPARE(plain->at(19), 0.0);
    QCOMPARE(weakest->at(19), 65.0);
    QCOMPARE(weakest->sum(), 65.0);
}

void TestProgressWindow::notReadYetIsNotNoneRight()
{
    // Q read wrong four times out of four; X never sent; + (AR) sent once, read right.
    QVERIFY(m_history->store(madeRun(QStringLiteral("QQQQ+"), QStringLiteral("-OO-+"), 0)));
    ProgressWindow window(*m_bridge);
    window.refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList labels =
        QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z").split(u' ');
    labels << QStringLiteral("+");
    QCOMPARE(letterLabels(window), labels);
    QBarSet *plain = barSet(window, "plainBars");
    QCOMPARE(plain->at(16), 0.0);
    QCOMPARE(plain->at(23), 0.0);
    // No bar either way; a ring marks each letter never read, Q has none.
    const auto *rings = control<QChartView>(window, "letterChart")
                            ->chart()
                            ->findChild<QScatterSeries *>(QStringLiteral("notReadMarks"));
    QVERIFY(rings);
    QList<int> ringed;
    for (const QPointF &ring : rings->points())
        ringed << qRound(ring.x());
    QVERIFY(ringed.contains(23));
    QVERIFY(!ringed.contains(16));
    QCOMPARE(ringed.size(), 25);
    auto *view = control<QChartView>(window, "letterChart");
    QCOMPARE(tipAt(view, pointOnChart(view, "notReadMarks", {16, 50})),
             QStringLiteral("Q: 0 of the last 4 read right (0 %)"));
    QCOMPARE(tipAt(view, pointOnChart(view, "notReadMarks", {23, 50})),
             QStringLiteral("X: not read yet"));
    QCOMPARE(tipAt(view, pointOnChart(view, "notReadMarks", {26, 50})),
             QStringLiteral("+ (AR): 1 of the last 1 read right (100 %)"));
    // Four readings are too few to call Q the weakest.
    QCOMPARE(barSet(window, "weakestBar")->sum(), 0.0);
    QCOMPARE(textOf(window, "weakestLine"),
             QStringLiteral("Lowest so far: Q, 0 of 4 read right (0 %), but 4 reading(s) are too "
                            "few to be sure: a character is judged on ten or more."));
}

void TestProgressWindow::everyCharactersLabelIsWholeAtTheFirstSize()
{
    // Every character sent: 51 columns.
    const QString all = sendableCharacters().toString();
    QVERIFY(m_history->store(madeRun(all, all, 0)));
    ProgressWindow window(*m_bridge);
    window.refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QChart *chart = control<QChartView>(window, "letterChart")->chart();
    QStringList shown;
    for (QGraphicsItem *item : chart->scene()->items()) {
        if (const auto *label = dynamic_cast<QGraphicsTextItem *>(item);
            label && label->isVisible())
            shown << label->toPlainText();
    }
    for (const QChar c : all)
        QVERIFY2(shown.contains(QString(c)), qPrintable(QString(c) + u' ' + shown.join(u' ')));
}

void TestProgressWindow::startButtonsStartTheAdvisedRuns()
{
    QVERIFY(storeRuns(*m_history, QStringLiteral("1:9/10 1:9/10 1:10/10").split(u' ')));
    ProgressWindow window(*m_bridge);
    window.refresh();
    QCOMPARE(textOf(window, "adviceLine"), QStringLiteral("Next: lesson 2 (TMO)."));
    QTest::mouseClick(control<QPushButton>(window, "startLessonButton"), Qt::LeftButton);
    QCOMPARE(m_lessonsStarted, QList<int>{2});
    QTest::mouseClick(control<QPushButton>(window, "weakLettersRunButton"), Qt::LeftButton);
    QCOMPARE(m_weakLetterRuns, 1);
    QCOMPARE(m_lessonsStarted, QList<int>{2});
}

void TestProgressWindow::tenMostFrequentConfusions()
{
    QVERIFY(m_history->store(madeRun(QStringLiteral("SSSSSSS"), QStringLiteral("HHHHHHH"), 0)));
    QVERIFY(m_history->store(madeRun(QStringLiteral("EEEEE"), QStringLiteral("IIIII"), 1)));
    QVERIFY(m_history->store(madeRun(QStringLiteral("TTTTO"), QStringLiteral("MMMMO"), 2)));
    QVERIFY(m_history->store(madeRun(QStringLiteral("AAA"), QStringLiteral("NNN"), 3)));
    // Eight letters read once each as another, and one missed, which is no confusion.
    QVERIFY(m_history->store(madeRun(QStringLiteral("BCDFGKLPQ"), QStringLiteral("CBFDKGPL-"), 4)));
    ProgressWindow window(*m_bridge);
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
    ProgressWindow window(*m_bridge);
    window.refresh();
    const auto *table = control<QTableWidget>(window, "lessonTable");
    QStringList lessons;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList cells = tableRow(window, row);
        lessons << cells[0];
        QCOMPARE(cells.mid(1), (QStringList{QStringLiteral("0"), QStringLiteral("–"),
                                            QStringLiteral("–"), QStringLiteral("3 more")}));
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
    const QStringList untried{QStringLiteral("0"), none, none, QStringLiteral("3 more")};
    QTest::newRow("no runs") << QStringList() << untried << untried
                             << QStringLiteral("Next: lesson 1 (EISH).");
    QTest::newRow("one good run") << QStringList{QStringLiteral("1:9/10")}
                                  << QStringList{QStringLiteral("1"), QStringLiteral("90 %"),
                                                 QStringLiteral("90 %"), QStringLiteral("2 more")}
                                  << untried << QStringLiteral("Next: lesson 1 (EISH).");
    QTest::newRow("lesson 1 mastered")
        << QStringList{QStringLiteral("1:9/10"), QStringLiteral("1:19/20"),
                       QStringLiteral("1:10/10")}
        << QStringList{QStringLiteral("3"), QStringLiteral("100 %"), QStringLiteral("100 %"),
                       QStringLiteral("✓")}
        << untried << QStringLiteral("Next: lesson 2 (TMO).");
    QTest::newRow("mastered, then a run under 90 %")
        << QStringList{QStringLiteral("1:9/10"), QStringLiteral("1:19/20"),
                       QStringLiteral("1:10/10"), QStringLiteral("1:8/10")}
        << QStringList{QStringLiteral("4"), QStringLiteral("100 %"), QStringLiteral("80 %"),
                       QStringLiteral("3 more")}
        << untried << QStringLiteral("Next: lesson 1 (EISH).");
    // 99.5 % and 89.58 %: cut down, never rounded up to a perfect run or to mastery.
    QTest::newRow("whole percent")
        << QStringList{QStringLiteral("2:199/200"), QStringLiteral("2:43/48"),
                       QStringLiteral("atoz:10/10")}
        << untried
        << QStringList{QStringLiteral("2"), QStringLiteral("99 %"), QStringLiteral("89 %"),
                       QStringLiteral("3 more")}
        << QStringLiteral("Next: lesson 1 (EISH).");
}

void TestProgressWindow::lessonTable()
{
    QFETCH(QStringList, runs);
    QFETCH(QStringList, lessonOne);
    QFETCH(QStringList, lessonTwo);
    QFETCH(QString, advice);
    QVERIFY(storeRuns(*m_history, runs));
    ProgressWindow window(*m_bridge);
    window.refresh();
    QCOMPARE(tableRow(window, 0).mid(1), lessonOne);
    QCOMPARE(tableRow(window, 1).mid(1), lessonTwo);
    QCOMPARE(textOf(window, "adviceLine"), advice);
}

void TestProgressWindow::byLight_data()
{
    // Each run "timing:light", of four letters with three read right but under the plain lamp,
    // where all four are.
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<QStringList>("rows"); // each row's cells that show, apart by '|'
    const QString dusk = QStringLiteral("own:sky=dusk haze=40 shimmer=30");
    QTest::newRow("clear on both timings")
        << QStringList{QStringLiteral("own:"), QStringLiteral("international:")} << QStringList();
    QTest::newRow("dusk") << QStringList{QStringLiteral("own:"), dusk, dusk}
                          << QStringList{QStringLiteral("Clear|1|100 %"),
                                         QStringLiteral("Dusk, haze 40, shimmer 30|2|75 %")};
    QTest::newRow("only under a light, the timings differing")
        << QStringList{QStringLiteral("international:distance hand=10"),
                       QStringLiteral("own:shutter=20 sky=night")}
        << QStringList{QStringLiteral("Distant, hand 10 %|International|1|75 %"),
                       QStringLiteral("Night, shutter 20 ms|Own|1|75 %")};
}

void TestProgressWindow::byLight()
{
    QFETCH(QStringList, runs);
    QFETCH(QStringList, rows);
    for (const QString &text : runs) {
        const QString light = text.section(u':', 1);
        RunRecord run = madeRun(QStringLiteral("EEEE"),
                                light.isEmpty() ? QStringLiteral("EEEE") : QStringLiteral("EEE-"));
        run.timing = text.startsWith(u"own") ? Timing::Own : Timing::International;
        run.light = *lightFromText(light);
        QVERIFY(m_history->store(run));
    }
    ProgressWindow window(*m_bridge);
    window.resize(1024, 768);
    window.show();
    window.refresh();
    QCOMPARE(control<QWidget>(window, "byLight")->isVisible(), !rows.isEmpty());
    const auto *table = control<QTableWidget>(window, "lightTable");
    QStringList shown;
    for (int row = 0; row < table->rowCount() && !rows.isEmpty(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            if (!table->isColumnHidden(column))
                cells << table->item(row, column)->text();
        }
        shown << cells.join(u'|');
    }
    QCOMPARE(shown, rows);
    // The table beside the characters leaves nothing to scroll sideways on a 1024 x 768 screen.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(control<QScrollArea>(window, "progressScroll")->horizontalScrollBar()->maximum(), 0);
}

void TestProgressWindow::everyLessonMastered()
{
    QStringList runs;
    for (int lesson = 1; lesson <= 12; ++lesson) {
        for (int run = 0; run < 3; ++run)
            runs << QStringLiteral("%1:9/10").arg(lesson);
    }
    QVERIFY(storeRuns(*m_history, runs));
    ProgressWindow window(*m_bridge);
    window.refresh();
    QCOMPARE(textOf(window, "adviceLine"), QStringLiteral("All twelve lessons are mastered."));
    QVERIFY(control<QPushButton>(window, "startLessonButton")->isHidden());
    QCOMPARE(tableRow(window, 11).mid(1),
             (QStringList{QStringLiteral("3"), QStringLiteral("90 %"), QStringLiteral("90 %"),
                          QStringLiteral("✓")}));
}

void TestProgressWindow::hebrewLessonsWhenHebrewIsChosen()
{
    // The options file of this test's learner, read as the runs read it.
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&configHome] { qputenv("XDG_CONFIG_HOME", configHome); });
    qputenv("XDG_CONFIG_HOME", m_dir->filePath(QStringLiteral("config")).toLocal8Bit());
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("config/blinket"))));
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("config/blinket/blinket.conf")),
                      "[runs]\ncharacters=hebrew\n"));
    // Hebrew lesson 1 mastered, and E read once in a run of A to Z.
    const QString lesson1 = QStringLiteral("ויש");
    for (int minute = 0; minute < 3; ++minute)
        QVERIFY(m_history->store(madeRun(lesson1, lesson1, minute, RunKind::Lesson, 101)));
    QVERIFY(m_history->store(madeRun(QStringLiteral("E"), QStringLiteral("E"), 3)));

    ProgressWindow window(*m_bridge);
    window.refresh();
    QCOMPARE(letterLabels(window),
             QStringLiteral("E א ב ג ד ה ו ז ח ט י כ ל מ נ ס ע פ צ ק ר ש ת").split(u' '));
    QStringList lessons;
    for (int row = 0; row < control<QTableWidget>(window, "lessonTable")->rowCount(); ++row)
        lessons << tableRow(window, row).front();
    QCOMPARE(lessons.join(u','),
             QStringLiteral("1 (\u200Eו י ש\u200E),2 (\u200Eת מ ה\u200E),3 (\u200Eח א ט\u200E),"
                            "4 (\u200Eנ ד ב\u200E),5 (\u200Eכ ר\u200E),6 (\u200Eצ ג\u200E),"
                            "7 (\u200Eל פ ע\u200E),8 (\u200Eז ק ס\u200E)"));
    QCOMPARE(tableRow(window, 0).back(), QStringLiteral("✓"));
    QCOMPARE(textOf(window, "adviceLine"),
             QStringLiteral("Next: Hebrew lesson 2 (\u200Eת מ ה\u200E)."));
    QTest::mouseClick(control<QPushButton>(window, "startLessonButton"), Qt::LeftButton);
    QCOMPARE(m_lessonsStarted, QList<int>{102});
    QVERIFY(control<QComboBox>(window, "runSwitch")
                ->findText(QStringLiteral("Hebrew lesson 1 (ו י ש)")) >= 0);
}

void TestProgressWindow::exportWritesTheRuns()
{
    QVERIFY(m_history->store(
        madeRun(QStringLiteral("PARIS"), QStringLiteral("P-RES"), 0, RunKind::Lesson, 4)));
    QVERIFY(m_history->store(
        madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"), 1, RunKind::WeakLetters)));
    ProgressWindow window(*m_bridge);
    window.refresh();
    window.setDialogs(m_dialogs);
    m_dialogs.fileName = m_dir->filePath(QStringLiteral("runs.csv"));
    QTest::mouseClick(control<QPushButton>(window, "exportButton"), Qt::LeftButton);
    QCOMPARE(m_dialogs.fileAsked, 1);
    QCOMPARE(contentsOf(m_dialogs.fileName),
             QByteArray("id,started,kind,lesson,speed,unit,minutes,elapsed_seconds,sent,copy,"
                        "right,wrong,missed,extra,accuracy,readings,repeats,merit,keyed_wpm,"
                        "dash_ratio,element_gap_ratio,letter_gap_ratio,word_gap_ratio,"
                        "dot_spread,dash_spread,timing,light\r\n"
                        "1,2026-12-08T15:00:00.000Z,lesson,4,13,92,3,180.5,PARIS,PRES,"
                        "3,1,1,0,60,P-RES,0,,,,,,,,,own,\r\n"
                        "2,2026-12-08T15:01:00.000Z,weak,0,13,92,3,180.5,SOS,SOS,"
                        "3,0,0,0,100,SOS,0,,,,,,,,,own,\r\n"));
    QCOMPARE(textOf(window, "statusLine"),
             QStringLiteral("The runs were written to %1.").arg(m_dialogs.fileName));
}

void TestProgressWindow::exportFailureIsTold()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("atoz:3/4")}));
    ProgressWindow window(*m_bridge);
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
    ProgressWindow window(*m_bridge);
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
    ProgressWindow window(*m_bridge);
    // As the main window has it: the session tells the window the history changed.
    connect(m_session.get(), &PracticeSession::historyChanged, &window, &ProgressWindow::refresh);
    window.refresh();
    window.setDialogs(m_dialogs);
    QCOMPARE(textOf(window, "statusLine"), QString());
    m_dialogs.forget = true;
    QTest::mouseClick(control<QPushButton>(window, "forgetButton"), Qt::LeftButton);
    QCOMPARE(m_dialogs.forgetAsked, 1);
    QCOMPARE(m_history->runCount(), std::optional<int>(0));
    QCOMPARE(textOf(window, "statusLine"), noRunsText);
    QCOMPARE(pointsOf(window, "accuracy"), QList<QPointF>());
    QCOMPARE(tableRow(window, 0).mid(1),
             (QStringList{QStringLiteral("0"), QStringLiteral("–"), QStringLiteral("–"),
                          QStringLiteral("3 more")}));
    QCOMPARE(barSet(window, "plainBars")->sum(), 0.0);
}

void TestProgressWindow::forgetDeclined()
{
    QVERIFY(storeRuns(*m_history, {QStringLiteral("1:9/10"), QStringLiteral("atoz:3/4")}));
    ProgressWindow window(*m_bridge);
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
    ProgressWindow window(*m_bridge);
    window.refresh();
    QCOMPARE(textOf(window, "statusLine"), noRunsText);
    QCOMPARE(pointsOf(window, "accuracy"), QList<QPointF>());
    QCOMPARE(pointsOf(window, "recentAverage"), QList<QPointF>());
    QCOMPARE(pointsOf(window, "masteredLine"), (QList<QPointF>{{0.5, 90.0}, {1.5, 90.0}}));
    QCOMPARE(barSet(window, "plainBars")->count(), 26);
    QCOMPARE(barSet(window, "plainBars")->sum(), 0.0);
    QCOMPARE(barSet(window, "weakestBar")->sum(), 0.0);
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
    ProgressWindow window(*m_bridge);
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
    ProgressWindow window(*m_bridge);
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
