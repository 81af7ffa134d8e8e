// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "keyingtimeline.h"

#include <QTest>

#include <cmath>
#include <numeric>

using namespace blinket;

class TestKeyingTimeline : public QObject
{
    Q_OBJECT

private slots:
    void timeline_data();
    void timeline();
    void spreadKeepsEachElementInItsBounds();
};

void TestKeyingTimeline::timeline_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wordsPerMinute");
    QTest::addColumn<double>("dash");
    QTest::addColumn<double>("letterGap");
    QTest::addColumn<double>("wordGap");
    QTest::addColumn<QList<double>>("expected");

    // 50 dots of 100 ms: P .--. A .- R .-. I .. S ... and the word gap that closes it.
    const QList<double> paris{100, 100, 300, 100, 300, 100, 100, 300, 100, 100, 300, 300, 100, 100,
                              300, 100, 100, 300, 100, 100, 100, 300, 100, 100, 100, 100, 100, 700};
    QTest::newRow("PARIS at 12") << QStringLiteral("PARIS") << 12.0 << 3.0 << 3.0 << 7.0 << paris;
    QTest::newRow("lower case keys as upper")
        << QStringLiteral("paris") << 12.0 << 3.0 << 3.0 << 7.0 << paris;
    QTest::newRow("a word gap between words, however many spaces")
        << QStringLiteral(" E  T ") << 12.0 << 3.0 << 3.0 << 7.0
        << QList<double>{100, 700, 300, 700};
    QTest::newRow("a figure") << QStringLiteral("5") << 20.0 << 3.0 << 3.0 << 7.0
                              << QList<double>{60, 60, 60, 60, 60, 60, 60, 60, 60, 420};
    QTest::newRow("short dash, short letter gap")
        << QStringLiteral("TE") << 20.0 << 1.6 << 1.5 << 7.0 << QList<double>{96, 90, 60, 420};
    QTest::newRow("long word gap") << QStringLiteral("E E") << 5.0 << 3.0 << 3.0 << 10.0
                                   << QList<double>{240, 2400, 240, 2400};
    QTest::newRow("a character with no code")
        << QStringLiteral("PA#IS") << 12.0 << 3.0 << 3.0 << 7.0 << QList<double>{};
    QTest::newRow("no word") << QStringLiteral("  ") << 12.0 << 3.0 << 3.0 << 7.0
                             << QList<double>{};
}

void TestKeyingTimeline::timeline()
{
    QFETCH(QString, text);
    QFETCH(double, wordsPerMinute);
    QFETCH(double, dash);
    QFETCH(double, letterGap);
    QFETCH(double, wordGap);
    QFETCH(QList<double>, expected);

    const auto timeline = keyingTimeline(text, wordsPerMinute, {dash, 1.0, letterGap, wordGap});
    QCOMPARE(timeline.has_value(), !expected.isEmpty());
    if (!timeline)
        return;
    QCOMPARE(qsizetype(timeline->size()), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (std::abs((*timeline)[std::size_t(i)] - expected[i]) > 1e-6)
            QFAIL(qPrintable(QStringLiteral("element %1 is %2 ms, not %3")
                                 .arg(i)
                                 .arg((*timeline)[std::size_t(i)])
                                 .arg(expected[i])));
    }
}

void TestKeyingTimeline::spreadKeepsEachElementInItsBounds()
{
    const std::vector<double> even = *keyingTimeline(u"PARIS 73", 12.0);
    double smallest = 2.0;
    double largest = 0.0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<double> spread =
            *keyingTimeline(u"PARIS 73", 12.0, {.spread = 0.2}, seed);
        QCOMPARE(spread.size(), even.size());
        QCOMPARE(*keyingTimeline(u"PARIS 73", 12.0, {.spread = 0.2}, seed), spread);
        for (std::size_t i = 0; i < even.size(); ++i) {
            const double factor = spread[i] / even[i];
            QVERIFY2(
                factor >= 0.8 && factor <= 1.2,
                qPrintable(QStringLiteral("element %1 stretched %2 times").arg(i).arg(factor)));
            smallest = std::min(smallest, factor);
            largest = std::max(largest, factor);
        }
    }
    // Over 20 draws of 48 elements the factors reach well into both ends.
    QVERIFY(smallest < 0.82);
    QVERIFY(largest > 1.18);
    QVERIFY(*keyingTimeline(u"PARIS", 12.0, {.spread = 0.2}, 1) !=
            *keyingTimeline(u"PARIS", 12.0, {.spread = 0.2}, 2));
}

QTEST_APPLESS_MAIN(TestKeyingTimeline)
#include "test_keyingtimeline.moc"
