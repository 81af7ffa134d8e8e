// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/lightaccuracy.h"
#include "practice/progressreport.h"

#include <QTest>

using namespace blinket;

namespace {

// A run of four letters E with `right` of them read right, read under light on timing.
RunRecord runUnder(int right, const QString &light, Timing timing = Timing::Own,
                   RunKind kind = RunKind::AtoZ)
{
    RunRecord run =
        madeRun(QStringLiteral("EEEE"), QString(right, u'E') + QString(4 - right, u'-'), 0, kind);
    run.light = *lightFromText(light);
    run.timing = timing;
    return run;
}

// The entries as "light/timing: runs accuracy", to compare in one line.
QStringList shown(const std::vector<LightAccuracy> &lights)
{
    QStringList lines;
    for (const LightAccuracy &light : lights) {
        lines << QStringLiteral("%1/%2: %3 %4")
                     .arg(lightText(light.light), light.timing == Timing::Own
                                                      ? QStringLiteral("own")
                                                      : QStringLiteral("intl"))
                     .arg(light.runs)
                     .arg(light.accuracy);
    }
    return lines;
}

} // namespace

class TestLightAccuracy : public QObject
{
    Q_OBJECT
private slots:
    void grouped_data();
    void grouped();
};

void TestLightAccuracy::grouped_data()
{
    QTest::addColumn<std::vector<RunRecord>>("runs");
    QTest::addColumn<QStringList>("lights");
    QTest::addColumn<bool>("underLights");
    QTest::newRow("all clear") << std::vector{runUnder(4, {}), runUnder(2, {})}
                               << QStringList{QStringLiteral("/own: 2 75")} << false;
    // Clear on either timing is still the one light.
    QTest::newRow("clear on both timings")
        << std::vector{runUnder(4, {}), runUnder(1, {}, Timing::International)}
        << QStringList{QStringLiteral("/own: 1 100"), QStringLiteral("/intl: 1 25")} << false;
    QTest::newRow("clear first, then as met")
        << std::vector{runUnder(1, QStringLiteral("sky=night")), runUnder(3, {}),
                       runUnder(2, QStringLiteral("haze=40")),
                       runUnder(3, QStringLiteral("sky=night"))}
        << QStringList{QStringLiteral("/own: 1 75"), QStringLiteral("sky=night/own: 2 50"),
                       QStringLiteral("haze=40/own: 1 50")}
        << true;
    // 12 of 16 letters, where the runs' own accuracies, 0 and 100 %, would make 50.
    RunRecord longer = madeRun(QString(12, u'E'), QString(12, u'E'));
    longer.light.haze = 40;
    QTest::newRow("by letters, not by runs")
        << std::vector{runUnder(0, QStringLiteral("haze=40")), longer}
        << QStringList{QStringLiteral("haze=40/own: 2 75")} << true;
    QTest::newRow("keyings left out")
        << std::vector{runUnder(4, {}),
                       runUnder(0, QStringLiteral("haze=40"), Timing::Own, RunKind::Keying)}
        << QStringList{QStringLiteral("/own: 1 100")} << false;
}

void TestLightAccuracy::grouped()
{
    QFETCH(std::vector<RunRecord>, runs);
    QFETCH(QStringList, lights);
    QFETCH(bool, underLights);
    QCOMPARE(shown(accuracyByLight(runs)), lights);
    QCOMPARE(progressReport(runs).readUnderLights(), underLights);
}

QTEST_GUILESS_MAIN(TestLightAccuracy)
#include "test_lightaccuracy.moc"
