// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/translations.h"
#include "windowharness.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTest>

using namespace blinket;

// Runs with the desktop's language set to Hebrew (see CMakeLists.txt), the translations
// installed as the program installs them.
class TestHebrew : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void theCopyCheckWindowReadsHebrewRightToLeft();
    void theMainWindowStaysAsItIs();
};

namespace {

void type(Form1 &form, const QString &keys)
{
    for (const QChar c : keys)
        QTest::sendKeyEvent(QTest::Click, &form, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString text(const QWidget &window, const char *label)
{
    return control<QLabel>(window, label)->text();
}

} // namespace

void TestHebrew::initTestCase()
{
    QCOMPARE(QLocale::system().language(), QLocale::Hebrew);
    installTranslations(*qApp);
}

void TestHebrew::theCopyCheckWindowReadsHebrewRightToLeft()
{
    WindowHarness h;
    // E, E, E, E, E, a gap, T at speed 4, read as E, E, I, X and T: three right, two wrong,
    // one missed.
    h.setSpeedAndMinutes(QStringLiteral("4"), QStringLiteral("0.2"));
    h.platform.scriptDraws({drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'), drawFor('E'),
                            drawFor('Q'), drawFor('T')});
    h.platform.at(4000, [&h] { type(h.form, QStringLiteral("e")); });
    h.platform.at(9000, [&h] { type(h.form, QStringLiteral("eix")); });
    h.platform.at(14000, [&h] { type(h.form, QStringLiteral("t")); });
    h.click("Command1");

    const auto *window = h.form.findChild<CopyCheckWindow *>();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("בדיקת העתקה"));
    QVERIFY(window->isRightToLeft());
    QCOMPARE(text(*window, "score"), QStringLiteral("3 מתוך 6 נכונים (50%)"));
    QCOMPARE(text(*window, "counts"), QStringLiteral("2 שגויים, 1 חסר, 0 עודפים"));
    QCOMPARE(text(*window, "status"), QStringLiteral("נשמר בהיסטוריית התרגול שלך."));
}

void TestHebrew::theMainWindowStaysAsItIs()
{
    WindowHarness h;
    QCOMPARE(h.form.windowTitle(), QStringLiteral("Morse"));
    QCOMPARE(h.form.layoutDirection(), Qt::LeftToRight);
    for (const QWidget *widget : h.form.findChildren<QWidget *>()) {
        if (!widget->isWindow())
            QVERIFY2(!widget->isRightToLeft(), qPrintable(widget->objectName()));
    }
    QCOMPARE(control<QPushButton>(h.form, "checkCopyButton")->text(),
             QStringLiteral("&Check copy  בדיקת העתקה"));
    QCOMPARE(control<QPushButton>(h.form, "optionsButton")->text(),
             QStringLiteral("&Options…  אפשרויות"));
    QCOMPARE(control<QLabel>(h.form, "Label3(1)")->text(), QStringLiteral("Light size  גודל האור"));

    // Qt paints text in the application's direction unless told otherwise: the window looks
    // the same, pixel for pixel, as in a left-to-right desktop.
    const QImage rightToLeft = h.form.grab().toImage();
    QApplication::setLayoutDirection(Qt::LeftToRight);
    const QImage leftToRight = h.form.grab().toImage();
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QVERIFY(!rightToLeft.isNull());
    QCOMPARE(rightToLeft, leftToRight);
}

QTEST_MAIN(TestHebrew)
#include "test_hebrew.moc"
