// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/handrhythm.h"
#include "signal/lightconditions.h"
#include "signal/lightlevel.h"

#include <QTest>

#include <algorithm>
#include <array>

using namespace blinket;

class TestLightLevel : public QObject
{
    Q_OBJECT
private slots:
    void shutterRamps_data();
    void shutterRamps();
    void shimmerWandersWithinItsDepth_data();
    void shimmerWandersWithinItsDepth();
    void shimmerIsTheSameForTheSameSeed();
    void handKeepsEachLengthWithinItsSpread_data();
    void handKeepsEachLengthWithinItsSpread();
    void lightTextRoundTrips_data();
    void lightTextRoundTrips();
    void lightTextRefusesWordsItDoesNotKnow_data();
    void lightTextRefusesWordsItDoesNotKnow();
};

void TestLightLevel::shutterRamps_data()
{
    QTest::addColumn<int>("shutterMs");
    QTest::addColumn<int>("closeAtMs"); // -1: stays open
    QTest::addColumn<int>("atMs");
    QTest::addColumn<double>("openness");
    QTest::addColumn<int>("moving"); // 1 or 0; -1 at the very moment the vanes stop
    QTest::newRow("half open at half the time") << 40 << -1 << 20 << 0.5 << 1;
    QTest::newRow("fully open at the time") << 40 << -1 << 40 << 1.0 << -1;
    QTest::newRow("stays open") << 40 << -1 << 900 << 1.0 << 0;
    QTest::newRow("short flash peaks below full") << 40 << 10 << 10 << 0.25 << 1;
    QTest::newRow("closes from where it was") << 40 << 10 << 15 << 0.125 << 1;
    QTest::newRow("closed as long after as it opened") << 40 << 10 << 20 << 0.0 << 0;
    QTest::newRow("long flash closes half way") << 60 << 100 << 130 << 0.5 << 1;
    QTest::newRow("no shutter opens at once") << 0 << -1 << 0 << 1.0 << 0;
    QTest::newRow("no shutter closes at once") << 0 << 10 << 10 << 0.0 << 0;
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
    QFETCH(int, moving);
    if (moving >= 0)
        QCOMPARE(int(shutter.moving(start + atMs / 1000.0)), moving);
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
    double lowest = 1.0;
    double highest = 0.0;
    for (int ms = 0; ms < 20000; ms += 3) {
        const double factor = shimmer.factor(1000.0 + ms / 1000.0);
        lowest = std::min(lowest, factor);
        highest = std::max(highest, factor);
    }
    QVERIFY(lowest >= 1.0 - depth - 1e-9);
    QVERIFY(highest <= 1.0);
    // Over twenty seconds it uses most of its range, and is never dark.
    QVERIFY(highest - lowest >= depth * 0.6);
    QVERIFY(lowest >= 0.3 - 1e-9);
}

void TestLightLevel::shimmerIsTheSameForTheSameSeed()
{
    const Shimmer one(60, 7);
    const Shimmer again(60, 7);
    const Shimmer other(60, 8);
    int differing = 0;
    for (int ms = 0; ms < 2000; ms += 5) {
        const double t = 300.0 + ms / 1000.0;
        QCOMPARE(one.factor(t), again.factor(t));
        if (std::abs(one.factor(t) - other.factor(t)) > 1e-6)
            ++differing;
    }
    QVERIFY(differing > 300);
}

void TestLightLevel::handKeepsEachLengthWithinItsSpread_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("10 %") << 10;
    QTest::newRow("30 %") << 30;
}

void TestLightLevel::handKeepsEachLengthWithinItsSpread()
{
    QFETCH(int, percent);
    HandRhythm hand(percent, 2026);
    // A dot, a gap, a dash, a closing gap and a long pause at 20 words a minute.
    const std::array<qint32, 5> nominals{40, 40, 200, 200, 320};
    qint64 nominalSum = 0;
    qint64 heldSum = 0;
    int changed = 0;
    for (int i = 0; i < 20000; ++i) {
        const qint32 nominal = nominals[std::size_t(i) % nominals.size()];
        const qint32 held = hand.held(nominal);
        QVERIFY2(held >= nominal * (100 - percent) / 100.0 &&
                     held <= nominal * (100 + percent) / 100.0,
                 qPrintable(QStringLiteral("%1 for %2").arg(held).arg(nominal)));
        changed += held != nominal;
        nominalSum += nominal;
        heldSum += held;
    }
    QVERIFY(changed > 10000);
    // Over some twenty minutes the run is within a couple of elements of its pace.
    QCOMPARE_LE(std::abs(heldSum - nominalSum), 2 * 320);
    QCOMPARE(hand.drift(), heldSum - nominalSum);
}

void TestLightLevel::lightTextRoundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("distance");
    QTest::addColumn<int>("haze");
    QTest::addColumn<int>("sky");
    QTest::addColumn<int>("shutterMs");
    QTest::newRow("clear") << QString() << false << 0 << int(Sky::Own) << 0;
    QTest::newRow("all") << QStringLiteral(
                                "distance haze=40 shimmer=30 sky=dusk shutter=20 hand=10")
                         << true << 40 << int(Sky::Dusk) << 20;
    QTest::newRow("sky alone") << QStringLiteral("sky=night") << false << 0 << int(Sky::Night) << 0;
    QTest::newRow("highest") << QStringLiteral("haze=100 shutter=60") << false << 100
                             << int(Sky::Own) << 60;
}

void TestLightLevel::lightTextRoundTrips()
{
    QFETCH(QString, text);
    const std::optional<LightConditions> light = lightFromText(text);
    QVERIFY(light);
    QTEST(light->distance, "distance");
    QTEST(light->haze, "haze");
    QTEST(int(light->sky), "sky");
    QTEST(light->shutterMs, "shutterMs");
    QCOMPARE(lightText(*light), text);
}

void TestLightLevel::lightTextRefusesWordsItDoesNotKnow_data()
{
    QTest::addColumn<QString>("text");
    for (const char *bad : {"fog", "haze=101", "haze=-1", "haze=x", "shutter=61", "hand=31",
                            "sky=purple", "distance sky=", "shimmer"})
        QTest::newRow(bad) << QString::fromLatin1(bad);
}

void TestLightLevel::lightTextRefusesWordsItDoesNotKnow()
{
    QFETCH(QString, text);
    QVERIFY(!lightFromText(text));
}

QTEST_GUILESS_MAIN(TestLightLevel)
#include "test_lightlevel.moc"
