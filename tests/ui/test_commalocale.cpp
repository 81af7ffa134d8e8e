// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/settingsfile.h"
#include "testfiles.h"
#include "windowharness.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace blinket;

// Runs with the user's locale set to one that writes a decimal comma (see CMakeLists.txt).
class TestCommaLocale : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fractionsWithACommaRunAndComeBackFromTheFile();
};

void TestCommaLocale::initTestCase()
{
    QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
}

void TestCommaLocale::fractionsWithACommaRunAndComeBackFromTheFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    WindowHarness h;
    h.setSpeedAndMinutes(QStringLiteral("6,5"), QStringLiteral("0,05"));
    control<QScrollBar>(h.form, "HScroll1")->setValue(1200);

    // The run reads both: 1600 / 6.5 is a unit of 246 ms; three seconds of letters.
    h.click("Command1");
    QVERIFY(h.reporter.reports.isEmpty());
    QCOMPARE(h.platform.durations().mid(0, 2), (QList<qint32>{984, 984}));
    QVERIFY(h.results().endsWith(QStringLiteral("  Sec.")));

    h.click("Command4");
    QCOMPARE(contentsOf(settingsFileName()),
             QByteArray("\"6,5\"\r\n\"0,05\"\r\n 1200 \r\n-2147483643 \r\n 8421504 \r\n"));
    h.setSpeedAndMinutes(QStringLiteral("8"), QStringLiteral("2"));
    control<QScrollBar>(h.form, "HScroll1")->setValue(700);
    h.click("Command5");
    QCOMPARE(control<QComboBox>(h.form, "Combo1")->currentText(), QStringLiteral("6,5"));
    QCOMPARE(control<QLineEdit>(h.form, "Text2")->text(), QStringLiteral("0,05"));
    QCOMPARE(control<QScrollBar>(h.form, "HScroll1")->value(), 1200);
    QVERIFY(h.reporter.reports.isEmpty());
    QDir::setCurrent(start);
}

QTEST_MAIN(TestCommaLocale)
#include "test_commalocale.moc"
