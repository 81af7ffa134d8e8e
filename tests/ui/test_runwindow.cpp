// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "windowharness.h"

#include <QRegularExpression>
#include <QTest>

using namespace blinket;

namespace {

// The names of the run's controls that are hidden now.
QString hiddenControls(const Form1 &form)
{
    QStringList hidden;
    for (const char *name : {"Command2", "Image1", "Label4(0)", "Label4(1)", "Text1", "Frame1",
                             "Frame2", "pic1", "cmdStop"}) {
        if (control(form, name)->isHidden())
            hidden << QLatin1String(name);
    }
    return hidden.join(QLatin1Char(' '));
}

} // namespace

class TestRunWindow : public QObject
{
    Q_OBJECT
private slots:
    void randomRunPhases();
    void lessonRunPhases();
    void stopButtonEndsARun();
    void resultLineShape();
    void tryRunShowsTheWholeWindowAndRefusesASecondRun();
    void eachLessonButtonSendsTheLettersOnItsCaption_data();
    void eachLessonButtonSendsTheLettersOnItsCaption();
    void aFailedRunLeavesNoUnitForTheNextLessonsLeadIn();
    void badInputIsReportedAndTheWindowComesBack_data();
    void badInputIsReportedAndTheWindowComesBack();
};

void TestRunWindow::randomRunPhases()
{
    WindowHarness h;
    control<QLineEdit>(h.form, "Text2")->setText(QStringLiteral("0.1"));
    QString leadIn, sending;
    h.platform.at(0, [&] { leadIn = hiddenControls(h.form); });
    h.platform.at(3300, [&] { sending = hiddenControls(h.form); });
    control<QPushButton>(h.form, "Command1")->click();
    QCOMPARE(leadIn, QStringLiteral("Command2 Label4(0) Label4(1) Text1 Frame1 Frame2 pic1"));
    QVERIFY2(sending.startsWith(
                 QStringLiteral("Command2 Image1 Label4(0) Label4(1) Text1 Frame1 Frame2")),
             qPrintable(sending));
    QCOMPARE(hiddenControls(h.form), QStringLiteral("Image1"));
    // Speed 4 gives a unit of 400 ms, and the lead-in is two long pauses of 4 units.
    QCOMPARE(h.platform.durations().mid(0, 2), (QList<qint32>{1600, 1600}));
    QVERIFY(h.reporter.reports.isEmpty());
}

void TestRunWindow::lessonRunPhases()
{
    WindowHarness h;
    control<QLineEdit>(h.form, "Text2")->setText(QStringLiteral("0.1"));
    QString leadIn;
    h.platform.at(0, [&] { leadIn = hiddenControls(h.form); });
    control<QPushButton>(h.form, "Command3", 12)->click();
    QCOMPARE(leadIn, QStringLiteral("Command2 Label4(0) Label4(1) Text1 Frame1 Frame2 pic1"));
    QCOMPARE(hiddenControls(h.form), QStringLiteral("Image1"));
    const QString text = h.results();
    QVERIFY(!text.isEmpty());
    for (const QChar c : text.section(QStringLiteral("\r\n"), 0, 0))
        QVERIFY(QStringLiteral("ZJC ").contains(c));
}

void TestRunWindow::stopButtonEndsARun()
{
    WindowHarness h;
    h.platform.at(100, [&] { control<QPushButton>(h.form, "cmdStop")->click(); });
    control<QPushButton>(h.form, "Command1")->click();
    QCOMPARE(h.results(), QStringLiteral("\r\n0  Sec."));
    QCOMPARE(h.platform.now(), 3200);
}

void TestRunWindow::resultLineShape()
{
    WindowHarness h;
    control<QComboBox>(h.form, "Combo1")->setEditText(QStringLiteral("8"));
    control<QLineEdit>(h.form, "Text2")->setText(QStringLiteral("0.5"));
    control<QPushButton>(h.form, "Command1")->click();
    static const QRegularExpression shape(
        QStringLiteral(R"(^([A-Z]{5}  )+[A-Z]{0,5}\r\n3[0-9](\.[0-9]+)?  Sec\.$)"));
    QVERIFY2(shape.match(h.results()).hasMatch(), qPrintable(h.results()));
    QCOMPARE(control<QPlainTextEdit>(h.form, "Text1")->toPlainText().count(QLatin1Char('\n')), 1);
}

void TestRunWindow::tryRunShowsTheWholeWindowAndRefusesASecondRun()
{
    WindowHarness h;
    control<QLineEdit>(h.form, "Text2")->setText(QStringLiteral("0.5")); // two words at speed 4
    QString duringTry;
    h.platform.at(5000, [&] {
        duringTry = hiddenControls(h.form);
        control<QPushButton>(h.form, "cmdStop")->click();
        control<QPushButton>(h.form, "Command1")->click();
        control<QPushButton>(h.form, "Command3", 0)->click();
    });
    control<QPushButton>(h.form, "Command6")->click();
    QCOMPARE(duringTry, QStringLiteral("Image1"));
    QCOMPARE(h.results(), QStringLiteral("PARIS PARIS \r\n28.8  Sec."));
    QVERIFY(control<CircleShape>(h.form, "pic1")
                ->isHidden()); // the last long pause leaves the lamp dark
    QVERIFY(h.reporter.reports.isEmpty());
}

void TestRunWindow::eachLessonButtonSendsTheLettersOnItsCaption_data()
{
    QTest::addColumn<int>("index");
    for (const int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12})
        QTest::addRow("Command3(%d)", index) << index;
}

void TestRunWindow::eachLessonButtonSendsTheLettersOnItsCaption()
{
    QFETCH(int, index);
    WindowHarness h;
    auto *button = control<QPushButton>(h.form, "Command3", index);
    const QString caption = button->text();
    QVERIFY(caption.size() >= 2 && caption.size() <= 4);
    // One draw for each place of the group, in order, at a unit of 1 ms.
    std::vector<float> draws;
    for (int place = 0; place < caption.size(); ++place)
        draws.push_back(drawForPlace(place, int(caption.size())));
    h.platform.scriptDraws(draws);
    h.setSpeedAndMinutes(QStringLiteral("1600"), QStringLiteral("3"));
    h.stopAfterTheScriptedDraws();
    button->click();
    QCOMPARE(h.results().section(QStringLiteral("\r\n"), 0, 0), caption);
}

void TestRunWindow::aFailedRunLeavesNoUnitForTheNextLessonsLeadIn()
{
    WindowHarness h;
    // The unit of 16000 ms fits, but the lead-in's long pause of four units overflows.
    h.setSpeedAndMinutes(QStringLiteral("0.1"), QStringLiteral("3"));
    h.click("Command1");
    QCOMPARE(h.reporter.reports, QStringList{QStringLiteral("Run-time error '6': Overflow")});
    h.platform.clearLog();
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0"));
    h.click("Command3(3)");
    QCOMPARE(h.reporter.reports.size(), 1);
    // The lesson's lead-in runs on the unit of the run before; after a failure there is none.
    QCOMPARE(h.platform.durations(), (QList<qint32>{0, 0}));
    QCOMPARE(h.results(), QStringLiteral("\r\n0  Sec."));
}

void TestRunWindow::badInputIsReportedAndTheWindowComesBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("sleptBeforeTheError");
    const QString mismatch = QStringLiteral("Run-time error '13': Type mismatch");
    const QString byZero = QStringLiteral("Run-time error '11': Division by zero");
    const QString overflow = QStringLiteral("Run-time error '6': Overflow");
    QTest::newRow("empty speed") << "Command1"
                                 << ""
                                 << "3" << mismatch << 0;
    QTest::newRow("speed not a number") << "Command1"
                                        << "quick"
                                        << "3" << mismatch << 0;
    QTest::newRow("speed zero") << "Command1"
                                << "0"
                                << "3" << byZero << 0;
    QTest::newRow("speed too small for the unit") << "Command1"
                                                  << "0.01"
                                                  << "3" << overflow << 0;
    QTest::newRow("speed too small for the pause") << "Command1"
                                                   << "0.1"
                                                   << "3" << overflow << 0;
    QTest::newRow("minutes not a number") << "Command1"
                                          << "4"
                                          << "three" << mismatch << 3200;
    QTest::newRow("empty minutes") << "Command1"
                                   << "4"
                                   << "" << mismatch << 3200;
    QTest::newRow("lesson, speed zero") << "Command3(5)"
                                        << "0"
                                        << "3" << byZero << 0;
    QTest::newRow("lesson, minutes") << "Command3(5)"
                                     << "4"
                                     << "x" << mismatch << 0;
    QTest::newRow("try, count too large") << "Command6"
                                          << "4"
                                          << "9000" << overflow << 3200;
    QTest::newRow("try, minutes") << "Command6"
                                  << "4"
                                  << "?" << mismatch << 3200;
}

void TestRunWindow::badInputIsReportedAndTheWindowComesBack()
{
    QFETCH(QString, button);
    QFETCH(QString, speed);
    QFETCH(QString, minutes);
    QFETCH(QString, report);
    QFETCH(int, sleptBeforeTheError);
    WindowHarness h;
    control<QComboBox>(h.form, "Combo1")->setEditText(speed);
    control<QLineEdit>(h.form, "Text2")->setText(minutes);
    h.form.findChild<QPushButton *>(button)->click();

    QCOMPARE(h.reporter.reports, QStringList{report});
    QCOMPARE(h.platform.sleptMs(), sleptBeforeTheError);
    QCOMPARE(hiddenControls(h.form), QStringLiteral("Image1"));
    QCOMPARE(control<QComboBox>(h.form, "Combo1")->currentText(), speed);
    QCOMPARE(control<QLineEdit>(h.form, "Text2")->text(), minutes);

    // The next run works.
    control<QComboBox>(h.form, "Combo1")->setEditText(QStringLiteral("8"));
    control<QLineEdit>(h.form, "Text2")->setText(QStringLiteral("0"));
    h.form.findChild<QPushButton *>(button)->click();
    QCOMPARE(h.reporter.reports.size(), 1);
    QVERIFY(h.results().endsWith(QStringLiteral("  Sec.")));
}

QTEST_MAIN(TestRunWindow)
#include "test_runwindow.moc"
