// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakelampkey.h"
#include "fakereceiver.h"
#include "fakerunview.h"
#include "keyedtimeline.h"
#include "runs/keyedreceiver.h"
#include "runs/keyingexercise.h"

#include <QTest>

using namespace blinket;

namespace {

struct Keying : RunHarness
{
    FakeLampKey key{platform};

    RunResult keyAsked(const QString &asked)
    {
        KeyingExercise exercise(sender, key, asked, asked + QStringLiteral(": prompt"), 0.1);
        return exercise.run();
    }
    // The strokes of text at 12 words a minute, from the virtual second at on.
    void keyText(QStringView text, double at = 1.0, const Hand &hand = {})
    {
        for (KeyStroke stroke : keyedStrokes(text, 0.1, hand)) {
            stroke.down += at - 10.0;
            stroke.up += at - 10.0;
            key.script.push_back(stroke);
        }
    }
};

} // namespace

class TestKeyingExercise : public QObject
{
    Q_OBJECT

private slots:
    void endsOnceWhatWasAskedIsKeyed();
    void enterGradesWhatWasKeyed();
    void stopEndsWithoutAGrade();
    void drillAnswersKeyed_data();
    void drillAnswersKeyed();
};

void TestKeyingExercise::endsOnceWhatWasAskedIsKeyed()
{
    Keying keying;
    keying.keyText(u"PARIS");
    const RunResult result = keying.keyAsked(QStringLiteral("PARIS"));
    QVERIFY(result.keying);
    QCOMPARE(result.keying->read, QStringLiteral("PARIS"));
    QCOMPARE(result.keying->figures.merit, 100);
    // After the last release, a space longer than a gap inside a letter, shorter than a letter's.
    const double lastUp = keying.key.script.back().up;
    QVERIFY(keying.platform.steadySeconds() > lastUp + 0.1);
    QVERIFY(keying.platform.steadySeconds() < lastUp + 0.3);
    // What was read grew as it was keyed, under the prompt shown all along, then both hid.
    QStringList reads;
    for (const auto &[prompt, read] : keying.view.keyingShown) {
        if (!prompt.isEmpty() && (reads.isEmpty() || reads.back() != read))
            reads << read;
    }
    QCOMPARE(reads.first(), QString());
    QVERIFY(reads.contains(QStringLiteral("PA")));
    QCOMPARE(reads.back(), QStringLiteral("PARIS"));
    QCOMPARE(keying.view.keyingShown.back().first, QString());
    QCOMPARE(keying.view.text1Value, QStringLiteral("PARIS"));
    QVERIFY(!keying.key.listening);
    QCOMPARE(keying.state.Running, qint16(0));
    QVERIFY(keying.view.isShown(RunView::Control::Frame1));
}

void TestKeyingExercise::enterGradesWhatWasKeyed()
{
    Keying keying;
    // Enter before any keying asks for nothing; after a wrong one, it is graded as it stands.
    keying.key.finishAt = 0.5;
    keying.keyText(u"PARIT");
    keying.platform.at(7000, [&keying] { keying.key.finishAt = 7.0; });
    const RunResult result = keying.keyAsked(QStringLiteral("PARIS"));
    QVERIFY(result.keying);
    QCOMPARE(result.keying->read, QStringLiteral("PARIT"));
    QCOMPARE(result.lettersSent, QStringLiteral("PARIS"));
    QVERIFY(keying.platform.steadySeconds() >= 7.0);
}

void TestKeyingExercise::stopEndsWithoutAGrade()
{
    Keying keying;
    keying.keyText(u"PA");
    // Stop with the key held down: the lamp goes dark and stays so.
    keying.key.script.push_back({2.0, 30.0});
    keying.platform.at(2500, [&keying] { keying.state.Running = 0; });
    const RunResult result = keying.keyAsked(QStringLiteral("PARIS"));
    QVERIFY(!result.keying);
    QVERIFY(result.lettersSent.isEmpty());
    QCOMPARE(keying.key.stops, 2);
    QVERIFY(!keying.key.listening);
}

void TestKeyingExercise::drillAnswersKeyed_data()
{
    QTest::addColumn<QString>("keyed");
    QTest::addColumn<double>("lookAt"); // seconds after the keying ends
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("answers");

    // T or R acknowledges what was typed; an identity comes as typed; a lone E answers
    // nothing; nothing counts before a word's gap has passed.
    QTest::newRow("T") << QStringLiteral("T") << 0.6 << QStringLiteral("ABCDE")
                       << QStringList{QStringLiteral("ABCDE")};
    QTest::newRow("R") << QStringLiteral("R") << 0.6 << QString() << QStringList{QString()};
    QTest::newRow("identity") << QStringLiteral("K7AB") << 0.6 << QString()
                              << QStringList{QStringLiteral("K7AB")};
    QTest::newRow("misformed T") << QStringLiteral("E") << 0.6 << QStringLiteral("ABC")
                                 << QStringList{};
    QTest::newRow("too soon") << QStringLiteral("T") << 0.3 << QStringLiteral("ABC")
                              << QStringList{};
}

void TestKeyingExercise::drillAnswersKeyed()
{
    QFETCH(QString, keyed);
    QFETCH(double, lookAt);
    QFETCH(QString, typed);
    QFETCH(QStringList, answers);
    Keying keying;
    FakeReceiver typing(keying.platform);
    typing.typingNow = typed;
    KeyedReceiver receiver(typing, keying.key, 0.1);
    keying.keyText(keyed);
    keying.platform.Sleep(qint32((keying.key.script.back().up + lookAt) * 1000.0));
    QStringList given;
    while (const std::optional<ReceiverAnswer> answer = receiver.nextAnswer()) {
        QCOMPARE(answer->kind, ReceiverAnswer::Kind::Acknowledge);
        given << answer->typed;
    }
    QCOMPARE(given, answers);
    // Each keying answers once.
    QVERIFY(!receiver.nextAnswer());
}

QTEST_GUILESS_MAIN(TestKeyingExercise)
#include "test_keyingexercise.moc"
