// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/keyinggrade.h"
#include "ui/copycheck/copymarksview.h"
#include "ui/keying/keyinggradewindow.h"
#include "windowcontrols.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace blinket;

namespace {

QString text(const QWidget &window, const char *label)
{
    return control<QLabel>(window, label)->text();
}

} // namespace

class TestKeyingGradeWindow : public QObject
{
    Q_OBJECT
private slots:
    void whatWasReadIsMarkedUnderWhatWasAsked_data();
    void whatWasReadIsMarkedUnderWhatWasAsked();
    void theFigures_data();
    void theFigures();
    void aLongKeyingScrollsWithTheButtonsInReach();
};

void TestKeyingGradeWindow::whatWasReadIsMarkedUnderWhatWasAsked_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("askedRow");
    QTest::addColumn<QString>("readRow");
    QTest::newRow("a letter read wrong") << "SOS"
                                         << "SIS"
                                         << "SOS"
                                         << "SIS";
    // A sign that is no character is a character keyed wrong, not one left out.
    QTest::newRow("a sign that is no character") << "KA"
                                                 << "K*"
                                                 << "KA"
                                                 << "K*";
    QTest::newRow("a letter left out") << "PARIS"
                                       << "PARS"
                                       << "PARIS"
                                       << "PAR_S";
    QTest::newRow("a letter too many") << "CQ"
                                       << "CQE"
                                       << "CQ+"
                                       << "CQE";
    QTest::newRow("two words") << "CQ DE"
                               << "CQ DE"
                               << "CQ  DE"
                               << "CQ  DE";
}

void TestKeyingGradeWindow::whatWasReadIsMarkedUnderWhatWasAsked()
{
    QFETCH(QString, asked);
    QFETCH(QString, read);
    QFETCH(QString, askedRow);
    QFETCH(QString, readRow);
    KeyingGradeWindow window;
    window.showGrade({.asked = asked, .read = read, .figures = {}, .bars = {}});
    window.show();
    const auto *marks = control<CopyMarksView>(window, "marks");
    QVERIFY(marks->marksShown());
    QCOMPARE(marks->marksLayout().lineCount(), 1);
    QCOMPARE(marks->marksLayout().sentRow(0), askedRow);
    QCOMPARE(marks->marksLayout().markRow(0), readRow);
}

void TestKeyingGradeWindow::theFigures_data()
{
    QTest::addColumn<KeyingFigures>("figures");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("all measured")
        << KeyingFigures{93, 12.34, 3.06, 1.0, 2.8, 6.5, 0.08, 0.12}
        << QStringList{QStringLiteral("Merit 93 of 100: clean"),
                       QStringLiteral("Speed: 12.3 words a minute"),
                       QStringLiteral("Dash 3.1 dots (3)"),
                       QStringLiteral(
                           "Gaps inside a letter 1.0 (1), between letters 2.8 (3), between words "
                           "6.5 (7)"),
                       QStringLiteral("Dots vary 8 %, dashes vary 12 %")};
    QTest::newRow("one word of dots")
        << KeyingFigures{89, 20.0, 0, 1.2, 3.1, 0, 0.25, 0}
        << QStringList{QStringLiteral("Merit 89 of 100: good"),
                       QStringLiteral("Speed: 20.0 words a minute"),
                       QStringLiteral("Dash — dots (3)"),
                       QStringLiteral(
                           "Gaps inside a letter 1.2 (1), between letters 3.1 (3), between words "
                           "— (7)"),
                       QStringLiteral("Dots vary 25 %, dashes vary —")};
    QTest::newRow("one dot")
        << KeyingFigures{}
        << QStringList{
               QStringLiteral("Merit 0 of 100: hard to read"),
               QStringLiteral("Speed: — words a minute"), QStringLiteral("Dash — dots (3)"),
               QStringLiteral(
                   "Gaps inside a letter — (1), between letters — (3), between words — (7)"),
               QStringLiteral("Dots vary —, dashes vary —")};
    QTest::newRow("readable with care")
        << KeyingFigures{74, 8.0, 2.2, 1.5, 2.1, 4.0, 0.3, 0.4}
        << QStringList{QStringLiteral("Merit 74 of 100: readable with care")};
    QTest::newRow("hard to read") << KeyingFigures{59, 8.0, 2.2, 1.5, 2.1, 4.0, 0.3, 0.4}
                                  << QStringList{QStringLiteral("Merit 59 of 100: hard to read")};
}

void TestKeyingGradeWindow::theFigures()
{
    QFETCH(KeyingFigures, figures);
    QFETCH(QStringList, shown);
    KeyingGradeWindow window;
    window.showGrade({.asked = QStringLiteral("E"),
                      .read = QStringLiteral("E"),
                      .figures = figures,
                      .bars = {}});
    const QStringList labels{QStringLiteral("merit"), QStringLiteral("speed"),
                             QStringLiteral("dash"), QStringLiteral("gaps"),
                             QStringLiteral("spread")};
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(text(window, qPrintable(labels[i])), shown[i]);
}

void TestKeyingGradeWindow::aLongKeyingScrollsWithTheButtonsInReach()
{
    // Twenty seconds of dots at 0.1 s, far wider than the window.
    std::vector<KeyedBar> bars;
    for (int i = 0; i < 100; ++i) {
        const double start = 0.2 * i;
        bars.push_back({ElementKind::Dot, start, 0.1, start, 0.1, false});
        bars.push_back({ElementKind::ElementGap, start + 0.1, 0.1, start + 0.1, 0.1, false});
    }
    KeyingGradeWindow window;
    window.showGrade(
        {.asked = QStringLiteral("H"), .read = QStringLiteral("H"), .figures = {}, .bars = bars});
    window.resize(420, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(control<QScrollArea>(window, "pictureScroll")->horizontalScrollBar()->maximum() > 0);
    for (const char *name : {"close", "keyAnother"}) {
        const auto *button = control<QPushButton>(window, name);
        QVERIFY(
            window.rect().contains(QRect(button->mapTo(&window, QPoint(0, 0)), button->size())));
    }
    QSignalSpy keyAnother(&window, &KeyingGradeWindow::keyAnother);
    QTest::mouseClick(control<QPushButton>(window, "keyAnother"), Qt::LeftButton);
    QCOMPARE(keyAnother.count(), 1);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestKeyingGradeWindow)
#include "test_keyinggradewindow.moc"
