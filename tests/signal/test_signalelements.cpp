// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "platform/runtimeerror.h"
#include "signal/signalelements.h"

#include <QTest>

using namespace blinket;

namespace {

// Each element's timeline at a given unit: lamp switch, event processing, sleep.
QString elementTimeline(const QString &call, qint16 unit)
{
    const double factor = (call == u"Nekuda" || call == u"Dark_nek") ? 0.5 : 2.5;
    const bool lit = call == u"Nekuda" || call == u"Kav";
    const auto ms = static_cast<qint64>(std::nearbyint(unit * factor));
    return QStringLiteral("%1 ev %2").arg(lit ? u"on" : u"off").arg(ms);
}

struct Harness
{
    FakePlatform platform;
    qint16 unit = 400;
    SignalElements elements{platform, platform, unit};
};

} // namespace

class TestSignalElements : public QObject
{
    Q_OBJECT
private slots:
    void lettersFollowTheTable_data();
    void lettersFollowTheTable();
    void everyElementSwitchesThenProcessesThenSleeps();
    void elementDurationsRoundHalfToEven_data();
    void elementDurationsRoundHalfToEven();
    void darkWordOverflowsAfterSwitchingTheLamp();
    void negativeUnitSleepsNothing();
    void unitIsReadAfterEventsAreProcessed();
    void sleepsAreRoundedOneByOne();
    void nonLettersSendNothing_data();
    void nonLettersSendNothing();
    void letterChangedDuringSendingIsNotFollowed_data();
    void letterChangedDuringSendingIsNotFollowed();
};

void TestSignalElements::lettersFollowTheTable_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<double>("units");
    const auto row = [](const char *letter, const char *calls, double units) {
        QTest::newRow(letter) << QString::fromLatin1(letter) << QString::fromLatin1(calls) << units;
    };
    row("A", "Nekuda Dark_nek Kav Dark_Kav", 6);
    row("B", "Kav Dark_nek Nekuda Dark_nek Nekuda Dark_nek Nekuda Dark_Kav", 8);
    row("C", "Kav Dark_nek Nekuda Dark_nek Kav Dark_nek Nekuda Dark_Kav", 10);
    row("D", "Kav Dark_nek Nekuda Dark_nek Nekuda Dark_nek Dark_Kav", 7.5);
    row("E", "Nekuda Dark_Kav", 3);
    row("F", "Nekuda Dark_nek Nekuda Dark_nek Kav Dark_nek Nekuda Dark_Kav", 8);
    row("G", "Kav Dark_nek Kav Dark_nek Nekuda Dark_nek Dark_Kav", 9.5);
    row("H", "Nekuda Dark_nek Nekuda Dark_nek Nekuda Dark_nek Nekuda Dark_Kav", 6);
    row("I", "Nekuda Dark_nek Nekuda Dark_Kav", 4);
    row("J", "Nekuda Dark_nek Kav Dark_nek Kav Dark_nek Kav Dark_Kav", 12);
    row("K", "Kav Dark_nek Nekuda Dark_nek Kav Dark_nek Dark_Kav", 9.5);
    row("L", "Nekuda Dark_nek Kav Dark_nek Nekuda Dark_nek Nekuda Dark_Kav", 8);
    row("M", "Kav Dark_nek Kav Dark_Kav", 8);
    row("N", "Kav Dark_nek Nekuda Dark_Kav", 6);
    row("O", "Kav Dark_nek Kav Dark_nek Kav Dark_Kav", 11);
    row("P", "Nekuda Dark_nek Kav Dark_nek Kav Dark_nek Nekuda Dark_Kav", 10);
    row("Q", "Kav Dark_nek Kav Dark_nek Nekuda Dark_nek Kav Dark_Kav", 12);
    row("R", "Nekuda Dark_nek Kav Dark_nek Nekuda Dark_Kav", 7);
    row("S", "Nekuda Dark_nek Nekuda Dark_nek Nekuda Dark_Kav", 5);
    row("T", "Kav Dark_Kav", 5);
    row("U", "Nekuda Dark_nek Nekuda Dark_nek Kav Dark_Kav", 7);
    row("V", "Nekuda Dark_nek Nekuda Dark_nek Nekuda Dark_nek Kav Dark_Kav", 8);
    row("W", "Nekuda Dark_nek Kav Dark_nek Kav Dark_Kav", 9);
    row("X", "Kav Dark_nek Nekuda Dark_nek Nekuda Dark_nek Kav Dark_Kav", 10);
    row("Y", "Kav Dark_nek Nekuda Dark_nek Kav Dark_nek Kav Dark_Kav", 12);
    row("Z", "Kav Dark_nek Kav Dark_nek Nekuda Dark_nek Nekuda Dark_Kav", 10);
}

void TestSignalElements::lettersFollowTheTable()
{
    QFETCH(QString, letter);
    QFETCH(QString, calls);
    QFETCH(double, units);
    Harness harness;
    harness.elements.AtoZ(letter);

    // Events are processed before each call, and once more inside it.
    QStringList expected;
    for (const QString &call : calls.split(QLatin1Char(' ')))
        expected << QStringLiteral("ev ") + elementTimeline(call, 400);
    QCOMPARE(harness.platform.timeline(), expected.join(QLatin1Char(' ')));
    QCOMPARE(harness.platform.sleptMs(), qint64(units * 400));
    QVERIFY(!harness.platform.lit());
}

void TestSignalElements::everyElementSwitchesThenProcessesThenSleeps()
{
    Harness harness;
    harness.elements.Nekuda();
    harness.elements.Nekuda(); // switched again although already lit
    harness.elements.Kav();
    harness.elements.Dark_nek();
    harness.elements.Dark_Kav();
    harness.elements.Dark_word();
    QCOMPARE(harness.platform.timeline(),
             QStringLiteral("on ev 200 on ev 200 on ev 1000 off ev 200 off ev 1000 off ev 1600"));
}

void TestSignalElements::elementDurationsRoundHalfToEven_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("half");       // Nekuda, Dark_nek
    QTest::addColumn<int>("twoAndHalf"); // Kav, Dark_Kav
    QTest::addColumn<int>("four");       // Dark_word
    QTest::newRow("400") << 400 << 200 << 1000 << 1600;
    QTest::newRow("5") << 5 << 2 << 12 << 20;
    QTest::newRow("7") << 7 << 4 << 18 << 28;
    QTest::newRow("3") << 3 << 2 << 8 << 12;
    QTest::newRow("1") << 1 << 0 << 2 << 4;
    QTest::newRow("0") << 0 << 0 << 0 << 0;
    QTest::newRow("267") << 267 << 134 << 668 << 1068;
    QTest::newRow("8191") << 8191 << 4096 << 20478 << 32764;
    QTest::newRow("-8192") << -8192 << -4096 << -20480 << -32768;
}

void TestSignalElements::elementDurationsRoundHalfToEven()
{
    QFETCH(int, unit);
    QFETCH(int, half);
    QFETCH(int, twoAndHalf);
    QFETCH(int, four);
    Harness harness;
    harness.unit = qint16(unit);
    harness.elements.Nekuda();
    harness.elements.Kav();
    harness.elements.Dark_nek();
    harness.elements.Dark_Kav();
    harness.elements.Dark_word();
    std::vector<qint32> slept;
    for (const auto &step : harness.platform.steps()) {
        if (step.kind == FakePlatform::Kind::Sleep)
            slept.push_back(step.ms);
    }
    QCOMPARE(slept, (std::vector<qint32>{half, twoAndHalf, half, twoAndHalf, four}));
}

void TestSignalElements::darkWordOverflowsAfterSwitchingTheLamp()
{
    for (const qint16 unit : {qint16(8192), qint16(-8193), qint16(32767)}) {
        Harness harness;
        harness.unit = unit;
        harness.elements.Nekuda();
        harness.platform.clearLog();
        try {
            harness.elements.Dark_word();
            QFAIL("no overflow");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 6);
        }
        QCOMPARE(harness.platform.timeline(), QStringLiteral("off ev"));
    }
    // The other elements still work at that unit.
    Harness harness;
    harness.unit = 8192;
    harness.elements.Dark_Kav();
    QCOMPARE(harness.platform.timeline(), QStringLiteral("off ev 20480"));
}

void TestSignalElements::negativeUnitSleepsNothing()
{
    Harness harness;
    harness.unit = -1;
    harness.elements.AtoZ(QStringLiteral("K"));
    harness.elements.Dark_word();
    QCOMPARE(harness.platform.now(), 0);
}

void TestSignalElements::unitIsReadAfterEventsAreProcessed()
{
    Harness harness;
    harness.platform.at(0, [&] { harness.unit = 100; });
    harness.elements.Kav();
    QCOMPARE(harness.platform.timeline(), QStringLiteral("on ev 250"));
}

void TestSignalElements::sleepsAreRoundedOneByOne()
{
    Harness harness;
    harness.unit = 5;
    harness.elements.AtoZ(QStringLiteral("A"));
    QCOMPARE(harness.platform.sleeps(),
             QStringList({QStringLiteral("+2"), QStringLiteral("-2"), QStringLiteral("+12"),
                          QStringLiteral("-12")}));
    QCOMPARE(harness.platform.sleptMs(), 28);
}

void TestSignalElements::nonLettersSendNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lower case") << QStringLiteral("e");
    QTest::newRow("space") << QStringLiteral(" ");
    QTest::newRow("empty") << QString();
    QTest::newRow("digit") << QStringLiteral("7");
    QTest::newRow("two letters") << QStringLiteral("AB");
}

void TestSignalElements::nonLettersSendNothing()
{
    QFETCH(QString, text);
    Harness harness;
    bool handlerRan = false;
    harness.platform.at(0, [&] { handlerRan = true; });
    harness.elements.AtoZ(text);
    QVERIFY(harness.platform.steps().empty());
    QVERIFY(!handlerRan);
}

void TestSignalElements::letterChangedDuringSendingIsNotFollowed_data()
{
    QTest::addColumn<qint64>("when");
    QTest::newRow("before the first element") << 0LL;
    QTest::newRow("after the dash") << 1000LL;
    QTest::newRow("in the last gap") << 2000LL;
}

void TestSignalElements::letterChangedDuringSendingIsNotFollowed()
{
    // The letter is handed over by reference, as a run hands over its current letter, and
    // an event handled while it is sent changes it: B is still sent to its end.
    QFETCH(qint64, when);
    Harness harness;
    QString letter = QStringLiteral("B");
    harness.platform.at(when, [&] { letter = QStringLiteral("E"); });
    harness.elements.AtoZ(letter);
    QCOMPARE(harness.platform.sleeps(),
             QStringList({QStringLiteral("+1000"), QStringLiteral("-200"), QStringLiteral("+200"),
                          QStringLiteral("-200"), QStringLiteral("+200"), QStringLiteral("-200"),
                          QStringLiteral("+200"), QStringLiteral("-1000")}));
    QCOMPARE(letter, QStringLiteral("E"));
}

QTEST_GUILESS_MAIN(TestSignalElements)
#include "test_signalelements.moc"
