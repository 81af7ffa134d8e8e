// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "ui/copycheck/copycheckwindow.h"
#include "windowharness.h"

#include <QTest>

using namespace blinket;

namespace {

// Types one key on the window, as a learner would on the keyboard.
void type(Form1 &form, QChar c)
{
    if (c == u'<')
        QTest::keyClick(&form, Qt::Key_Backspace);
    else
        QTest::sendKeyEvent(QTest::Click, &form, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The Copy check window, when one has been made.
CopyCheckWindow *copyCheck(const Form1 &form)
{
    return form.findChild<CopyCheckWindow *>();
}

QString copyShown(const Form1 &form)
{
    return control<QPlainTextEdit>(*copyCheck(form), "copy")->toPlainText();
}

QString scoreShown(const Form1 &form)
{
    return control<QLabel>(*copyCheck(form), "score")->text();
}

// E, E, E, E, E, a draw dropped by the gap, then T: seven steps of a 12-second run of random
// letters at speed 4, the letters starting after the lead-in at 3200 ms.
const std::vector<float> eeeeeT{drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'),
                                drawFor('E'), drawFor('Q'), drawFor('T')};

} // namespace

class TestCopyDuringRun : public QObject
{
    Q_OBJECT
private slots:
    void keysTypedDuringARunAreItsCopy_data();
    void keysTypedDuringARunAreItsCopy();
    void typingLeavesTheLampsTimelineAsItIs();
    void aLessonRunKeepsItsCopyToo();
    void keysDuringTheSpeedCheckAreIgnored();
    void aRunWithoutTypingOpensNothing();
    void aFailedRunIsNotChecked();
    void spaceOnStopStopsTheRunUntilTheLearnerTypes_data();
    void spaceOnStopStopsTheRunUntilTheLearnerTypes();
    void keysTypedAsTheRunEndsReachTheCopy();
};

void TestCopyDuringRun::keysTypedDuringARunAreItsCopy_data()
{
    QTest::addColumn<QList<qint64>>("times");
    QTest::addColumn<QString>("keys"); // "<" is Backspace
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("score");
    // The first E lasts from 3200 to 4400 ms, the next from 4400 to 5600, and so on.
    QTest::newRow("in order") << QList<qint64>{4000, 5000, 6200, 7400, 8600, 14000} << "eeeeet"
                              << "EEEEET"
                              << "6 of 6 right (100 %)";
    QTest::newRow("a slip taken back") << QList<qint64>{4000, 4100, 4200, 5000} << "ex<e"
                                       << "EE"
                                       << "2 of 6 right (33 %)";
    QTest::newRow("during the lead-in") << QList<qint64>{100, 3000} << "ee"
                                        << "EE"
                                        << "2 of 6 right (33 %)";
    QTest::newRow("spaces and digits") << QList<qint64>{4000, 4100, 4200, 5000} << "e 5e"
                                       << "EE"
                                       << "2 of 6 right (33 %)";
    QTest::newRow("a wrong letter")
        << QList<qint64>{4000, 5000, 6200, 7400, 8600, 14000} << "eeieet"
        << "EEIEET"
        << "5 of 6 right (83 %)";
}

void TestCopyDuringRun::keysTypedDuringARunAreItsCopy()
{
    QFETCH(QList<qint64>, times);
    QFETCH(QString, keys);
    QFETCH(QString, copy);
    QFETCH(QString, score);
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.2"));
    h.platform.scriptDraws(eeeeeT);
    for (int i = 0; i < times.size(); ++i)
        h.platform.at(times[i], [&h, c = keys[i]] { type(h.form, c); });
    h.click("Command1");
    QCOMPARE(h.results(), QStringLiteral("EEEEE  T\r\n12  Sec."));
    QVERIFY(copyCheck(h.form));
    QVERIFY(copyCheck(h.form)->isVisible());
    QCOMPARE(copyShown(h.form), copy);
    QCOMPARE(scoreShown(h.form), score);
}

void TestCopyDuringRun::typingLeavesTheLampsTimelineAsItIs()
{
    const auto run = [](bool typing) {
        WindowHarness h;
        h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.2"));
        h.platform.scriptDraws(eeeeeT);
        if (typing) {
            for (const qint64 at : {100, 3300, 3500, 4600, 9000, 9100, 9200})
                h.platform.at(at, [&h] { type(h.form, QLatin1Char('e')); });
        }
        h.click("Command1");
        return std::pair{h.platform.steps(), copyCheck(h.form) != nullptr};
    };
    const auto [quiet, quietChecked] = run(false);
    const auto [typed, typedChecked] = run(true);
    QVERIFY(!quietChecked);
    QVERIFY(typedChecked);
    QCOMPARE(typed.size(), quiet.size());
    for (std::size_t i = 0; i < quiet.size(); ++i) {
        QCOMPARE(typed[i].kind, quiet[i].kind);
        QCOMPARE(typed[i].ms, quiet[i].ms);
        QCOMPARE(typed[i].at, quiet[i].at);
    }
}

void TestCopyDuringRun::aLessonRunKeepsItsCopyToo()
{
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.1"));
    // WG: W, G, G, W; the first lesson after start-up has no lead-in. W lasts 3600 ms and
    // G 3800 at a unit of 400.
    h.platform.scriptDraws(
        {drawForPlace(0, 2), drawForPlace(1, 2), drawForPlace(1, 2), drawForPlace(0, 2)});
    h.platform.at(3000, [&h] { type(h.form, QLatin1Char('w')); });
    h.platform.at(7000, [&h] { type(h.form, QLatin1Char('g')); });
    h.click("Command3(4)");
    QCOMPARE(h.results().section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("WG"));
    QCOMPARE(copyShown(h.form), QStringLiteral("WG"));
    QCOMPARE(scoreShown(h.form), QStringLiteral("2 of 2 right (100 %)"));
}

void TestCopyDuringRun::keysDuringTheSpeedCheckAreIgnored()
{
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.25")); // one PARIS
    h.platform.at(4000, [&h] { type(h.form, QLatin1Char('p')); });
    h.platform.at(8000, [&h] { type(h.form, QLatin1Char('a')); });
    h.click("Command6");
    QCOMPARE(h.results(), QStringLiteral("PARIS \r\n14.4  Sec."));
    QVERIFY(!copyCheck(h.form));
}

void TestCopyDuringRun::aRunWithoutTypingOpensNothing()
{
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.2"));
    h.platform.scriptDraws(eeeeeT);
    h.click("Command1");
    QCOMPARE(h.results(), QStringLiteral("EEEEE  T\r\n12  Sec."));
    QVERIFY(!copyCheck(h.form));
}

void TestCopyDuringRun::aFailedRunIsNotChecked()
{
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("three"));
    h.platform.at(100, [&h] { type(h.form, QLatin1Char('e')); });
    h.click("Command1");
    QCOMPARE(h.reporter.reports, QStringList{QStringLiteral("Run-time error '13': Type mismatch")});
    QVERIFY(!copyCheck(h.form));
    // And Check copy has no run to offer.
    h.click("checkCopyButton");
    QCOMPARE(scoreShown(h.form), QStringLiteral("Nothing to check yet."));
}

void TestCopyDuringRun::spaceOnStopStopsTheRunUntilTheLearnerTypes_data()
{
    QTest::addColumn<QString>("typed"); // at 3.5 s, during the first E
    QTest::addColumn<QString>("results");
    // Space at 4 s, during the second E: the run ends after it.
    QTest::newRow("nothing typed") << QString() << QStringLiteral("EE\r\n2.4  Sec.");
    QTest::newRow("a letter typed")
        << QStringLiteral("e") << QStringLiteral("EEEEE  T\r\n12  Sec.");
}

void TestCopyDuringRun::spaceOnStopStopsTheRunUntilTheLearnerTypes()
{
    QFETCH(QString, typed);
    QFETCH(QString, results);
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.2"));
    h.platform.scriptDraws(eeeeeT);
    auto *stop = control<QPushButton>(h.form, "cmdStop");
    for (const QChar c : typed)
        h.platform.at(3500, [&h, c] { type(h.form, c); });
    h.platform.at(4000, [&] { QTest::keyClick(stop, Qt::Key_Space); });
    h.click("Command1");
    QCOMPARE(h.results(), results);
}

void TestCopyDuringRun::keysTypedAsTheRunEndsReachTheCopy()
{
    // The last group finished as the run ends: the keys come before the Copy check window
    // has the keyboard, one of them as it opens.
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.2"));
    h.platform.scriptDraws(eeeeeT);
    h.platform.at(4000, [&h] { type(h.form, u'e'); });
    h.click("Command1");
    for (const QChar c : QStringLiteral("eeee<et"))
        type(h.form, c);
    QCOMPARE(copyShown(h.form), QStringLiteral("Eeeeet"));
    QCOMPARE(scoreShown(h.form), QStringLiteral("6 of 6 right (100 %)"));
    // Once the learner turns to a window, the keys are its own again.
    QTest::mouseClick(control<QLineEdit>(h.form, "Text2"), Qt::LeftButton);
    type(h.form, u'x');
    QCOMPARE(copyShown(h.form), QStringLiteral("Eeeeet"));
}

QTEST_MAIN(TestCopyDuringRun)
#include "test_copyduringrun.moc"
