// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "practice/copytext.h"
#include "typedrun.h"
#include "ui/copycheck/copybox.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/copycheck/copymarksview.h"
#include "ui/fonts.h"
#include "windowharness.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace blinket;

namespace {

QString text(const QWidget &window, const char *label)
{
    return control<QLabel>(window, label)->text();
}

const CopyMarksView &marks(const QWidget &window)
{
    return *control<CopyMarksView>(window, "marks");
}

// The lines of the marks as text: the row of characters sent over the row of marks, each
// line's two rows one after the other.
QStringList markRows(const QWidget &window)
{
    const MarksLayout &layout = marks(window).marksLayout();
    QStringList rows;
    for (int line = 0; line < layout.lineCount(); ++line)
        rows << layout.sentRow(line) << layout.markRow(line);
    return rows;
}

// The letter table as "character sent right wrong missed readas" lines.
QStringList letterRows(const QWidget &window)
{
    const auto *table = control<QTableWidget>(window, "letters");
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        rows << cells.join(u' ');
    }
    return rows;
}

// The places of a run laid out in lines of `columns` columns, as text.
QStringList laidOut(const QString &sent, const QString &typed, int columns)
{
    MarksLayout layout;
    layout.setPlaces(scoreCopy(sent, typed).aligned);
    layout.setColumns(columns);
    QStringList rows;
    for (int line = 0; line < layout.lineCount(); ++line)
        rows << layout.sentRow(line) + u'|' + layout.markRow(line);
    return rows;
}

// The Copy check window over a session of its own.
struct Checking
{
    // Shows a run that sent `sent` while the learner typed `typed`.
    void show(const QString &sent, const QString &typed, const RunRecord &run = {},
              const QString &runCharacters = {})
    {
        typedRun(session, sent, typed, run, runCharacters);
        window.showLastRun();
        // At its first size: the lines of marks follow the view's width.
        window.show();
    }
    CopyBox *copyBox() const { return control<CopyBox>(window, "copy"); }

    QTemporaryDir folder;
    PracticeSession session{folder.path()};
    CopyCheckWindow window{session};
};

} // namespace

class TestCopyCheckWindow : public QObject
{
    Q_OBJECT
private slots:
    void anExamIsPassedAtSeventyPercent_data();
    void anExamIsPassedAtSeventyPercent();
    void initTestCase();
    void showsTheScoreAndTheMarks();
    void theLetterTable_data();
    void theLetterTable();
    void marksDoNotRelyOnColour();
    void missedMarksCanBeCounted();
    void marksGoInLinesOfWholeGroups_data();
    void marksGoInLinesOfWholeGroups();
    void theMarksGrowWithTheWindow();
    void eightRowsOfTheTableInSight();
    void countsAgreeWithTheirNumbers_data();
    void countsAgreeWithTheirNumbers();
    void theHeaderNamesTheRun_data();
    void theHeaderNamesTheRun();
    void aTextRunIsCheckedWordByWord_data();
    void aTextRunIsCheckedWordByWord();
    void escAndCloseCloseIt();
    void theScoreFollowsTheCopyAsItChanges();
    void nothingTypedYetAsksForTheCopy();
    void aHugePasteTakesWhatTheRunAllows();
    void checkCopyBeforeAndAfterARun();
    void aSecondRunRefreshesIt();
    void exitEndsEverythingWithItOpen();
};

void TestCopyCheckWindow::initTestCase()
{
    // Dates and times as a British desktop writes them, whatever the machine's locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestCopyCheckWindow::showsTheScoreAndTheMarks()
{
    Checking c;
    // S read as H, the second I missed, an X typed after the last letter.
    c.show(QStringLiteral("EISHE  ISTIE"), QStringLiteral("eihhestiex"));
    QCOMPARE(text(c.window, "score"), QStringLiteral("8 of 10 right (72 %)"));
    QCOMPARE(text(c.window, "counts"), QStringLiteral("1 wrong, 1 missed, 1 extra"));
    QCOMPARE(markRows(c.window),
             (QStringList{QStringLiteral("EISHE  ISTIE+"), QStringLiteral("EIHHE  _STIEX")}));
    QVERIFY(marks(c.window).marksShown());
    QCOMPARE(c.copyBox()->toPlainText(), QStringLiteral("EIHHESTIEX"));
}

void TestCopyCheckWindow::theLetterTable_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("runCharacters");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("letters") << "EISHE  ISTIE"
                             << "eihhestiex" << QString()
                             << QStringList{
                                    QStringLiteral("E 3 3 0 0 –"), QStringLiteral("H 1 1 0 0 –"),
                                    QStringLiteral("I 3 2 0 1 –"), QStringLiteral("S 2 1 1 0 H ×1"),
                                    QStringLiteral("T 1 1 0 0 –")};
    // A procedure sign read as a figure, and one missed.
    QTest::newRow("beyond the letters")
        << "A5+%+"
        << "a55%"
        << "5+%"
        << QStringList{QStringLiteral("A 1 1 0 0 –"), QStringLiteral("5 1 1 0 0 –"),
                       QStringLiteral("+ (AR) 2 0 1 1 5 ×1"), QStringLiteral("% (SK) 1 1 0 0 –")};
}

void TestCopyCheckWindow::theLetterTable()
{
    QFETCH(QString, sent);
    QFETCH(QString, typed);
    QFETCH(QString, runCharacters);
    QFETCH(QStringList, rows);
    Checking c;
    c.show(sent, typed, {}, runCharacters);
    QCOMPARE(letterRows(c.window), rows);
    const auto *table = control<QTableWidget>(c.window, "letters");
    QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Wrong"));
}

void TestCopyCheckWindow::marksDoNotRelyOnColour()
{
    Checking c;
    c.show(QStringLiteral("ABCD"), QStringLiteral("AXDE"));
    // A right, B read as X, C missed, D right, E extra.
    QCOMPARE(markRows(c.window), (QStringList{QStringLiteral("ABCD+"), QStringLiteral("AX_DE")}));
    const std::array<Mark, 4> kinds{Mark::Right, Mark::Wrong, Mark::Missed, Mark::Extra};
    for (const Mark one : kinds) {
        for (const Mark other : kinds) {
            if (one != other)
                QVERIFY(CopyMarksView::markShape(one) != CopyMarksView::markShape(other));
        }
    }
    QVERIFY(CopyMarksView::markShape(Mark::Extra).plusAbove);
    QVERIFY(CopyMarksView::markShape(Mark::Wrong).underline);
}

void TestCopyCheckWindow::missedMarksCanBeCounted()
{
    Checking c;
    c.show(QStringLiteral("ABCDE"), QStringLiteral("ae"));
    QCOMPARE(markRows(c.window).at(1), QStringLiteral("A___E"));
    // Each dash stands under its own column, clear of the next: three, not one long line.
    const CopyMarksView &view = marks(c.window);
    for (int column = 1; column <= 3; ++column) {
        const QRectF dash = view.missedDash(0, column);
        QVERIFY(dash.width() >= 4);
        if (column < 3)
            QVERIFY2(view.missedDash(0, column + 1).left() - dash.right() >= 3,
                     "dashes side by side run together");
    }
}

void TestCopyCheckWindow::marksGoInLinesOfWholeGroups_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two groups to a line")
        << "ABCDE  FGHIJ  KLMNO"
        << "abcdefghijklmno" << 12
        << QStringList{QStringLiteral("ABCDE  FGHIJ|ABCDE  FGHIJ"), QStringLiteral("KLMNO|KLMNO")};
    QTest::newRow("an extra letter moves a group on")
        << "ABCDE  FGHIJ  KLMNO"
        << "abcdefghijxklmno" << 12
        << QStringList{QStringLiteral("ABCDE|ABCDE"), QStringLiteral("FGHIJ+|FGHIJX"),
                       QStringLiteral("KLMNO|KLMNO")};
    QTest::newRow("a word longer than a line")
        << "ON  ABCDEFGHIJ  TO"
        << "onabcdefghijto" << 8
        << QStringList{QStringLiteral("ON|ON"), QStringLiteral("ABCDEFGH|ABCDEFGH"),
                       QStringLiteral("IJ  TO|IJ  TO")};
    QTest::newRow("nothing sent") << QString() << "abc" << 12
                                  << QStringList{QStringLiteral("+++|ABC")};
}

void TestCopyCheckWindow::marksGoInLinesOfWholeGroups()
{
    QFETCH(QString, sent);
    QFETCH(QString, typed);
    QFETCH(int, columns);
    QFETCH(QStringList, lines);
    QCOMPARE(laidOut(sent, typed, columns), lines);
}

void TestCopyCheckWindow::theMarksGrowWithTheWindow()
{
    Checking c;
    c.show(QStringLiteral("EISHE  ISTIE"), QStringLiteral("eisheistie"));
    QVERIFY(QTest::qWaitForWindowExposed(&c.window));
    const int atFirst = marks(c.window).marksFont().pixelSize();
    QVERIFY(atFirst >= dialogFont().pixelSize());
    c.window.resize(1600, 1000);
    QTRY_VERIFY(marks(c.window).marksFont().pixelSize() > atFirst);
    c.window.resize(400, 300);
    QTRY_COMPARE(marks(c.window).marksFont().pixelSize() >= dialogFont().pixelSize(), true);
}

void TestCopyCheckWindow::eightRowsOfTheTableInSight()
{
    Checking c;
    c.show(QStringLiteral("ABCDE  FGHIJ  KLMNO"), QStringLiteral("abcdefghijklmno"));
    QVERIFY(QTest::qWaitForWindowExposed(&c.window));
    const auto *table = control<QTableWidget>(c.window, "letters");
    QCOMPARE(table->rowCount(), 15);
    int inSight = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->viewport()->rect().contains(table->visualItemRect(table->item(row, 0))))
            ++inSight;
    }
    QVERIFY2(inSight >= 8, qPrintable(QString::number(inSight)));
}

void TestCopyCheckWindow::countsAgreeWithTheirNumbers_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted"); // after the run, into the copy box
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("leftOut");
    QTest::newRow("one sent, nothing typed")
        << "E" << QString() << QString() << "Characters sent: 1." << QString();
    QTest::newRow("several sent, nothing typed")
        << "EEEEE  T" << QString() << QString() << "Characters sent: 6." << QString();
    QTest::newRow("one of each") << "EISHE  ISTIE"
                                 << "eihhestiex" << QString() << "1 wrong, 1 missed, 1 extra"
                                 << QString();
    QTest::newRow("several of each")
        << "EISHE  ISTIE"
        << "eshezzixyi" << QString() << "2 wrong, 2 missed, 2 extra" << QString();
    // One letter sent: the copy takes 52.
    QTest::newRow("one left out") << "E" << QString() << QString(53, u'e')
                                  << "0 wrong, 0 missed, 51 extra"
                                  << "Left out: 1 (a copy of this run takes at most 52).";
    QTest::newRow("several left out")
        << "E" << QString() << QString(60, u'e') << "0 wrong, 0 missed, 51 extra"
        << "Left out: 8 (a copy of this run takes at most 52).";
}

void TestCopyCheckWindow::countsAgreeWithTheirNumbers()
{
    QFETCH(QString, sent);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, counts);
    QFETCH(QString, leftOut);
    Checking c;
    c.show(sent, typed);
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        c.copyBox()->paste();
    }
    QCOMPARE(text(c.window, "counts"), counts);
    QCOMPARE(control<QLabel>(c.window, "leftOut")->isVisibleTo(&c.window), !leftOut.isEmpty());
    if (!leftOut.isEmpty())
        QCOMPARE(text(c.window, "leftOut"), leftOut);
}

void TestCopyCheckWindow::theHeaderNamesTheRun_data()
{
    QTest::addColumn<RunKind>("kind");
    QTest::addColumn<int>("lesson");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("length");
    const QString threeMinutes = QStringLiteral(" for 3 min");
    QTest::newRow("A to Z") << RunKind::AtoZ << 0 << "A to Z" << 185.0 << threeMinutes;
    QTest::newRow("a lesson") << RunKind::Lesson << 3 << "Lesson 3 (WG)" << 185.0 << threeMinutes;
    QTest::newRow("the last lesson")
        << RunKind::Lesson << 12 << "Lesson 12 (ZJC)" << 185.0 << threeMinutes;
    QTest::newRow("weak letters") << RunKind::WeakLetters << 0 << "Weak letters" << 185.0
                                  << threeMinutes;
    QTest::newRow("a text run") << RunKind::Text << 0 << "Text run" << 185.0 << threeMinutes;
    // A drill waits for the learner: it says what it took.
    QTest::newRow("a message drill")
        << RunKind::Drill << 0 << "Message drill" << 101.4 << ", took 1 min 41 s";
    QTest::newRow("an exam") << RunKind::Exam << 0 << "Message exam" << 59.6 << ", took 1 min";
    QTest::newRow("a short drill")
        << RunKind::Drill << 0 << "Message drill" << 41.0 << ", took 41 s";
}

void TestCopyCheckWindow::theHeaderNamesTheRun()
{
    QFETCH(RunKind, kind);
    QFETCH(int, lesson);
    QFETCH(QString, name);
    QFETCH(double, seconds);
    QFETCH(QString, length);
    RunRecord run;
    run.kind = kind;
    run.lesson = lesson;
    run.elapsedSeconds = seconds;
    Checking c;
    c.show(QStringLiteral("WGWGW"), QStringLiteral("wgw"), run);
    // typedRun sends at speed 4 for 3 minutes; the run began a moment ago, here.
    const QDateTime began = c.session.lastRun().startedUtc.toLocalTime();
    QCOMPARE(text(c.window, "run"),
             QStringLiteral("%1 at speed 4%2, run on %3")
                 .arg(name, length, began.toString(QStringLiteral("dd/MM/yyyy HH:mm"))));
}

void TestCopyCheckWindow::aTextRunIsCheckedWordByWord_data()
{
    QTest::addColumn<RunKind>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("words"); // empty: no such line
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("every word right")
        << RunKind::Text << "thequickfox"
        << "Words right: 3 of 3"
        << QStringList{QStringLiteral("THE  QUICK  FOX"), QStringLiteral("THE  QUICK  FOX")};
    QTest::newRow("a letter missed")
        << RunKind::Text << "thequickfx"
        << "Words right: 2 of 3"
        << QStringList{QStringLiteral("THE  QUICK  FOX"), QStringLiteral("THE  QUICK  F_X")};
    QTest::newRow("an extra letter inside a word")
        << RunKind::Text << "theqxuickfox"
        << "Words right: 2 of 3"
        << QStringList{QStringLiteral("THE  Q+UICK  FOX"), QStringLiteral("THE  QXUICK  FOX")};
    QTest::newRow("an extra letter after a word")
        << RunKind::Text << "thexquickfox"
        << "Words right: 3 of 3"
        << QStringList{QStringLiteral("THE+  QUICK  FOX"), QStringLiteral("THEX  QUICK  FOX")};
    QTest::newRow("one word of one right")
        << RunKind::Text << "the"
        << "Words right: 1 of 3"
        << QStringList{QStringLiteral("THE  QUICK  FOX"), QStringLiteral("THE  _____  ___")};
    QTest::newRow("a lesson is checked letter by letter")
        << RunKind::Lesson << "thequickfx" << QString()
        << QStringList{QStringLiteral("THE  QUICK  FOX"), QStringLiteral("THE  QUICK  F_X")};
}

void TestCopyCheckWindow::aTextRunIsCheckedWordByWord()
{
    QFETCH(RunKind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, words);
    QFETCH(QStringList, rows);
    RunRecord run;
    run.kind = kind;
    run.lesson = kind == RunKind::Lesson ? 1 : 0;
    Checking c;
    c.show(QStringLiteral("THE QUICK FOX"), typed, run);
    QCOMPARE(markRows(c.window), rows);
    QCOMPARE(control<QLabel>(c.window, "words")->isVisibleTo(&c.window), !words.isEmpty());
    if (!words.isEmpty())
        QCOMPARE(text(c.window, "words"), words);
}

void TestCopyCheckWindow::escAndCloseCloseIt()
{
    Checking c;
    c.show(QStringLiteral("TMOTO"), QStringLiteral("tmo"));
    QTest::keyClick(c.copyBox(), Qt::Key_Escape);
    QVERIFY(!c.window.isVisible());
    c.window.show();
    QTest::keyClick(control<QTableWidget>(c.window, "letters"), Qt::Key_Escape);
    QVERIFY(!c.window.isVisible());
    c.window.show();
    QTest::mouseClick(control<QPushButton>(c.window, "close"), Qt::LeftButton);
    QVERIFY(!c.window.isVisible());
    // The copy typed before is kept all the same.
    QCOMPARE(c.session.history().runCount(), std::optional<int>(1));
}

void TestCopyCheckWindow::theScoreFollowsTheCopyAsItChanges()
{
    Checking c;
    c.show(QStringLiteral("TMOTO"), QStringLiteral("TMO"));
    QCOMPARE(text(c.window, "score"), QStringLiteral("3 of 5 right (60 %)"));
    // Letters typed after the run, as the learner finishes the last group.
    c.copyBox()->moveCursor(QTextCursor::End);
    QTest::keyClicks(c.copyBox(), QStringLiteral("tO"));
    QCOMPARE(text(c.window, "score"), QStringLiteral("5 of 5 right (100 %)"));
    QCOMPARE(markRows(c.window).at(1), QStringLiteral("TMOTO"));
    // Check keeps it at once, in place of what was kept for the run.
    QTest::mouseClick(control<QPushButton>(c.window, "check"), Qt::LeftButton);
    const auto runs = c.session.history().allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().copy, QStringLiteral("TMOTO"));
    QCOMPARE(text(c.window, "status"), QStringLiteral("Kept in your practice history."));
}

void TestCopyCheckWindow::nothingTypedYetAsksForTheCopy()
{
    Checking c;
    c.show(QStringLiteral("NDBBN"), QString());
    QCOMPARE(text(c.window, "score"),
             QStringLiteral("Type what you read; it is checked as you type."));
    QCOMPARE(markRows(c.window).front(), QStringLiteral("NDBBN"));
    QVERIFY(!marks(c.window).marksShown());
    QCOMPARE(c.session.history().runCount(), std::optional<int>(0));
}

void TestCopyCheckWindow::aHugePasteTakesWhatTheRunAllows()
{
    Checking c;
    c.show(QStringLiteral("EEEEE  TTTTT"), QString());
    // Ten letters sent: the copy takes 2 x 10 + 50 = 70 letters, spaces between them as they
    // come, and no more, however much is pasted.
    QApplication::clipboard()->setText(QStringLiteral("E T ") + QString(2000000, u'e'));
    auto *box = c.copyBox();
    box->paste();
    QCOMPARE(copyCharacters(box->toPlainText(), {}).size(), 70);
    QCOMPARE(text(c.window, "leftOut"),
             QStringLiteral("Left out: 1,999,932 (a copy of this run takes at most 70)."));
    QVERIFY(control<QLabel>(c.window, "leftOut")->isVisibleTo(&c.window));
    // Typing beyond it takes nothing either.
    QTest::keyClick(box, Qt::Key_E);
    QCOMPARE(copyCharacters(box->toPlainText(), {}).size(), 70);
    QVERIFY(text(c.window, "leftOut").startsWith(QStringLiteral("Left out: 1,999,933 ")));
    QCOMPARE(c.session.score().extra, 60);
}

void TestCopyCheckWindow::checkCopyBeforeAndAfterARun()
{
    WindowHarness h;
    h.click("checkCopyButton");
    auto *window = h.form.findChild<CopyCheckWindow *>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(text(*window, "score"), QStringLiteral("Nothing to check yet."));
    QVERIFY(!control<QPushButton>(*window, "check")->isEnabled());

    // A run the learner read on paper: nothing typed, so the window stays as it was until
    // Check copy is pressed; then it offers the run with an empty copy, the groups as the
    // results box showed them.
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("1"));
    h.platform.scriptDraws({drawFor('E'), drawFor('I'), drawFor('S'), drawFor('H'), drawFor('E'),
                            drawFor('Q'), drawFor('T')});
    h.stopAfterTheScriptedDraws();
    window->hide();
    h.click("Command1");
    QVERIFY(!window->isVisible());
    h.click("checkCopyButton");
    QVERIFY(window->isVisible());
    QCOMPARE(control<QPlainTextEdit>(*window, "copy")->toPlainText(), QString());
    QCOMPARE(h.results().section(u'\r', 0, 0), QStringLiteral("EISHE  T"));
    QCOMPARE(markRows(*window).front(), QStringLiteral("EISHE  T"));
    QTest::keyClicks(control<QPlainTextEdit>(*window, "copy"), QStringLiteral("e"));
    QTest::mouseClick(control<QPushButton>(*window, "check"), Qt::LeftButton);
    QVERIFY(text(*window, "score").startsWith(QStringLiteral("1 of 6 ")));
}

void TestCopyCheckWindow::aSecondRunRefreshesIt()
{
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.03")); // 1.8 s: one letter
    h.platform.scriptDraws({drawFor('T'), drawFor('M')});
    h.platform.at(4000, [&h] { QTest::keyClick(&h.form, Qt::Key_T); });
    h.click("Command1");
    auto *window = h.form.findChild<CopyCheckWindow *>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(text(*window, "score"), QStringLiteral("1 of 1 right (100 %)"));

    // The next run closes it at its start and shows its own check at its end.
    bool shownDuringTheRun = true;
    h.platform.at(h.platform.now() + 100, [&] { shownDuringTheRun = window->isVisible(); });
    h.platform.at(h.platform.now() + 4000, [&h] { QTest::keyClick(&h.form, Qt::Key_E); });
    h.click("Command1");
    QVERIFY(!shownDuringTheRun);
    QVERIFY(window->isVisible());
    QCOMPARE(h.form.findChildren<CopyCheckWindow *>().size(), 1);
    QCOMPARE(text(*window, "score"), QStringLiteral("0 of 1 right (0 %)"));
    QCOMPARE(control<QPlainTextEdit>(*window, "copy")->toPlainText(), QStringLiteral("E"));
}

void TestCopyCheckWindow::exitEndsEverythingWithItOpen()
{
    WindowHarness h;
    h.form.show();
    h.click("checkCopyButton");
    auto *window = h.form.findChild<CopyCheckWindow *>();
    QVERIFY(window && window->isVisible());
    QTimer::singleShot(0, &h.form, [&h] { h.click("Command2"); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    giveUp.start(20000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(h.platform.endRequested());
    QVERIFY(h.form.isHidden());
}

void TestCopyCheckWindow::anExamIsPassedAtSeventyPercent_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    const QString passed = QStringLiteral("Passed: 70 % or more is needed.");
    const QString failed = QStringLiteral("Not passed: 70 % or more is needed.");
    QTest::newRow("7 of 10") << QStringLiteral("EEEEE  EETTT") << passed;
    QTest::newRow("6 of 10") << QStringLiteral("EEEEE  ETTTT") << failed;
    QTest::newRow("7 of 10 and one extra") << QStringLiteral("EEEEE  EETTTT") << failed;
}

void TestCopyCheckWindow::anExamIsPassedAtSeventyPercent()
{
    QFETCH(QString, typed);
    QFETCH(QString, line);
    RunRecord exam;
    exam.kind = RunKind::Exam;
    Checking c;
    c.show(QStringLiteral("EEEEE  EEEEE"), typed, exam);
    QCOMPARE(text(c.window, "examLine"), line);
}

QTEST_MAIN(TestCopyCheckWindow)
#include "test_copycheckwindow.moc"
