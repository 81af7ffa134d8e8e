// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "signal/signalelements.h"

#include <QTest>

using namespace blinket;

namespace {

// A run's lead-in and its letters under a light, at 20 words a minute: a dot and the gap
// inside a letter 40 ms, a dash and the closing gap 200 ms, the long pause 320 ms.
void send(FakePlatform &platform, const LightConditions &light, std::uint64_t seed,
          const QString &letters)
{
    const qint16 unit = 80;
    SignalElements elements(platform, platform, unit);
    elements.beginLight(light, seed);
    elements.Dark_word();
    elements.Dark_word();
    for (const QChar letter : letters)
        elements.AtoZ(QString(letter));
}

} // namespace

class TestLightedElements : public QObject
{
    Q_OBJECT
private slots:
    void lengthsUnderALight_data();
    void lengthsUnderALight();
};

void TestLightedElements::lengthsUnderALight_data()
{
    QTest::addColumn<int>("shutterMs");
    QTest::addColumn<int>("percent"); // the hand's spread
    QTest::newRow("shutter 40 ms") << 40 << 0;
    QTest::newRow("shutter 25 ms leads by 12") << 25 << 0;
    QTest::newRow("hand 10 %") << 0 << 10;
    QTest::newRow("hand 30 %") << 0 << 30;
}

void TestLightedElements::lengthsUnderALight()
{
    QFETCH(int, shutterMs);
    QFETCH(int, percent);
    const QString letters = QStringLiteral("PARISTHEQUICKBROWNFOXJUMPSOVERTHELAZYDOG").repeated(20);
    FakePlatform plain;
    send(plain, {}, 1, letters);
    FakePlatform lit;
    send(lit, {false, 0, 0, Sky::Own, shutterMs, percent}, 99, letters);
    // A shutter shortens the lead-in's first pause by half its time and keeps every length
    // after it, so every later switch comes that much before its moment; a hand moves each
    // length within its spread.
    QList<qint32> lengths = plain.durations();
    lengths[0] -= shutterMs / 2;
    const QList<qint32> held = lit.durations();
    QCOMPARE(held.size(), lengths.size());
    const QStringList plainSleeps = plain.sleeps();
    const QStringList litSleeps = lit.sleeps();
    int changed = 0;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        QCOMPARE(litSleeps[i].front(), plainSleeps[i].front());
        QVERIFY(std::abs(held[i] - lengths[i]) <= lengths[i] * percent / 100.0);
        changed += held[i] != lengths[i];
    }
    QCOMPARE(changed > lengths.size() / 2, percent > 0);
    // Some ten minutes of letters end within a long pause of their nominal time.
    QCOMPARE_LE(std::abs(lit.now() - plain.now() + shutterMs / 2), 320);
}

QTEST_GUILESS_MAIN(TestLightedElements)
#include "test_lightedelements.moc"
