// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/options/optionswindow.h"
#include "ui/translations.h"
#include "windowharness.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

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
    void latinPartsKeepTheirOrder();
    void theFileDialogShowsPathsLeftToRight();
    void accessKeysWorkByTheKeysPlace();
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

// Where the character at index stands on a line laid out as a label lays out its text.
qreal shownAt(const QString &line, qsizetype index)
{
    QTextLayout layout(line, QApplication::font());
    QTextOption option;
    option.setTextDirection(Qt::LayoutDirectionAuto);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine only = layout.createLine();
    only.setLineWidth(10000);
    layout.endLayout();
    return only.cursorToX(int(index));
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

void TestHebrew::latinPartsKeepTheirOrder()
{
    // An A to Z run typed on with one bad option: the Copy check header names the run, and the
    // notice names the options file.
    WindowHarness h;
    QVERIFY(h.writeOptions("[drill]\nexam=maybe\n"));
    h.setSpeedAndMinutes(QStringLiteral("20"), QStringLiteral("0.001"));
    h.platform.scriptDraws({drawFor('E')});
    h.platform.at(700, [&h] { type(h.form, QStringLiteral("e")); });
    h.click("Command1");
    const QString header = text(*h.form.findChild<CopyCheckWindow *>(), "run");
    // Read from the right: A, then "to", then Z; the line starts at the right.
    QVERIFY2(shownAt(header, header.indexOf(u'A')) > shownAt(header, header.indexOf(u'Z')),
             qPrintable(header));
    QVERIFY2(shownAt(header, 0) > shownAt(header, header.size()), qPrintable(header));
    QCOMPARE(h.notices.told.size(), 1);
    const QString notice = h.notices.told.front().section(u'\n', 0, 0);
    const qsizetype path = notice.indexOf(u'/');
    // The path reads left to right: its first slash to the left of what follows it.
    QVERIFY2(shownAt(notice, path) < shownAt(notice, path + 1), qPrintable(notice));
    QVERIFY2(shownAt(notice, 0) > shownAt(notice, notice.size()), qPrintable(notice));
}

void TestHebrew::theFileDialogShowsPathsLeftToRight()
{
    WindowHarness h;
    h.form.show();
    h.click("optionsButton");
    auto *options = h.form.findChild<OptionsWindow *>();
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen << QString::number(control<QWidget>(*dialog, "lookInCombo")->layoutDirection());
        seen << control<QComboBox>(*dialog, "fileTypeCombo")->currentText();
        dialog->reject();
    });
    control<QPushButton>(*options, "chooseTextFile")->click();
    QCOMPARE(seen, (QStringList{QString::number(Qt::LeftToRight), QStringLiteral("קובצי טקסט")}));
}

void TestHebrew::accessKeysWorkByTheKeysPlace()
{
    // Alt with the O key of the Israeli layout, which writes ם, as a program makes it up; then
    // Alt with the key of C as the window system numbers it (54), whatever it writes.
    WindowHarness h;
    h.form.show();
    QKeyEvent options(QEvent::KeyPress, 0x05DD, Qt::AltModifier, QStringLiteral("ם"));
    QCoreApplication::sendEvent(control<QPushButton>(h.form, "Command2"), &options);
    QTRY_VERIFY(h.form.findChild<OptionsWindow *>() &&
                h.form.findChild<OptionsWindow *>()->isVisible());
    // A label's access key too: Alt with Z's key (52), which writes ז, gives Haze the keyboard.
    auto *optionsWindow = h.form.findChild<OptionsWindow *>();
    optionsWindow->activateWindow();
    QKeyEvent haze(QEvent::KeyPress, Qt::Key_unknown, Qt::AltModifier, 52, 0, 0,
                   QStringLiteral("ז"));
    QCoreApplication::sendEvent(optionsWindow, &haze);
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(*optionsWindow, "haze"));
    QKeyEvent checkCopy(QEvent::KeyPress, Qt::Key_unknown, Qt::AltModifier, 54, 0, 0,
                        QStringLiteral("ב"));
    QCoreApplication::sendEvent(control<QPushButton>(h.form, "Command2"), &checkCopy);
    QTRY_VERIFY(h.form.findChild<CopyCheckWindow *>() &&
                h.form.findChild<CopyCheckWindow *>()->isVisible());
}

QTEST_MAIN(TestHebrew)
#include "test_hebrew.moc"
