// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/lightconditions.h"
#include "signal/lightlevel.h"

#include <QTest>

#include <algorithm>
#include <optional>

using namespace blinket;

Q_DECLARE_METATYPE(std::optional<LightConditions>)

class TestLightLevel : public QObject
{
    Q_OBJECT
private slots:
    void shutterRamps_data();
    void shutterRamps();
    void shimmerWandersWithinItsDepth_data();
    void shimmerWandersWithinItsDepth();
    void lightTextReadsBackOrIsRefused_data();
    void lightTextReadsBackOrIsRefused();
};

void TestLightLevel::shutterRamps_data()
{
    QTest::addColumn<int>("shutterMs");
    QTest::addColumn<int>("closeAtMs"); // -1: stays open
    QTest::addColumn<int>("atMs");
    QTest::addColumn<double>("openness");
    QTest::addColumn<bool>("moving");
    QTest::newRow("half open at half the time") << 40 << -1 << 20 << 0.5 << true;
    QTest::newRow("stays open") << 40 << -1 << 900 << 1.0 << false;
    QTest::newRow("short flash peaks below full") << 40 << 10 << 10 << 0.25 << true;
    QTest::newRow("closed as long after as it opened") << 40 << 10 << 20 << 0.0 << false;
    QTest::newRow("long flash closes half way") << 60 << 100 << 130 << 0.5 << true;
    QTest::newRow("no shutter opens at once") << 0 << -1 << 0 << 1.0 << false;
    QTest::newRow("no shutter closes at once") << 0 << 10 << 10 << 0.0 << false;
}

void TestLightLevel::shutterRamps()
{
    QFETCH(int, shutterMs);
    QFETCH(int, closeAtMs);
    QFETCH(int, atMs);
    QFETCH(double, openness);
    // Far from zero, as the steady clock is.
    const double start = 5000.0;
    Shutter shutter(shutterMs);
    shutter.setOpen(true, start);
    if (closeAtMs >= 0)
        shutter.setOpen(false, start + closeAtMs / 1000.0);
    QCOMPARE_LE(std::abs(shutter.openness(start + atMs / 1000.0) - openness), 1e-9);
    QTEST(shutter.moving(start + atMs / 1000.0), "moving");
}

void TestLightLevel::shimmerWandersWithinItsDepth_data()
{
    QTest::addColumn<int>("strength");
    QTest::addColumn<double>("depth");
    QTest::newRow("none") << 0 << 0.0;
    QTest::newRow("light") << 30 << 0.21;
    QTest::newRow("strongest") << 100 << 0.7;
}

void TestLightLevel::shimmerWandersWithinItsDepth()
{
    QFETCH(int, strength);
    QFETCH(double, depth);
    const Shimmer shimmer(strength, 42);
    const Shimmer again(strength, 42);
    double lowest = 1.0;
    double highest = 0.0;
    for (int ms = 0; ms < 20000; ms += 3) {
        const double factor = shimmer.factor(1000.0 + ms / 1000.0);
        // Pure in the time: the renderer may ask again for any moment.
        QCOMPARE(again.factor(1000.0 + ms / 1000.0), factor);
        lowest = std::min(lowest, factor);
        highest = std::max(highest, factor);
    }
    QVERIFY(lowest >= 1.0 - depth - 1e-9);
    QVERIFY(highest <= 1.0);
    // Over twenty seconds it uses most of its range, and is never dark.
    QVERIFY(highest - lowest >= depth * 0.6);
    QVERIFY(lowest >= 0.3 - 1e-9);
}

void TestLightLevel::lightTextReadsBackOrIsRefused_data()
{
    using Light = std::optional<LightConditions>;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Light>("light"); // none: refused
    QTest::newRow("clear") << QString() << Light(LightConditions());
    QTest::newRow("all") << QStringLiteral(
                                "distance haze=40 shimmer=30 sky=dusk shutter=20 hand=10")
                         << Light({true, 40, 30, Sky::Dusk, 20, 10});
    QTest::newRow("sky alone") << QStringLiteral("sky=night")
                               << Light({false, 0, 0, Sky::Night, 0, 0});
    QTest::newRow("highest") << QStringLiteral("haze=100 shutter=60")
                             << Light({false, 100, 0, Sky::Own, 60, 0});
    for (const char *bad : {"fog", "haze=101", "haze=-1", "haze=x", "shutter=61", "hand=31",
                            "sky=purple", "distance sky=", "shimmer"})
        QTest::newRow(bad) << QString::fromLatin1(bad) << Light();
}

void TestLightLevel::lightTextReadsBackOrIsRefused()
{
    QFETCH(QString, text);
    QFETCH(std::optional<LightConditions>, light);
    QVERIFY(lightFromText(text) == light);
    if (light)
        QCOMPARE(lightText(*light), text);
}

QTEST_GUILESS_MAIN(TestLightLevel)
#include "test_lightlevel.moc"
