// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "settings/settingsfile.h"
#include "ui/main/lampshape.h"
#include "windowharness.h"

#include <QTest>

using namespace blinket;

namespace {

int distance(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

} // namespace

class TestLampUnderLight : public QObject
{
    Q_OBJECT
private slots:
    void shutterIsHalfOpenHalfItsTimeAfterTheSwitch();
    void skyFillsTheWindowAndLeavesItsColour();
};

void TestLampUnderLight::shutterIsHalfOpenHalfItsTimeAfterTheSwitch()
{
    WindowHarness h;
    auto *lamp = control<LampShape>(h.form, "pic1");
    const QColor lampColour = lamp->palette().color(QPalette::Window);
    const QColor windowColour = h.form.palette().color(QPalette::Window);
    QVERIFY(distance(lampColour, windowColour) > 100);
    h.platform.at(0, [&] { h.form.setLight({false, 0, 0, Sky::Own, 40, 0}); });
    // At 40 words a minute the lead-in's two long pauses last 160 ms each, and E's dot 20 ms.
    h.setSpeedAndMinutes(QStringLiteral("40"), QStringLiteral("1"));
    h.platform.scriptDraws({drawFor('E')});
    h.stopAfterTheScriptedDraws();
    std::optional<QColor> halfway;
    h.platform.at(340, [&] {
        QCOMPARE(h.platform.durations(), (QList<qint32>{160, 160, 20}));
        const QPoint centre = lamp->box().toPixelsF().center().toPoint() - lamp->pos();
        halfway = QColor(lamp->grab().toImage().pixel(centre));
    });
    h.click("Command1");
    QVERIFY(halfway);
    // The run's light ends with it: between runs the lamp is the plain one.
    QVERIFY(lamp->light().clear());
    // Half way between the dark (the window's colour) and the lamp's colour.
    const QColor middle((lampColour.red() + windowColour.red()) / 2,
                        (lampColour.green() + windowColour.green()) / 2,
                        (lampColour.blue() + windowColour.blue()) / 2);
    QCOMPARE_LE(distance(*halfway, middle), 6);
}

void TestLampUnderLight::skyFillsTheWindowAndLeavesItsColour()
{
    WindowHarness h;
    h.form.setLight({false, 0, 0, Sky::Night, 0, 0});
    h.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form));
    const QImage window = h.form.grab().toImage();
    auto *lamp = control<LampShape>(h.form, "pic1");
    const QColor own = h.form.palette().color(QPalette::Window);
    // Beside the lamp and far from it: the night; the lamp itself, lit, keeps its colour.
    const QPoint beside(lamp->x() - 5, lamp->geometry().center().y());
    QCOMPARE(QColor(window.pixel(beside)), QColor(9, 13, 28));
    QCOMPARE(QColor(window.pixel(2, 2)), QColor(9, 13, 28));
    QCOMPARE(QColor(window.pixel(lamp->geometry().center())),
             lamp->palette().color(QPalette::Window));
    // Save keeps the learner's colour, sky or none.
    const QString startDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(h.dataHome.path()));
    h.click("Command4");
    QDir::setCurrent(startDir);
    QCOMPARE(contentsOf(h.dataHome.filePath(settingsFileName())),
             QByteArray("4\r\n3\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n"));
    h.form.setLight({});
    QCOMPARE(QColor(h.form.grab().toImage().pixel(beside)), own);
}

QTEST_MAIN(TestLampUnderLight)
#include "test_lampunderlight.moc"
