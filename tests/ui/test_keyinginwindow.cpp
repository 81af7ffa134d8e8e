// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "practice/practicehistory.h"
#include "ui/keying/keyinggradewindow.h"
#include "windowharness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

using namespace blinket;

namespace {

// The learner's hand on the fake clock: each mark (ms lit) pressed at a virtual time, on the
// lamp key or with the mouse on the lamp, and the lamp looked at while it is held.
struct Hand
{
    WindowHarness &h;
    bool mouse = false;
    QStringList lampWhileHeld;

    void key(qint64 at, std::initializer_list<qint64> marks, qint64 gap)
    {
        for (const qint64 mark : marks) {
            h.platform.at(at, [this] { press(true); });
            h.platform.at(at + mark, [this] { press(false); });
            at += mark + gap;
        }
    }
    void press(bool down)
    {
        auto *lamp = control<QWidget>(h.form, "pic1");
        if (mouse) {
            const QPoint centre = lamp->geometry().center();
            down ? QTest::mousePress(&h.form, Qt::LeftButton, {}, centre)
                 : QTest::mouseRelease(&h.form, Qt::LeftButton, {}, centre);
        } else {
            // The focus on Stop: Space there lights the lamp, it does not stop.
            QWidget *stop = control<QWidget>(h.form, "cmdStop");
            down ? QTest::keyPress(stop, Qt::Key_Space) : QTest::keyRelease(stop, Qt::Key_Space);
        }
        if (down)
            lampWhileHeld << (lamp->isVisible() ? QStringLiteral("lit") : QStringLiteral("dark"));
    }
};

} // namespace

class TestKeyingInWindow : public QObject
{
    Q_OBJECT
private slots:
    void aKeyingIsReadGradedAndKept_data();
    void aKeyingIsReadGradedAndKept();
    void aDrillAnsweredWithTheLampKey();
    void onlyTheLampKeyKeys();
};

void TestKeyingInWindow::aKeyingIsReadGradedAndKept_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::newRow("lamp key") << false;
    QTest::newRow("mouse on the lamp") << true;
}

void TestKeyingInWindow::aKeyingIsReadGradedAndKept()
{
    QFETCH(bool, mouse);
    WindowHarness h;
    QVERIFY(h.writeOptions("[keying]\nsend=signals\n"));
    h.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form));
    Hand hand{h, mouse, {}};
    // K, then Enter: graded whatever was asked.
    hand.key(500, {300, 100, 300}, 100);
    h.platform.at(3000,
                  [&h] { QTest::keyClick(control<QWidget>(h.form, "cmdStop"), Qt::Key_Return); });
    control<QPushButton>(h.form, "keyingButton")->click();

    QCOMPARE(hand.lampWhileHeld, QStringList(3, QStringLiteral("lit")));
    QVERIFY(!control<QWidget>(h.form, "keyingPrompt")->isVisible());
    auto *grade = h.form.findChild<KeyingGradeWindow *>();
    QVERIFY(grade && grade->isVisible());
    QVERIFY(control<QLabel>(*grade, "kept")->text().contains(QStringLiteral("Kept")));
    PracticeHistory history(h.historyFolder());
    const std::optional<std::vector<RunRecord>> runs = history.allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().kind, RunKind::Keying);
    QCOMPARE(runs->front().copy, QStringLiteral("K"));
    QVERIFY(runs->front().keying && runs->front().keying->merit > 90);
}

void TestKeyingInWindow::aDrillAnsweredWithTheLampKey()
{
    WindowHarness h;
    QVERIFY(h.writeOptions("[keying]\ndrill=true\n"));
    // A unit of 1 ms and one group of five.
    h.setSpeedAndMinutes(QStringLiteral("1600"), QStringLiteral("0.000625"));
    constexpr const char16_t *lettersAndFigures = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::vector<float> draws{drawFor('K'), drawFrom(lettersAndFigures, u'4'),
                             drawFrom(lettersAndFigures, u'X'), drawFrom(lettersAndFigures, u'B')};
    draws.insert(draws.end(), 5, drawFor('E'));
    h.platform.scriptDraws(draws);
    Hand hand{h, false, {}};
    const auto type = [&h](qint64 at, const char *text) {
        h.platform.at(at, [&h, text] { QTest::keyClicks(&h.form, QString::fromLatin1(text)); });
    };
    // The call answered with T, the identity typed and answered with T, the group typed and
    // answered with T, AR answered with R.
    hand.key(100, {300}, 0);
    type(2000, "k4xb");
    hand.key(2100, {300}, 0);
    type(4000, "eeeee");
    hand.key(4100, {300}, 0);
    hand.key(6000, {100, 300, 100}, 100);
    h.click("drillButton");

    QVERIFY(h.reporter.reports.isEmpty());
    PracticeHistory history(h.historyFolder());
    const std::optional<std::vector<RunRecord>> runs = history.allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().kind, RunKind::Drill);
    QCOMPARE(runs->front().copy, QStringLiteral("EEEEE"));
}

void TestKeyingInWindow::onlyTheLampKeyKeys()
{
    WindowHarness h;
    QVERIFY(h.writeOptions("[keying]\nsend=signals\nkey=F12\n"));
    h.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form));
    QWidget *stop = control<QWidget>(h.form, "cmdStop");
    const auto key = [&h, stop](qint64 at, QEvent::Type type) {
        h.platform.at(at, [stop, type] {
            QKeyEvent event(type, Qt::Key_F12, Qt::NoModifier);
            QCoreApplication::sendEvent(stop, &event);
        });
    };
    // Space on the focused Stop is no lamp key and stops nothing. A dash held past the key's
    // repeat delay, one repeat unmarked as such: still one dash. Then Enter grades "T".
    h.platform.at(200, [stop] { QTest::keyClick(stop, Qt::Key_Space); });
    key(500, QEvent::KeyPress);
    key(900, QEvent::KeyRelease);
    key(900, QEvent::KeyPress);
    key(1200, QEvent::KeyRelease);
    h.platform.at(3000, [stop] { QTest::keyClick(stop, Qt::Key_Return); });
    h.click("keyingButton");
    PracticeHistory history(h.historyFolder());
    const std::optional<std::vector<RunRecord>> runs = history.allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().copy, QStringLiteral("T"));

    // Enter and Space in the grade window, as a learner finishing a keying already ended
    // presses them, start no other keying.
    auto *grade = h.form.findChild<KeyingGradeWindow *>();
    QVERIFY(grade && grade->isVisible());
    const qint64 before = h.platform.now();
    // Each keying they might start is stopped, so that the test ends either way.
    for (const qint64 after : {5000, 10000})
        h.platform.at(before + after, [&h] { h.click("cmdStop"); });
    QApplication::setActiveWindow(grade);
    QWidget *focused = grade->focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, Qt::Key_Return);
    QTest::keyClick(focused, Qt::Key_Space);
    QCoreApplication::processEvents();
    QCOMPARE(h.platform.now(), before);
}

QTEST_MAIN(TestKeyingInWindow)
#include "test_keyinginwindow.moc"
