// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/practicehistory.h"
#include "sqlitetool.h"
#include "testfiles.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace blinket;

namespace {

// A run with every field set to something of its own.
RunRecord fullRun()
{
    RunRecord run;
    run.startedUtc = QDateTime(QDate(2026, 12, 8), QTime(15, 30, 12, 345), Qt::UTC);
    run.kind = RunKind::Lesson;
    run.lesson = 5;
    run.speed = QStringLiteral("13");
    run.unit = 92;
    run.minutes = QStringLiteral("2.5");
    run.elapsedSeconds = 150.125;
    run.sent = QStringLiteral("NDBNDB");
    run.copy = QStringLiteral("NDTDBX");
    run.right = 4;
    run.wrong = 1;
    run.missed = 1;
    run.extra = 1;
    run.outcomes = {{u'N', u'N'},    {u'D', u'D'}, {u'B', u'T'},
                    {u'N', QChar()}, {u'D', u'D'}, {u'B', u'B'}};
    run.timing = Timing::International;
    run.light = {true, 40, 30, Sky::Dusk, 20, 10};
    return run;
}

void compareRuns(const RunRecord &got, const RunRecord &expected)
{
    QCOMPARE(got.repeats, expected.repeats);
    QCOMPARE(got.id, expected.id);
    QCOMPARE(got.startedUtc, expected.startedUtc);
    QVERIFY(got.startedUtc.toString(Qt::ISODateWithMs).endsWith(u'Z'));
    QCOMPARE(got.kind, expected.kind);
    QCOMPARE(got.lesson, expected.lesson);
    QCOMPARE(got.speed, expected.speed);
    QCOMPARE(got.unit, expected.unit);
    QCOMPARE(got.minutes, expected.minutes);
    QCOMPARE(got.elapsedSeconds, expected.elapsedSeconds);
    QCOMPARE(got.sent, expected.sent);
    QCOMPARE(got.copy, expected.copy);
    QCOMPARE(got.right, expected.right);
    QCOMPARE(got.wrong, expected.wrong);
    QCOMPARE(got.missed, expected.missed);
    QCOMPARE(got.extra, expected.extra);
    QVERIFY(got.outcomes == expected.outcomes);
    QVERIFY(got.keying == expected.keying);
    QCOMPARE(got.timing, expected.timing);
    QVERIFY(got.light == expected.light);
}

} // namespace

class TestHistoryStorage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nothingOnDiskBeforeTheFirstStore();
    void theFirstStoreCreatesTheFolder();
    void storedRunReadsBackWhole();
    void everyKindReadsBack();
    void aRunCheckedAgainReplacesItsStoredSelf();
    void runsComeBackInTheOrderTheyStarted();
    void schemaVersionFourInWriteAheadMode();
    void anOlderHistoryIsUpgraded_data();
    void anOlderHistoryIsUpgraded();
    void outcomesViewHasARowPerLetter();
    void startTimeIsKeptInUtc();
    void countAndForget();
    void forgettingNothingCreatesNothing();
    void csvExportBytes();
    void runThatDoesNotAddUpIsRefused();
    void eachHistoryHasItsOwnConnection();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void TestHistoryStorage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->filePath(QStringLiteral("data/blinket"));
}

void TestHistoryStorage::cleanup()
{
    m_dir.reset();
}

void TestHistoryStorage::nothingOnDiskBeforeTheFirstStore()
{
    {
        PracticeHistory history(m_folder);
        QCOMPARE(history.filePath(), m_folder + QStringLiteral("/history.sqlite"));
        const auto runs = history.allRuns();
        QVERIFY(runs);
        QVERIFY(runs->empty());
        QCOMPARE(history.runCount(), std::optional<int>(0));
        QVERIFY(history.lastError().isEmpty());
        QCOMPARE(history.takeProblem(), QString());
    }
    QCOMPARE(namesIn(m_dir->path()), QStringList());
}

void TestHistoryStorage::theFirstStoreCreatesTheFolder()
{
    PracticeHistory history(m_folder);
    QCOMPARE(history.store(fullRun()), std::optional<qint64>(1));
    QVERIFY(history.lastError().isEmpty());
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/history.sqlite")));
    QCOMPARE(history.store(fullRun()), std::optional<qint64>(2));
}

void TestHistoryStorage::storedRunReadsBackWhole()
{
    RunRecord run = fullRun();
    {
        PracticeHistory history(m_folder);
        const std::optional<qint64> id = history.store(run);
        QVERIFY2(id, qPrintable(history.lastError()));
        run.id = *id;
        const auto runs = history.allRuns();
        QVERIFY(runs);
        QCOMPARE(runs->size(), std::size_t(1));
        compareRuns(runs->front(), run);
    }
    // And from a new connection after the first one closed.
    PracticeHistory again(m_folder);
    const auto runs = again.allRuns();
    QVERIFY(runs);
    QCOMPARE(runs->size(), std::size_t(1));
    compareRuns(runs->front(), run);
    // Four of six right and one extra letter.
    QCOMPARE(runs->front().accuracy(), 57);
}

void TestHistoryStorage::aRunCheckedAgainReplacesItsStoredSelf()
{
    PracticeHistory history(m_folder);
    QCOMPARE(history.store(madeRun(QStringLiteral("TMO"), QStringLiteral("TMO"))),
             std::optional<qint64>(1));
    RunRecord run = madeRun(QStringLiteral("EISH"), QStringLiteral("E-SS"), 1);
    const std::optional<qint64> id = history.store(run);
    QCOMPARE(id, std::optional<qint64>(2));
    // The learner corrects a slip and checks again.
    RunRecord corrected = madeRun(QStringLiteral("EISH"), QStringLiteral("EISH"), 1);
    corrected.id = *id;
    QCOMPARE(history.store(corrected), std::optional<qint64>(2));
    const auto runs = history.allRuns();
    QVERIFY(runs);
    QCOMPARE(runs->size(), std::size_t(2));
    compareRuns(runs->back(), corrected);
    QCOMPARE(runs->front().copy, QStringLiteral("TMO"));
    // A new run still gets a new id.
    QCOMPARE(history.store(madeRun(QStringLiteral("WG"), QStringLiteral("WG"), 2)),
             std::optional<qint64>(3));
}

void TestHistoryStorage::everyKindReadsBack()
{
    PracticeHistory history(m_folder);
    RunRecord empty = madeRun(QString(), QString(), 3);
    empty.speed = QString();
    empty.minutes = QString();
    RunRecord drill =
        madeRun(QStringLiteral("K9QRS/"), QStringLiteral("K9Q-S/"), 5, RunKind::Drill);
    drill.repeats = 3;
    const std::vector<RunRecord> stored = {
        madeRun(QStringLiteral("AZ"), QStringLiteral("A-"), 0, RunKind::AtoZ),
        madeRun(QStringLiteral("ZJC"), QStringLiteral("ZJC"), 1, RunKind::Lesson, 12),
        madeRun(QStringLiteral("QQQ"), QStringLiteral("QYQ"), 2, RunKind::WeakLetters),
        empty,
        madeRun(QStringLiteral("SEA5"), QStringLiteral("SEA5"), 4, RunKind::Text),
        drill,
        madeRun(QStringLiteral("^+=(%"), QStringLiteral("^+=-%"), 6, RunKind::Exam),
        keyingRun(QStringLiteral("SOS5"), QStringLiteral("S-SH"), 47, 7)};
    for (const RunRecord &run : stored)
        QVERIFY2(history.store(run), qPrintable(history.lastError()));
    const auto runs = history.allRuns();
    QVERIFY(runs);
    QCOMPARE(runs->size(), stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        RunRecord expected = stored[i];
        expected.id = qint64(i) + 1;
        compareRuns((*runs)[i], expected);
    }
    // Only the keying has figures in the file; the other runs have none, not noughts.
    QCOMPARE(sqliteSays(history.filePath(), QStringLiteral("SELECT kind FROM runs WHERE merit "
                                                           "NOT NULL OR dash_spread NOT NULL;")),
             QStringLiteral("keying\n"));
}

void TestHistoryStorage::runsComeBackInTheOrderTheyStarted()
{
    PracticeHistory history(m_folder);
    // Stored out of order, as two windows storing at once might; two start at the same time.
    for (const int minute : {5, 1, 3, 1})
        QVERIFY(history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"), minute)));
    const auto runs = history.allRuns();
    QVERIFY(runs);
    QList<qint64> ids;
    for (const RunRecord &run : *runs)
        ids << run.id;
    QCOMPARE(ids, (QList<qint64>{2, 4, 3, 1}));
}

void TestHistoryStorage::schemaVersionFourInWriteAheadMode()
{
    {
        PracticeHistory history(m_folder);
        QVERIFY(history.store(fullRun()));
    }
    const QString path = m_folder + QStringLiteral("/history.sqlite");
    QCOMPARE(sqliteSays(path, QStringLiteral("PRAGMA user_version;")), QStringLiteral("4\n"));
    QCOMPARE(sqliteSays(path, QStringLiteral("PRAGMA journal_mode;")), QStringLiteral("wal\n"));
    QCOMPARE(sqliteSays(path, QStringLiteral("SELECT name FROM sqlite_master "
                                             "WHERE type IN ('table', 'view') ORDER BY name;")),
             QStringLiteral("letter_outcomes\nruns\nsqlite_sequence\n"));
}

void TestHistoryStorage::anOlderHistoryIsUpgraded_data()
{
    // What makes the file as that version of the practice history wrote it.
    const QString version3 = QStringLiteral("ALTER TABLE runs DROP COLUMN timing; "
                                            "ALTER TABLE runs DROP COLUMN light; ");
    QString older = version3;
    for (const char *column : {"merit", "keyed_wpm", "dash_ratio", "element_gap_ratio",
                               "letter_gap_ratio", "word_gap_ratio", "dot_spread", "dash_spread"})
        older += QStringLiteral("ALTER TABLE runs DROP COLUMN %1; ").arg(QLatin1String(column));
    QTest::addColumn<QString>("older");
    QTest::newRow("version 1") << older + QStringLiteral("ALTER TABLE runs DROP COLUMN repeats; "
                                                         "PRAGMA user_version = 1;");
    QTest::newRow("version 2") << older + QStringLiteral("PRAGMA user_version = 2;");
    QTest::newRow("version 3") << version3 + QStringLiteral("PRAGMA user_version = 3;");
}

void TestHistoryStorage::anOlderHistoryIsUpgraded()
{
    QFETCH(QString, older);
    RunRecord run = fullRun();
    RunRecord text = madeRun(QStringLiteral("E5"), QStringLiteral("E-"), 1, RunKind::Text);
    {
        PracticeHistory history(m_folder);
        run.id = *history.store(run);
        text.id = *history.store(text);
    }
    const QString path = m_folder + QStringLiteral("/history.sqlite");
    if (sqliteSays(path, older) != QString())
        QSKIP("no sqlite3 tool to write an older version's file");
    PracticeHistory history(m_folder);
    const auto runs = history.allRuns();
    QVERIFY2(runs, qPrintable(history.lastError()));
    QCOMPARE(runs->size(), std::size_t(2));
    // The runs are all there, none of them a keying, each on the program's own timing under
    // the clear light, as every run was before either could be chosen.
    run.timing = Timing::Own;
    run.light = LightConditions();
    compareRuns(runs->front(), text);
    compareRuns(runs->back(), run);
    const RunRecord keying = keyingRun(QStringLiteral("PARIS"), QStringLiteral("PARIS"), 93, 40);
    QCOMPARE(history.store(keying), std::optional<qint64>(3));
    QCOMPARE(history.takeProblem(), QString());
    QCOMPARE(sqliteSays(path, QStringLiteral("PRAGMA user_version;")), QStringLiteral("4\n"));
    QCOMPARE(history.allRuns()->back().keying, keying.keying);
}

void TestHistoryStorage::outcomesViewHasARowPerLetter()
{
    {
        PracticeHistory history(m_folder);
        QVERIFY(history.store(madeRun(QStringLiteral("PARIS"), QStringLiteral("P-RES"), 0)));
        QVERIFY(history.store(madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"), 1)));
        QVERIFY(history.store(madeRun(QString(), QString(), 2)));
    }
    QCOMPARE(sqliteSays(m_folder + QStringLiteral("/history.sqlite"),
                        QStringLiteral("SELECT run_id, started, position, sent, "
                                       "ifnull(read_as, 'NULL'), outcome FROM letter_outcomes "
                                       "ORDER BY run_id, position;")),
             QStringLiteral("1|2026-12-08T15:00:00.000Z|1|P|P|right\n"
                            "1|2026-12-08T15:00:00.000Z|2|A|NULL|missed\n"
                            "1|2026-12-08T15:00:00.000Z|3|R|R|right\n"
                            "1|2026-12-08T15:00:00.000Z|4|I|E|wrong\n"
                            "1|2026-12-08T15:00:00.000Z|5|S|S|right\n"
                            "2|2026-12-08T15:01:00.000Z|1|S|S|right\n"
                            "2|2026-12-08T15:01:00.000Z|2|O|O|right\n"
                            "2|2026-12-08T15:01:00.000Z|3|S|S|right\n"));
    QCOMPARE(sqliteSays(m_folder + QStringLiteral("/history.sqlite"),
                        QStringLiteral("SELECT sent, read_as, count(*) FROM letter_outcomes "
                                       "WHERE outcome = 'wrong' GROUP BY sent, read_as;")),
             QStringLiteral("I|E|1\n"));
}

void TestHistoryStorage::startTimeIsKeptInUtc()
{
    RunRecord run = madeRun(QStringLiteral("E"), QStringLiteral("E"));
    run.startedUtc = QDateTime(QDate(2026, 12, 8), QTime(1, 0, 0, 7), Qt::OffsetFromUTC, 7200);
    {
        PracticeHistory history(m_folder);
        QVERIFY(history.store(run));
        const auto runs = history.allRuns();
        QVERIFY(runs);
        QCOMPARE(runs->front().startedUtc,
                 QDateTime(QDate(2026, 12, 7), QTime(23, 0, 0, 7), Qt::UTC));
    }
    QCOMPARE(sqliteSays(m_folder + QStringLiteral("/history.sqlite"),
                        QStringLiteral("SELECT started FROM runs;")),
             QStringLiteral("2026-12-07T23:00:00.007Z\n"));
}

void TestHistoryStorage::countAndForget()
{
    PracticeHistory history(m_folder);
    for (int minute = 0; minute < 3; ++minute)
        QVERIFY(history.store(madeRun(QStringLiteral("SOS"), QStringLiteral("S-S"), minute)));
    QCOMPARE(history.runCount(), std::optional<int>(3));
    QVERIFY(history.forgetAll());
    QCOMPARE(history.runCount(), std::optional<int>(0));
    QVERIFY(history.allRuns()->empty());
    QVERIFY(QFile::exists(history.filePath()));
    QCOMPARE(sqliteSays(history.filePath(), QStringLiteral("SELECT count(*) FROM runs;")),
             QStringLiteral("0\n"));
    // The letters are gone from the file itself, not only from the table.
    QVERIFY(!contentsOf(history.filePath()).contains("S-S"));
    QVERIFY(!contentsOf(history.filePath() + QStringLiteral("-wal")).contains("S-S"));
    // Ids are not given twice.
    QCOMPARE(history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))),
             std::optional<qint64>(4));
    // A forgotten run checked again stays forgotten.
    RunRecord forgotten = madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"), 2);
    forgotten.id = 3;
    QCOMPARE(history.store(forgotten), std::nullopt);
    QCOMPARE(history.lastError(),
             QStringLiteral("This run is not kept: the practice history was forgotten after it."));
    PracticeHistory other(m_folder);
    QCOMPARE(other.runCount(), std::optional<int>(1));
}

void TestHistoryStorage::forgettingNothingCreatesNothing()
{
    PracticeHistory history(m_folder);
    QVERIFY(history.forgetAll());
    QCOMPARE(namesIn(m_dir->path()), QStringList());
}

void TestHistoryStorage::csvExportBytes()
{
    RunRecord run = madeRun(QStringLiteral("TWO"), QStringLiteral("TW-"));
    run.speed = QStringLiteral("5, \"fast\"");
    PracticeHistory history(m_folder);
    QVERIFY(history.store(run));
    const QString csv = m_dir->filePath(QStringLiteral("runs.csv"));
    QVERIFY2(history.exportCsv(csv), qPrintable(history.lastError()));
    QCOMPARE(contentsOf(csv),
             QByteArray("id,started,kind,lesson,speed,unit,minutes,elapsed_seconds,sent,copy,"
                        "right,wrong,missed,extra,accuracy,readings,repeats,merit,keyed_wpm,"
                        "dash_ratio,element_gap_ratio,letter_gap_ratio,word_gap_ratio,"
                        "dot_spread,dash_spread,timing,light\r\n"
                        "1,2026-12-08T15:00:00.000Z,atoz,0,\"5, \"\"fast\"\"\",92,3,180.5,TWO,"
                        "TW,2,0,1,0,66,TW-,0,,,,,,,,,own,\r\n"));
    // A folder that is not there is an error, not a crash.
    QVERIFY(!history.exportCsv(m_dir->filePath(QStringLiteral("nowhere/runs.csv"))));
    QVERIFY(history.lastError().contains(QStringLiteral("could not be exported")));
}

void TestHistoryStorage::runThatDoesNotAddUpIsRefused()
{
    PracticeHistory history(m_folder);
    RunRecord run = madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"));
    run.outcomes.pop_back();
    QVERIFY(!history.store(run));
    QCOMPARE(history.lastError(),
             QStringLiteral("This run could not be stored: the run has 2 letter outcomes for 3 "
                            "letters sent."));
    QCOMPARE(namesIn(m_dir->path()), QStringList());
}

void TestHistoryStorage::eachHistoryHasItsOwnConnection()
{
    const QStringList before = QSqlDatabase::connectionNames();
    {
        PracticeHistory first(m_folder);
        PracticeHistory second(m_folder);
        QCOMPARE(QSqlDatabase::connectionNames(), before); // nothing opened yet
        QVERIFY(first.store(fullRun()));
        QCOMPARE(second.runCount(), std::optional<int>(1));
        QCOMPARE(QSqlDatabase::connectionNames().size(), before.size() + 2);
    }
    QCOMPARE(QSqlDatabase::connectionNames(), before);
}

QTEST_GUILESS_MAIN(TestHistoryStorage)
#include "test_historystorage.moc"
