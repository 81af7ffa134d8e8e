// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/practicesession.h"
#include "recordingreporter.h"
#include "runs/keyinggrade.h"
#include "ui/copycheck/copymarksview.h"
#include "ui/keying/keyinggradewindow.h"
#include "ui/practicewindows.h"
#include "windowcontrols.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace blinket;

class TestKeyingGradeWindow : public QObject
{
    Q_OBJECT
private slots:
    void whatWasReadIsMarkedUnderWhatWasAsked_data();
    void whatWasReadIsMarkedUnderWhatWasAsked();
    void figuresNotMeasuredReadDash();
    void oneWindowShowsEachGradeScrollingAndHidesForARun();
};

void TestKeyingGradeWindow::whatWasReadIsMarkedUnderWhatWasAsked_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("rows");
    QTest::newRow("a letter read wrong") << "SOS"
                                         << "SIS"
                                         << "SOS|SIS";
    // A sign that is no character leaves the character asked there not keyed, as the practice
    // history keeps it.
    QTest::newRow("a sign that is no character") << "KA"
                                                 << "K*"
                                                 << "KA|K_";
    QTest::newRow("a letter left out, one too many") << "PARIS"
                                                     << "PARSE"
                                                     << "PARIS+|PAR_SE";
    QTest::newRow("two words") << "CQ DE"
                               << "CQ DE"
                               << "CQ  DE|CQ  DE";
}

void TestKeyingGradeWindow::whatWasReadIsMarkedUnderWhatWasAsked()
{
    QFETCH(QString, asked);
    QFETCH(QString, read);
    QFETCH(QString, rows);
    KeyingGradeWindow window;
    window.showGrade({.asked = asked, .read = read, .figures = {}, .bars = {}});
    window.show();
    const auto *marks = control<CopyMarksView>(window, "marks");
    QVERIFY(marks->marksShown());
    QCOMPARE(marks->marksLayout().sentRow(0) + u'|' + marks->marksLayout().markRow(0), rows);
}

void TestKeyingGradeWindow::figuresNotMeasuredReadDash()
{
    // One word of dots: no dash, no gap between words.
    KeyingGradeWindow window;
    window.showGrade({.asked = QStringLiteral("EIS"),
                      .read = QStringLiteral("EIS"),
                      .figures = {89, 20.04, 0, 1.2, 3.06, 0, 0.083, 0},
                      .bars = {}});
    QCOMPARE(control<QLabel>(window, "dash")->text(), QStringLiteral("Dash — dots (3)"));
    QCOMPARE(control<QLabel>(window, "gaps")->text(),
             QStringLiteral("Gaps inside a letter 1.2 (1), between letters 3.1 (3), between "
                            "words — (7)"));
    QCOMPARE(control<QLabel>(window, "spread")->text(),
             QStringLiteral("Dots vary 8 %, dashes vary —"));
}

void TestKeyingGradeWindow::oneWindowShowsEachGradeScrollingAndHidesForARun()
{
    QWidget main;
    QTemporaryDir folder;
    PracticeSession session(folder.path());
    RecordingReporter reporter;
    ErrorGuard guard(reporter);
    PracticeWindows windows(main, session, guard, [] { return QList<QRect>(); }, {});
    windows.showKeyingGrade({.asked = QStringLiteral("SOS"),
                             .read = QStringLiteral("SOS"),
                             .figures = {.merit = 95},
                             .bars = {}},
                            QString());
    auto *window = main.findChild<KeyingGradeWindow *>();
    QVERIFY(window && window->isVisible());
    windows.hideForRun();
    windows.showAfterRun();
    QVERIFY(!window->isVisible());

    // Twenty seconds of dots, far wider than a small window: the picture scrolls, the buttons
    // stay in reach.
    std::vector<KeyedBar> bars;
    for (int i = 0; i < 100; ++i)
        bars.push_back({ElementKind::Dot, 0.2 * i, 0.1, 0.2 * i, 0.1, false});
    windows.showKeyingGrade({.asked = QStringLiteral("H"),
                             .read = QStringLiteral("H"),
                             .figures = {.merit = 40},
                             .bars = bars},
                            QString());
    QCOMPARE(main.findChildren<KeyingGradeWindow *>().size(), 1);
    window->resize(420, 300);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(control<QScrollArea>(*window, "pictureScroll")->horizontalScrollBar()->maximum() > 0);
    for (const char *name : {"close", "keyAnother"}) {
        const auto *button = control<QPushButton>(*window, name);
        QVERIFY(window->rect().contains(QRect(button->mapTo(window, QPoint()), button->size())));
    }
}

QTEST_MAIN(TestKeyingGradeWindow)
#include "test_keyinggradewindow.moc"
