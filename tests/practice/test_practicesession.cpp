// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/practicesession.h"
#include "practice/practicestats.h"
#include "practice/runfields.h"
#include "signal/characters.h"
#include "typedrun.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace blinket;

class TestPracticeSession : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.emplace(); }
    void theCopyTypedDuringARun_data();
    void theCopyTypedDuringARun();
    void lateChangesAreKeptWithinASecond();
    void aRunKeepsTheTimingAndLightItBeganWith();
    void aForgottenRunStaysForgotten();
    void anAbandonedRunKeepsNothing();
    void aKeyingIsScoredAndKept_data();
    void aKeyingIsScoredAndKept();
    void aFinalFormReadsAsItsLetter();

private:
    std::optional<QTemporaryDir> m_dir;
};

void TestPracticeSession::theCopyTypedDuringARun_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("runCharacters");
    QTest::addColumn<QString>("copy");
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<QString>("score");
    QTest::newRow("letters in either case, a slip taken back")
        << "EISHE  IS"
        << "eix<shEis" << QString() << "EISHEIS" << 0 << "7 of 7 right (100 %)";
    // ק is on the E key, ן on the I key, ש on the A key, / on the Q key.
    QTest::newRow("the Hebrew keyboard")
        << "EIAQ"
        << "קןש/" << QString() << "EIAQ" << 0 << "4 of 4 right (100 %)";
    QTest::newRow("figures count when the run sends them")
        << "E5T"
        << "e5t" << QStringLiteral("5") << "E5T" << 0 << "3 of 3 right (100 %)";
    QTest::newRow("and not when it does not")
        << "ET"
        << "e5t" << QString() << "ET" << 0 << "2 of 2 right (100 %)";
    // Two letters sent: the copy takes 2 x 2 + 50 = 54 and no more.
    QTest::newRow("past the limit")
        << "ET" << QString(60, u'e') << QString() << QString(54, u'E') << 6 << "1 of 2 right (1 %)";
}

void TestPracticeSession::theCopyTypedDuringARun()
{
    QFETCH(QString, sent);
    QFETCH(QString, typed);
    QFETCH(QString, runCharacters);
    QFETCH(QString, copy);
    QFETCH(int, leftOut);
    QFETCH(QString, score);
    PracticeSession session(m_dir->path());
    QSignalSpy ended(&session, &PracticeSession::runEnded);
    typedRun(session, sent, typed, {}, runCharacters);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(session.copy(), copy);
    QCOMPARE(session.leftOut(), leftOut);
    QCOMPARE(session.score().summary(), score);
    // Stored at once, as scored.
    const auto runs = session.history().allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().copy, copy);
    QCOMPARE(runs->front().accuracy(), session.score().percent());
}

void TestPracticeSession::lateChangesAreKeptWithinASecond()
{
    PracticeSession session(m_dir->path());
    QSignalSpy changed(&session, &PracticeSession::historyChanged);
    typedRun(session, QStringLiteral("PARIS  PARIS"), QStringLiteral("paris"));
    QCOMPARE(session.score().summary(), QStringLiteral("5 of 10 right (50 %)"));
    // The learner finishes the last group after the run: scored at every change.
    session.setCopy(QStringLiteral("PARIS par"));
    QCOMPARE(session.score().summary(), QStringLiteral("8 of 10 right (80 %)"));
    session.setCopy(QStringLiteral("PARIS paris"));
    QCOMPARE(session.score().summary(), QStringLiteral("10 of 10 right (100 %)"));
    QCOMPARE(changed.size(), 1);
    // The run's one row takes the latest scoring a moment after the last key.
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 2, 1000);
    const auto runs = session.history().allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().copy, QStringLiteral("PARISPARIS"));
    QCOMPARE(runs->front().right, 10);
}

void TestPracticeSession::aRunKeepsTheTimingAndLightItBeganWith()
{
    PracticeSession session(m_dir->path());
    RunRecord begun;
    begun.timing = Timing::International;
    begun.light = {false, 0, 50, Sky::Night, 0, 0};
    session.beginRun(begun, QString());
    session.type(QStringLiteral("e"));
    // The end knows only what the run came to, as the run's window tells it.
    session.endRun(RunRecord(), QStringLiteral("E"));
    const auto runs = session.history().allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().timing, Timing::International);
    QVERIFY(runs->front().light == begun.light);
}

void TestPracticeSession::aForgottenRunStaysForgotten()
{
    PracticeSession session(m_dir->path());
    QSignalSpy status(&session, &PracticeSession::storeStatus);
    typedRun(session, QStringLiteral("SOS"), QStringLiteral("sos"));
    // A change waiting to be stored belongs to the history being forgotten.
    session.setCopy(QStringLiteral("SOX"));
    QCOMPARE(session.forgetHistory(), QString());
    QCOMPARE(session.history().runCount(), std::optional<int>(0));
    session.setCopy(QStringLiteral("SOS"));
    session.storeNow();
    QCOMPARE(session.history().runCount(), std::optional<int>(0));
    QCOMPARE(status.back().front().toString(),
             QStringLiteral("This run is not kept: the practice history was forgotten after it."));
    // The next run is kept as usual.
    typedRun(session, QStringLiteral("E"), QStringLiteral("e"));
    QCOMPARE(session.history().runCount(), std::optional<int>(1));
}

void TestPracticeSession::anAbandonedRunKeepsNothing()
{
    PracticeSession session(m_dir->path());
    typedRun(session, QStringLiteral("TMO"), QStringLiteral("tmo"));
    session.beginRun({}, QString());
    session.type(QStringLiteral("e"));
    session.abandonRun();
    // The last run is still the one before, and nothing more is kept.
    QCOMPARE(session.sentText(), QStringLiteral("TMO"));
    QCOMPARE(session.copy(), QStringLiteral("TMO"));
    QCOMPARE(session.history().runCount(), std::optional<int>(1));
}

void TestPracticeSession::aKeyingIsScoredAndKept_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("sentAndCopy");
    QTest::addColumn<QList<int>>("counts"); // right, wrong, missed, extra; none when not kept
    QTest::addColumn<QString>("readings");
    QTest::newRow("words apart, a figure keyed as a letter")
        << "CQ DE 4X"
        << "CQ DE 4S"
        << "CQDE4X|CQDE4S" << QList<int>{5, 1, 0, 0} << "CQDE4S";
    QTest::newRow("a sign left out, one keyed too many")
        << "K? AR+"
        << "K?E AR"
        << "K?AR+|K?EAR" << QList<int>{4, 0, 1, 1} << "K?AR-";
    // A sign that is no character leaves the character asked there not keyed, as the grade
    // window shows it.
    QTest::newRow("a misformed sign") << "PARIS"
                                      << "P*RIS"
                                      << "PARIS|PRIS" << QList<int>{4, 0, 1, 0} << "P-RIS";
    QTest::newRow("nothing read") << "SOS" << QString() << QString() << QList<int>() << QString();
}

void TestPracticeSession::aKeyingIsScoredAndKept()
{
    QFETCH(QString, asked);
    QFETCH(QString, read);
    QFETCH(QString, sentAndCopy);
    QFETCH(QList<int>, counts);
    QFETCH(QString, readings);
    PracticeSession session(m_dir->path());
    QSignalSpy changed(&session, &PracticeSession::historyChanged);
    QSignalSpy status(&session, &PracticeSession::storeStatus);
    // A run being sent meanwhile goes on as it was.
    session.beginRun({}, QString());
    session.type(QStringLiteral("e"));
    RunRecord keying;
    keying.startedUtc = QDateTime(QDate(2026, 12, 9), QTime(4, 30), Qt::UTC);
    const KeyingFigures figures{72, 14.5, 2.6, 1.2, 3.3, 6.1, 0.2, 0.15};
    const QString told = session.keepKeying(keying, asked, read, figures);
    QVERIFY(session.collecting() && !session.hasLastRun());
    // What is told of a keying is the caller's to show, not the Copy check window's.
    QCOMPARE(status.size(), 0);
    const auto runs = session.history().allRuns();
    QVERIFY(runs);
    QCOMPARE(runs->size(), std::size_t(counts.isEmpty() ? 0 : 1));
    QCOMPARE(changed.size(), int(runs->size()));
    QCOMPARE(told, runs->empty() ? QString() : QStringLiteral("Kept in your practice history."));
    if (runs->empty())
        return;
    const RunRecord &kept = runs->front();
    QCOMPARE(kept.kind, RunKind::Keying);
    QCOMPARE(kept.sent + u'|' + kept.copy, sentAndCopy);
    QCOMPARE((QList<int>{kept.right, kept.wrong, kept.missed, kept.extra}), counts);
    QCOMPARE(readingsText(kept.outcomes), readings);
    QCOMPARE(kept.keying, std::optional(figures));
}

void TestPracticeSession::aFinalFormReadsAsItsLetter()
{
    // A reader of Hebrew may write a letter's final form, as at a word's end: it is the letter
    // read right, in its character's accuracy too.
    PracticeSession session(m_dir->path());
    typedRun(session, QStringLiteral("כמנפצכ"), QStringLiteral("ךםןףץם"), {},
             hebrewLetters().toString());
    const auto runs = session.history().allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(readingsText(runs->front().outcomes), QStringLiteral("כמנפצמ"));
    const LetterAccuracy kaf = letterAccuracies(*runs)[std::size_t(characterIndex(u'כ'))];
    QCOMPARE(kaf.outcomes, 2);
    QCOMPARE(kaf.right, 1);
}

QTEST_GUILESS_MAIN(TestPracticeSession)
#include "test_practicesession.moc"
