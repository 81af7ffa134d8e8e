// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/lightaccuracy.h"
#include "practice/progressreport.h"

#include <QTest>

using namespace blinket;

namespace {

// A run of four letters E with `right` of them read right, read under light on timing.
RunRecord runUnder(int right, const char *light, Timing timing = Timing::Own,
                   RunKind kind = RunKind::AtoZ)
{
    RunRecord run =
        madeRun(QStringLiteral("EEEE"), QString(right, u'E') + QString(4 - right, u'-'), 0, kind);
    run.light = *lightFromText(QString::fromLatin1(light));
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
    void grouped();
};

void TestLightAccuracy::grouped()
{
    // Haze: 12 of 16 letters, where the runs' own accuracies, 0 and 100 %, would make 50.
    RunRecord longer = madeRun(QString(12, u'E'), QString(12, u'E'));
    longer.light.haze = 40;
    const std::vector runs{runUnder(1, "sky=night"),
                           runUnder(3, ""),
                           runUnder(0, "haze=40"),
                           runUnder(3, "sky=night"),
                           longer,
                           runUnder(1, "", Timing::International),
                           runUnder(0, "haze=40", Timing::Own, RunKind::Keying)};
    // The clear light first, on either timing, then the others as met; a keying is not read.
    QCOMPARE(
        shown(accuracyByLight(runs)),
        (QStringList{QStringLiteral("/own: 1 75"), QStringLiteral("/intl: 1 25"),
                     QStringLiteral("sky=night/own: 2 50"), QStringLiteral("haze=40/own: 2 75")}));
    QVERIFY(progressReport(runs).readUnderLights());
    // The clear light alone, on either timing, beside a keying under haze is no table.
    QVERIFY(!progressReport({runs[1], runs[5], runs[6]}).readUnderLights());
}

QTEST_GUILESS_MAIN(TestLightAccuracy)
#include "test_lightaccuracy.moc"
