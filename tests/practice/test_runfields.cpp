// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/runfields.h"

#include <QTest>

using namespace blinket;

Q_DECLARE_METATYPE(blinket::RunRecord)

class TestRunFields : public QObject
{
    Q_OBJECT
private slots:
    void kindWords();
    void readingsText_data();
    void readingsText();
    void readingsThatDoNotFit_data();
    void readingsThatDoNotFit();
    void startedText_data();
    void startedText();
    void startedFromText_data();
    void startedFromText();
    void recordProblem_data();
    void recordProblem();
};

void TestRunFields::kindWords()
{
    const QList<std::pair<RunKind, QString>> kinds = {
        {RunKind::AtoZ, QStringLiteral("atoz")},        {RunKind::Lesson, QStringLiteral("lesson")},
        {RunKind::WeakLetters, QStringLiteral("weak")}, {RunKind::Text, QStringLiteral("text")},
        {RunKind::Drill, QStringLiteral("drill")},      {RunKind::Exam, QStringLiteral("exam")},
        {RunKind::Keying, QStringLiteral("keying")}};
    for (const auto &[kind, word] : kinds) {
        QCOMPARE(kindWord(kind), word);
        QCOMPARE(kindFromWord(word), std::optional(kind));
    }
    QCOMPARE(kindFromWord(u"Lesson"), std::optional<RunKind>());
    QCOMPARE(kindFromWord(u""), std::optional<RunKind>());
}

void TestRunFields::readingsText_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("read"); // as madeRun takes it
    QTest::addColumn<QString>("readings");
    QTest::newRow("nothing") << QString() << QString() << QString();
    QTest::newRow("all right") << QStringLiteral("SOS") << QStringLiteral("SOS")
                               << QStringLiteral("SOS");
    QTest::newRow("wrong and missed")
        << QStringLiteral("PARIS") << QStringLiteral("P-RES") << QStringLiteral("P-RES");
    QTest::newRow("all missed") << QStringLiteral("QQ") << QStringLiteral("--")
                                << QStringLiteral("--");
}

void TestRunFields::readingsText()
{
    QFETCH(QString, sent);
    QFETCH(QString, read);
    QFETCH(QString, readings);
    const RunRecord run = madeRun(sent, read);
    QCOMPARE(blinket::readingsText(run.outcomes), readings);
    const auto back = outcomesFromReadings(sent, readings);
    QVERIFY(back);
    QVERIFY(*back == run.outcomes);
}

void TestRunFields::readingsThatDoNotFit_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("readings");
    QTest::newRow("shorter") << QStringLiteral("SOS") << QStringLiteral("SO");
    QTest::newRow("longer") << QStringLiteral("SOS") << QStringLiteral("SOSS");
    QTest::newRow("lower case reading") << QStringLiteral("SOS") << QStringLiteral("SoS");
    QTest::newRow("a character that cannot be sent")
        << QStringLiteral("S!S") << QStringLiteral("SOS");
    QTest::newRow("space read") << QStringLiteral("SOS") << QStringLiteral("S S");
}

void TestRunFields::readingsThatDoNotFit()
{
    QFETCH(QString, sent);
    QFETCH(QString, readings);
    QVERIFY(!outcomesFromReadings(sent, readings));
}

void TestRunFields::startedText_data()
{
    QTest::addColumn<QDateTime>("started");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTC") << QDateTime(QDate(2026, 12, 8), QTime(15, 30, 12, 345), Qt::UTC)
                         << QStringLiteral("2026-12-08T15:30:12.345Z");
    QTest::newRow("whole seconds") << QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5), Qt::UTC)
                                   << QStringLiteral("2027-01-02T03:04:05.000Z");
    QTest::newRow("two hours east")
        << QDateTime(QDate(2026, 12, 8), QTime(1, 0), Qt::OffsetFromUTC, 7200)
        << QStringLiteral("2026-12-07T23:00:00.000Z");
}

void TestRunFields::startedText()
{
    QFETCH(QDateTime, started);
    QFETCH(QString, text);
    QCOMPARE(blinket::startedText(started), text);
}

void TestRunFields::startedFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("started"); // invalid: not a time
    QTest::newRow("as written") << QStringLiteral("2026-12-08T15:30:12.345Z")
                                << QDateTime(QDate(2026, 12, 8), QTime(15, 30, 12, 345), Qt::UTC);
    QTest::newRow("without milliseconds")
        << QStringLiteral("2026-12-08T15:30:12Z")
        << QDateTime(QDate(2026, 12, 8), QTime(15, 30, 12), Qt::UTC);
    QTest::newRow("with an offset") << QStringLiteral("2026-12-08T17:30:12.000+02:00")
                                    << QDateTime(QDate(2026, 12, 8), QTime(15, 30, 12), Qt::UTC);
    QTest::newRow("no such day") << QStringLiteral("2026-02-30T15:30:12.345Z") << QDateTime();
    QTest::newRow("letters") << QStringLiteral("2026-12-08TAB:30:12.345Z") << QDateTime();
    QTest::newRow("empty") << QString() << QDateTime();
}

void TestRunFields::startedFromText()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, started);
    const QDateTime got = blinket::startedFromText(text);
    QCOMPARE(got.isValid(), started.isValid());
    if (started.isValid()) {
        QCOMPARE(got, started);
        QVERIFY(got.toString(Qt::ISODateWithMs).endsWith(u'Z'));
    }
}

void TestRunFields::recordProblem_data()
{
    QTest::addColumn<RunRecord>("run");
    QTest::addColumn<QString>("problem");
    const RunRecord good = madeRun(QStringLiteral("SOS"), QStringLiteral("S-H"));
    QTest::newRow("good") << good << QString();
    QTest::newRow("nothing sent") << madeRun(QString(), QString()) << QString();
    RunRecord noTime = good;
    noTime.startedUtc = QDateTime();
    QTest::newRow("no start time") << noTime << QStringLiteral("the run has no start time");
    RunRecord short1 = good;
    short1.outcomes.pop_back();
    QTest::newRow("an outcome short")
        << short1 << QStringLiteral("the run has 2 letter outcomes for 3 letters sent");
    RunRecord otherLetter = good;
    otherLetter.outcomes[1].sent = u'E';
    QTest::newRow("outcome of another letter")
        << otherLetter << QStringLiteral("letter 2 of the run does not match its outcome");
    RunRecord readDigit = good;
    readDigit.outcomes[2].readAs = u'!';
    QTest::newRow("read as a character that cannot be sent")
        << readDigit << QStringLiteral("letter 3 of the run does not match its outcome");
    RunRecord lowerCase = madeRun(QStringLiteral("SoS"), QStringLiteral("SoS"));
    QTest::newRow("lower case sent")
        << lowerCase << QStringLiteral("letter 2 of the run does not match its outcome");
}

void TestRunFields::recordProblem()
{
    QFETCH(RunRecord, run);
    QFETCH(QString, problem);
    QCOMPARE(blinket::recordProblem(run), problem);
}

QTEST_GUILESS_MAIN(TestRunFields)
#include "test_runfields.moc"
