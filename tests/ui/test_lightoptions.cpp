// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/options/optionswindow.h"
#include "windowharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QTest>

using namespace blinket;

namespace {

OptionsWindow &openOptions(WindowHarness &h)
{
    h.form.show();
    h.click("optionsButton");
    auto *window = h.form.findChild<OptionsWindow *>();
    if (!window)
        std::abort();
    return *window;
}

QByteArray optionsFileOf(const WindowHarness &h)
{
    return contentsOf(h.dataHome.filePath(QStringLiteral("config/blinket/blinket.conf")));
}

} // namespace

class TestLightOptions : public QObject
{
    Q_OBJECT
private slots:
    void eachControlWritesItsKeyAtOnce_data();
    void eachControlWritesItsKeyAtOnce();
    void valuesItCannotUseAreToldAndLeftInTheFile();
};

void TestLightOptions::eachControlWritesItsKeyAtOnce_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("accessKey");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QByteArray>("written");
    const auto typed = [](const char *text) {
        QTestEventList keys;
        keys.addKeyClick(Qt::Key_A, Qt::ControlModifier);
        keys.addKeyClicks(QString::fromLatin1(text));
        keys.addKeyClick(Qt::Key_Return);
        return keys;
    };
    const auto pressed = [](Qt::Key key, int times) {
        QTestEventList keys;
        for (int i = 0; i < times; ++i)
            keys.addKeyClick(key);
        return keys;
    };
    const auto row = [](const char *name, const char *control, Qt::Key accessKey,
                        const QTestEventList &keys, const char *written) {
        QTest::newRow(name) << QString::fromLatin1(control) << int(accessKey) << keys
                            << QByteArray(written);
    };
    row("far off", "distance", Qt::Key_F, {}, "distance=true");
    row("haze typed", "haze", Qt::Key_Z, typed("45"), "haze=45");
    row("shimmer stepped", "shimmer", Qt::Key_M, pressed(Qt::Key_Up, 2), "shimmer=2");
    row("sky", "sky", Qt::Key_K, pressed(Qt::Key_Down, 2), "sky=dusk");
    // Past its most, a number typed is cut short where it stops being one.
    row("shutter past 60", "shutter", Qt::Key_T, typed("75"), "shutter=7");
    row("hand by pages", "hand", Qt::Key_D, pressed(Qt::Key_PageUp, 4), "hand=30");
}

void TestLightOptions::eachControlWritesItsKeyAtOnce()
{
    QFETCH(QString, control);
    QFETCH(int, accessKey);
    QFETCH(QTestEventList, keys);
    QFETCH(QByteArray, written);
    WindowHarness h;
    OptionsWindow &window = openOptions(h);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Reached from the keyboard by its access key.
    QTest::keyClick(&window, Qt::Key(accessKey), Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), blinket::control(window, control));
    keys.simulate(QApplication::focusWidget());
    // That key alone, in the file once it changed (a check box ticks when its access key is
    // let go).
    QTRY_COMPARE(optionsFileOf(h), "[light]\n" + written + '\n');
}

void TestLightOptions::valuesItCannotUseAreToldAndLeftInTheFile()
{
    WindowHarness h;
    QVERIFY(h.writeOptions("[light]\ndistance=maybe\nhaze=abc\nsky=purple\nshutter=500\n"
                           "shimmer=30\n"));
    OptionsWindow &window = openOptions(h);
    auto *problem = control<QLabel>(window, "lightProblem");
    for (const char *written : {"maybe", "abc", "purple", "500"})
        QVERIFY2(problem->text().contains(QLatin1String(written)), qPrintable(problem->text()));
    // The clear light's values in place of those, and the one it can use.
    QVERIFY(!control<QCheckBox>(window, "distance")->isChecked());
    QCOMPARE(control<QSpinBox>(window, "haze")->value(), 0);
    QCOMPARE(control<QComboBox>(window, "sky")->currentIndex(), 0);
    QCOMPARE(control<QSpinBox>(window, "shutter")->value(), 0);
    QCOMPARE(control<QSpinBox>(window, "shimmer")->value(), 30);
    // A haze set replaces the one written by hand; the other values stay, still told.
    QTest::keyClick(control(window, "haze"), Qt::Key_Up);
    QVERIFY(!problem->text().contains(u"abc") && problem->text().contains(u"500"));
    const QByteArray file = optionsFileOf(h);
    QVERIFY2(file.contains("haze=1\n") && file.contains("shutter=500\n") &&
                 file.contains("sky=purple\n"),
             file.constData());
}

QTEST_MAIN(TestLightOptions)
#include "test_lightoptions.moc"
