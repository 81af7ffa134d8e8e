// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "practice/copytext.h"
#include "typedrun.h"
#include "ui/copycheck/copybox.h"
#include "ui/copycheck/copycheckwindow.h"
#include "windowharness.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

using namespace blinket;

namespace {

QString text(const QWidget &window, const char *label)
{
    return control<QLabel>(window, label)->text();
}

// The rows of the marks as plain text, and how each character of them is drawn.
QStringList markRows(const CopyCheckWindow &window)
{
    QStringList rows = control<QTextBrowser>(window, "marks")->toPlainText().split(u'\n');
    while (!rows.isEmpty() && rows.back().isEmpty())
        rows.removeLast();
    return rows;
}

QTextCharFormat formatAt(const CopyCheckWindow &window, int row, int column)
{
    QTextDocument *document = control<QTextBrowser>(window, "marks")->document();
    QTextCursor cursor(document->findBlockByNumber(row));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column + 1);
    return cursor.charFormat();
}

// The letter table as "letter sent right missed readas" lines.
QStringList letterRows(const CopyCheckWindow &window)
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

// The Copy check window over a session of its own.
struct Checking
{
    // Shows a run that sent `sent` while the learner typed `typed`.
    void show(const QString &sent, const QString &typed)
    {
        typedRun(session, sent, typed);
        window.showLastRun();
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
    void showsTheScoreTheMarksAndTheLetters();
    void marksDoNotRelyOnColour();
    void theScoreFollowsTheCopyAsItChanges();
    void nothingTypedYetAsksForTheCopy();
    void aHugePasteTakesWhatTheRunAllows();
    void checkCopyBeforeAndAfterARun();
    void aSecondRunRefreshesIt();
    void exitEndsEverythingWithItOpen();
};

void TestCopyCheckWindow::showsTheScoreTheMarksAndTheLetters()
{
    Checking c;
    // S read as H, the second I missed, an X typed after the last letter.
    c.show(QStringLiteral("EISHE  ISTIE"), QStringLiteral("eihhestiex"));
    QCOMPARE(c.window.windowTitle(), QStringLiteral("Copy check"));
    QCOMPARE(text(c.window, "score"), QStringLiteral("8 of 10 right (72 %)"));
    QCOMPARE(text(c.window, "counts"), QStringLiteral("1 wrong, 1 missed, 1 extra"));
    QCOMPARE(markRows(c.window),
             (QStringList{QStringLiteral("EISHE  ISTIE  +"), QStringLiteral("EIHHE  –STIE  X")}));
    QCOMPARE(letterRows(c.window),
             (QStringList{QStringLiteral("E 3 3 0 –"), QStringLiteral("H 1 1 0 –"),
                          QStringLiteral("I 3 2 1 –"), QStringLiteral("S 2 1 0 H (1)"),
                          QStringLiteral("T 1 1 0 –")}));
    QCOMPARE(c.copyBox()->toPlainText(), QStringLiteral("EIHHESTIEX"));
}

void TestCopyCheckWindow::marksDoNotRelyOnColour()
{
    Checking c;
    c.show(QStringLiteral("ABCD"), QStringLiteral("AXDE"));
    // A right, B read as X, C missed, D right, E extra.
    QCOMPARE(markRows(c.window), (QStringList{QStringLiteral("ABCD+"), QStringLiteral("AX–DE")}));
    const QTextCharFormat right = formatAt(c.window, 1, 0);
    const QTextCharFormat wrong = formatAt(c.window, 1, 1);
    const QTextCharFormat extra = formatAt(c.window, 1, 4);
    QVERIFY(!right.fontUnderline());
    QVERIFY(wrong.fontUnderline());
    QCOMPARE(wrong.fontWeight(), int(QFont::Bold));
    QVERIFY(extra.fontItalic());
    QVERIFY(right.foreground().color() != wrong.foreground().color());
    QVERIFY(wrong.foreground().color() != extra.foreground().color());
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
    QCOMPARE(text(c.window, "counts"), QStringLiteral("5 letters were sent."));
    QCOMPARE(markRows(c.window).front(), QStringLiteral("NDBBN  "));
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
             QStringLiteral("1999932 letters were left out: a copy of this run takes at most 70."));
    QVERIFY(control<QLabel>(c.window, "leftOut")->isVisibleTo(&c.window));
    // Typing beyond it takes nothing either.
    QTest::keyClick(box, Qt::Key_E);
    QCOMPARE(copyCharacters(box->toPlainText(), {}).size(), 70);
    QVERIFY(text(c.window, "leftOut").startsWith(QStringLiteral("1999933 ")));
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
    // Check copy is pressed; then it offers the run with an empty copy.
    h.setSpeedAndMinutes(QStringLiteral("1600"), QStringLiteral("0.001"));
    h.platform.scriptDraws({drawFor('K')});
    window->hide();
    h.click("Command1");
    QVERIFY(!window->isVisible());
    h.click("checkCopyButton");
    QVERIFY(window->isVisible());
    QCOMPARE(control<QPlainTextEdit>(*window, "copy")->toPlainText(), QString());
    QCOMPARE(markRows(*window).front().trimmed(), h.results().section(u'\r', 0, 0).trimmed());
    QTest::keyClicks(control<QPlainTextEdit>(*window, "copy"), QStringLiteral("k"));
    QTest::mouseClick(control<QPushButton>(*window, "check"), Qt::LeftButton);
    QVERIFY(text(*window, "score").startsWith(QStringLiteral("1 of ")));
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

QTEST_MAIN(TestCopyCheckWindow)
#include "test_copycheckwindow.moc"
