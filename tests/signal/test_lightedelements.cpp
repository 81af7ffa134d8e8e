// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "signal/signalelements.h"

#include <QTest>

using namespace blinket;

namespace {

// At 20 words a minute: a dot and the gap inside a letter 40 ms, a dash and the closing gap
// 200 ms, the long pause 320 ms.
struct Harness
{
    FakePlatform platform;
    qint16 unit = 80;
    SignalElements elements{platform, platform, unit};

    // A run's lead-in and its first letters, under a light.
    void send(const LightConditions &light, std::uint64_t seed, const QString &letters)
    {
        elements.beginLight(light, seed);
        elements.Dark_word();
        elements.Dark_word();
        for (const QChar letter : letters)
            elements.AtoZ(QString(letter));
    }

    // Each lamp switch as "on@ms" or "off@ms".
    QStringList switches() const
    {
        QStringList words;
        for (const FakePlatform::Step &step : platform.steps()) {
            if (step.kind == FakePlatform::Kind::Lit || step.kind == FakePlatform::Kind::Dark)
                words << QStringLiteral("%1@%2")
                             .arg(step.kind == FakePlatform::Kind::Lit ? u"on" : u"off")
                             .arg(step.at);
        }
        return words;
    }
};

} // namespace

class TestLightedElements : public QObject
{
    Q_OBJECT
private slots:
    void shutterLeadsEverySwitchAfterTheLeadIn_data();
    void shutterLeadsEverySwitchAfterTheLeadIn();
    void handKeepsTheRunsPace_data();
    void handKeepsTheRunsPace();
};

void TestLightedElements::shutterLeadsEverySwitchAfterTheLeadIn_data()
{
    QTest::addColumn<int>("shutterMs");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("sleeps");
    // A then N: the lead-in, dot, gap, dash, closing gap; dash, gap, dot, closing gap.
    QTest::newRow("no shutter") << 0
                                << "off@0 off@320 on@640 off@680 on@720 off@920 on@1120 off@1320 "
                                   "on@1360 off@1400"
                                << "-320 -320 +40 -40 +200 -200 +200 -40 +40 -200";
    QTest::newRow("40 ms") << 40
                           << "off@0 off@300 on@620 off@660 on@700 off@900 on@1100 off@1300 "
                              "on@1340 off@1380"
                           << "-300 -320 +40 -40 +200 -200 +200 -40 +40 -200";
    QTest::newRow("25 ms leads by 12") << 25
                                       << "off@0 off@308 on@628 off@668 on@708 off@908 on@1108 "
                                          "off@1308 on@1348 off@1388"
                                       << "-308 -320 +40 -40 +200 -200 +200 -40 +40 -200";
}

void TestLightedElements::shutterLeadsEverySwitchAfterTheLeadIn()
{
    QFETCH(int, shutterMs);
    Harness harness;
    LightConditions light;
    light.shutterMs = shutterMs;
    harness.send(light, 1, QStringLiteral("AN"));
    QTEST(harness.switches().join(u' '), "switches");
    QTEST(harness.platform.sleeps().join(u' '), "sleeps");
}

void TestLightedElements::handKeepsTheRunsPace_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("10 %") << 10;
    QTest::newRow("30 %") << 30;
}

void TestLightedElements::handKeepsTheRunsPace()
{
    QFETCH(int, percent);
    const QString letters = QStringLiteral("PARISTHEQUICKBROWNFOXJUMPSOVERTHELAZYDOG").repeated(20);
    Harness nominal;
    nominal.send({}, 1, letters);
    Harness handed;
    LightConditions light;
    light.handPercent = percent;
    handed.send(light, 99, letters);

    const QList<qint32> lengths = nominal.platform.durations();
    const QList<qint32> held = handed.platform.durations();
    QCOMPARE(held.size(), lengths.size());
    int changed = 0;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        QVERIFY(held[i] >= lengths[i] * (100 - percent) / 100.0);
        QVERIFY(held[i] <= lengths[i] * (100 + percent) / 100.0);
        changed += held[i] != lengths[i];
    }
    QVERIFY(changed > lengths.size() / 2);
    // Some ten minutes of letters end within a long pause of their nominal time.
    QCOMPARE_LE(std::abs(handed.platform.now() - nominal.platform.now()), 320);
}

QTEST_GUILESS_MAIN(TestLightedElements)
#include "test_lightedelements.moc"
