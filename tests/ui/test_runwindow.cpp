// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "recordingreporter.h"
#include "ui/form1.h"

#include <QRegularExpression>
#include <QTest>

using namespace blinket;

namespace {

// The names of the run's controls that are hidden now.
QString hiddenControls(const Form1 &form)
{
    const std::pair<const char *, const QWidget *> controls[] = {
        {"Command2", form.Command2},   {"Image1", form.Image1}, {"Label4(0)", form.Label4[0]},
        {"Label4(1)", form.Label4[1]}, {"Text1", form.Text1},   {"Frame1", form.Frame1},
        {"Frame2", form.Frame2},       {"pic1", form.pic1},     {"cmdStop", form.cmdStop}};
    QStringList hidden;
    for (const auto &[name, widget] : controls) {
        if (widget->isHidden())
            hidden << QLatin1String(name);
    }
    return hidden.join(QLatin1Char(' '));
}

struct WindowHarness
{
    WindowHarness()
    {
        platform.setTimeOfDay(0.0);
        form.setErrorReporter(reporter);
    }
    FakePlatform platform;
    Form1 form{platform};
    RecordingReporter reporter;
};

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
    void badInputIsReportedAndTheWindowComesBack_data();
    void badInputIsReportedAndTheWindowComesBack();
};

void TestRunWindow::randomRunPhases()
{
    WindowHarness h;
    h.form.Text2->setText(QStringLiteral("0.1"));
    QString leadIn, sending;
    h.platform.at(0, [&] { leadIn = hiddenControls(h.form); });
    h.platform.at(3300, [&] { sending = hiddenControls(h.form); });
    h.form.Command1->click();
    QCOMPARE(leadIn, QStringLiteral("Command2 Label4(0) Label4(1) Text1 Frame1 Frame2 pic1"));
    QVERIFY2(sending.startsWith(
                 QStringLiteral("Command2 Image1 Label4(0) Label4(1) Text1 Frame1 Frame2")),
             qPrintable(sending));
    QCOMPARE(hiddenControls(h.form), QStringLiteral("Image1"));
    QCOMPARE(h.form.RunMode, qint16(0));
    QCOMPARE(h.form.Unit, qint16(400));
    QVERIFY(h.reporter.reports.isEmpty());
}

void TestRunWindow::lessonRunPhases()
{
    WindowHarness h;
    h.form.Text2->setText(QStringLiteral("0.1"));
    QString leadIn;
    h.platform.at(0, [&] { leadIn = hiddenControls(h.form); });
    h.form.Command3.at(12)->click();
    QCOMPARE(leadIn, QStringLiteral("Command2 Label4(0) Label4(1) Text1 Frame1 Frame2 pic1"));
    QCOMPARE(hiddenControls(h.form), QStringLiteral("Image1"));
    const QString text = h.form.text1();
    QVERIFY(!text.isEmpty());
    for (const QChar c : text.section(QStringLiteral("\r\n"), 0, 0))
        QVERIFY(QStringLiteral("ZJC ").contains(c));
}

void TestRunWindow::stopButtonEndsARun()
{
    WindowHarness h;
    h.platform.at(100, [&] { h.form.cmdStop->click(); });
    h.form.Command1->click();
    QCOMPARE(h.form.text1(), QStringLiteral("\r\n0  Sec."));
    QCOMPARE(h.form.Running, qint16(0));
    QCOMPARE(h.platform.now(), 3200);
}

void TestRunWindow::resultLineShape()
{
    WindowHarness h;
    h.form.Combo1->setEditText(QStringLiteral("8"));
    h.form.Text2->setText(QStringLiteral("0.5"));
    h.form.Command1->click();
    static const QRegularExpression shape(
        QStringLiteral(R"(^([A-Z]{5}  )+[A-Z]{0,5}\r\n3[0-9](\.[0-9]+)?  Sec\.$)"));
    QVERIFY2(shape.match(h.form.text1()).hasMatch(), qPrintable(h.form.text1()));
    QCOMPARE(h.form.Text1->toPlainText().count(QLatin1Char('\n')), 1);
}

void TestRunWindow::tryRunShowsTheWholeWindowAndRefusesASecondRun()
{
    WindowHarness h;
    h.form.Text2->setText(QStringLiteral("0.5")); // two words at speed 4
    QString duringTry;
    h.platform.at(5000, [&] {
        duringTry = hiddenControls(h.form);
        h.form.cmdStop->click();
        h.form.Command1->click();
        h.form.Command3.at(0)->click();
    });
    h.form.Command6->click();
    QCOMPARE(duringTry,
             QStringLiteral("Command6").isEmpty() ? QString() : QStringLiteral("Image1"));
    QCOMPARE(h.form.text1(), QStringLiteral("PARIS PARIS \r\n28.8  Sec."));
    QCOMPARE(h.form.RunMode, qint16(1));
    QVERIFY(h.form.pic1->isHidden()); // the last long pause leaves the lamp dark
    QVERIFY(h.reporter.reports.isEmpty());
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
    h.form.Combo1->setEditText(speed);
    h.form.Text2->setText(minutes);
    h.form.findChild<QPushButton *>(button)->click();

    QCOMPARE(h.reporter.reports, QStringList{report});
    QCOMPARE(h.platform.sleptMs(), sleptBeforeTheError);
    QCOMPARE(hiddenControls(h.form), QStringLiteral("Image1"));
    QCOMPARE(h.form.Combo1->currentText(), speed);
    QCOMPARE(h.form.Text2->text(), minutes);

    // The next run works.
    h.form.Combo1->setEditText(QStringLiteral("8"));
    h.form.Text2->setText(QStringLiteral("0"));
    h.form.findChild<QPushButton *>(button)->click();
    QCOMPARE(h.reporter.reports.size(), 1);
    QVERIFY(h.form.text1().endsWith(QStringLiteral("  Sec.")));
}

QTEST_MAIN(TestRunWindow)
#include "test_runwindow.moc"
