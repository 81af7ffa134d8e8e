// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/practicehistory.h"

#include "practice/historyschema.h"
#include "practice/keepaside.h"
#include "practice/runfields.h"
#include "practice/runscsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

namespace blinket {

namespace {

// SQLite's primary result codes, which Qt passes on as QSqlError::nativeErrorCode().
constexpr int sqlitePermission = 3;
constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;
constexpr int sqliteReadOnly = 8;
constexpr int sqliteIoError = 10;
constexpr int sqliteCorrupt = 11;
constexpr int sqliteFull = 13;
constexpr int sqliteCannotOpen = 14;
constexpr int sqliteNotADatabase = 26;

// Another copy of the program storing its run holds the file for a few milliseconds; waiting
// this long for it covers any real store, and a stuck one ends in a message, not a hang.
constexpr int busyMilliseconds = 5000;

std::atomic<int> connectionsMade{0};

int primaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : 0; // extended codes carry the primary one in their low byte
}

bool readable(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

// Whether this process may write a file or into a folder. The effective user is the one
// opening files; QFileInfo::isWritable asks for the real one, which differs in a program run
// set-user-id.
bool writable(const QString &path)
{
    return faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

// Runs one statement; the error is kept for the caller.
bool run(QSqlQuery &query, const QString &statement, QSqlError &error)
{
    if (query.exec(statement))
        return true;
    error = query.lastError();
    return false;
}

// Runs a statement that SQLite may refuse at once as busy, without waiting the busy timeout:
// switching the journal to a write-ahead log needs the file to itself, and two programs
// opening a new history together both hold it shared at that moment, so SQLite turns one
// away rather than let both wait for ever. Tries again, a few milliseconds apart, for as long
// as the busy timeout would have waited.
bool runTillNotBusy(QSqlQuery &query, const QString &statement, QSqlError &error)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(busyMilliseconds);
    while (!run(query, statement, error)) {
        if (primaryCode(error) != sqliteBusy || std::chrono::steady_clock::now() >= deadline)
            return false;
        // Gives up the shared hold, so that the other program can finish its switch; the
        // pause differs from try to try, so that two programs do not keep meeting.
        query.finish();
        std::this_thread::sleep_for(
            std::chrono::milliseconds(QRandomGenerator::global()->bounded(1, 20)));
    }
    return true;
}

// A text that binds as '' rather than NULL.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// A keying's figures in the order of their columns, merit first; NULL each for any other run.
QVariantList keyingValues(const std::optional<KeyingFigures> &keying)
{
    if (!keying)
        return QVariantList(8, QVariant());
    return {keying->merit,           keying->wordsPerMinute, keying->dashRatio,
            keying->elementGapRatio, keying->letterGapRatio, keying->wordGapRatio,
            keying->dotSpread,       keying->dashSpread};
}

// The figures in the columns of a row from `first` on; nothing when the merit is NULL, as it
// is for every run but a keying.
std::optional<KeyingFigures> keyingFrom(const QSqlQuery &query, int first)
{
    if (query.isNull(first))
        return std::nullopt;
    const auto at = [&query, first](int offset) { return query.value(first + offset).toDouble(); };
    return KeyingFigures{
        query.value(first).toInt(), at(1), at(2), at(3), at(4), at(5), at(6), at(7)};
}

} // namespace

PracticeHistory::PracticeHistory(const QString &folder)
    : m_folder(folder), m_path(QDir(folder).filePath(QStringLiteral("history.sqlite"))),
      m_connectionName(QStringLiteral("blinket-history-%1").arg(++connectionsMade))
{}

PracticeHistory::~PracticeHistory()
{
    close();
}

std::optional<qint64> PracticeHistory::store(const RunRecord &run)
{
    if (const QString problem = recordProblem(run); !problem.isEmpty()) {
        m_lastError = tr("This run could not be stored: %1.").arg(problem);
        return std::nullopt;
    }
    // Every store starts from the beginning, opening and checking the file again: a
    // connection made while the file could not be written (one SQLite opened read-only, say)
    // would otherwise fail every run after the file is mended. Opening costs a few
    // milliseconds, and a run is stored once every few minutes.
    close();
    const QString notStored = tr("This run could not be stored");
    // A file found damaged only now is kept aside, and the run goes into a fresh history.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!open(Need::Write, notStored))
            break;
        QSqlError error;
        bool forgotten = false;
        if (const std::optional<qint64> id = insert(run, error, forgotten)) {
            m_lastError.clear();
            return id;
        }
        if (forgotten) {
            m_lastError = tr("This run is not kept: the practice history was forgotten after it.");
            return std::nullopt;
        }
        if (attempt > 0 || stateAfter(error) != FileState::Unreadable) {
            fail(notStored, error);
            break;
        }
        if (!setAside(FileState::Unreadable))
            break;
    }
    m_lastError += u' ' + tr("The practice history is as it was.");
    return std::nullopt;
}

std::optional<qint64> PracticeHistory::insert(const RunRecord &record, QSqlError &error,
                                              bool &forgotten)
{
    QSqlQuery begin(m_database);
    // Taking the write lock at the start lets the busy timeout wait for another writer; a
    // deferred transaction that later needs it would fail at once instead.
    if (!run(begin, QStringLiteral("BEGIN IMMEDIATE"), error))
        return std::nullopt;
    QSqlQuery insert(m_database);
    // A run checked again keeps its id and takes the place of what was stored for it, if it
    // is still there: one forgotten since stays forgotten.
    const bool again = record.id > 0;
    insert.prepare(
        again ? QStringLiteral("UPDATE runs SET started = ?, kind = ?, lesson = ?, speed = ?, "
                               "unit = ?, minutes = ?, elapsed_seconds = ?, sent = ?, copy = ?, "
                               "right_count = ?, wrong_count = ?, missed_count = ?, "
                               "extra_count = ?, readings = ?, repeats = ?, merit = ?, "
                               "keyed_wpm = ?, dash_ratio = ?, element_gap_ratio = ?, "
                               "letter_gap_ratio = ?, word_gap_ratio = ?, dot_spread = ?, "
                               "dash_spread = ?, timing = ?, light = ? WHERE id = ?")
              : QStringLiteral("INSERT INTO runs (started, kind, lesson, speed, unit, minutes, "
                               "elapsed_seconds, sent, copy, right_count, wrong_count, "
                               "missed_count, extra_count, readings, repeats, merit, keyed_wpm, "
                               "dash_ratio, element_gap_ratio, letter_gap_ratio, "
                               "word_gap_ratio, dot_spread, dash_spread, timing, light) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    insert.addBindValue(startedText(record.startedUtc));
    insert.addBindValue(kindWord(record.kind));
    insert.addBindValue(record.lesson);
    insert.addBindValue(notNull(record.speed));
    insert.addBindValue(int(record.unit));
    insert.addBindValue(notNull(record.minutes));
    insert.addBindValue(record.elapsedSeconds);
    insert.addBindValue(notNull(record.sent));
    insert.addBindValue(notNull(record.copy));
    insert.addBindValue(record.right);
    insert.addBindValue(record.wrong);
    insert.addBindValue(record.missed);
    insert.addBindValue(record.extra);
    insert.addBindValue(readingsText(record.outcomes));
    insert.addBindValue(record.repeats);
    for (const QVariant &figure : keyingValues(record.keying))
        insert.addBindValue(figure);
    insert.addBindValue(timingWord(record.timing));
    insert.addBindValue(notNull(lightText(record.light)));
    if (again)
        insert.addBindValue(record.id);
    QSqlQuery end(m_database);
    if (!insert.exec()) {
        error = insert.lastError();
    } else if (again && insert.numRowsAffected() == 0) {
        forgotten = true;
    } else {
        const qint64 id = again ? record.id : insert.lastInsertId().toLongLong();
        insert.finish();
        if (run(end, QStringLiteral("COMMIT"), error))
            return id;
    }
    // Undoes whatever part of the run was written; after some failures SQLite has already
    // done so, and this one fails harmlessly.
    end.exec(QStringLiteral("ROLLBACK"));
    return std::nullopt;
}

std::optional<std::vector<RunRecord>> PracticeHistory::allRuns()
{
    const QString notRead = tr("The practice history could not be read");
    if (!open(Need::Read, notRead))
        return std::nullopt;
    std::vector<RunRecord> runs;
    if (!m_database.isOpen()) {
        m_lastError.clear();
        return runs;
    }
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    QSqlError error;
    if (run(query,
            QStringLiteral("SELECT id, started, kind, lesson, speed, unit, minutes, "
                           "elapsed_seconds, sent, copy, right_count, wrong_count, "
                           "missed_count, extra_count, readings, repeats, merit, keyed_wpm, "
                           "dash_ratio, element_gap_ratio, letter_gap_ratio, word_gap_ratio, "
                           "dot_spread, dash_spread, timing, light FROM runs "
                           "ORDER BY started, id"),
            error)) {
        while (query.next()) {
            RunRecord record;
            record.id = query.value(0).toLongLong();
            record.startedUtc = startedFromText(query.value(1).toString());
            const std::optional<RunKind> kind = kindFromWord(query.value(2).toString());
            record.lesson = query.value(3).toInt();
            record.speed = query.value(4).toString();
            record.unit = qint16(query.value(5).toInt());
            record.minutes = query.value(6).toString();
            record.elapsedSeconds = query.value(7).toDouble();
            record.sent = query.value(8).toString();
            record.copy = query.value(9).toString();
            record.right = query.value(10).toInt();
            record.wrong = query.value(11).toInt();
            record.missed = query.value(12).toInt();
            record.extra = query.value(13).toInt();
            record.repeats = query.value(15).toInt();
            record.keying = keyingFrom(query, 16);
            std::optional<std::vector<LetterOutcome>> outcomes =
                outcomesFromReadings(record.sent, query.value(14).toString());
            const std::optional<Timing> timing = timingFromWord(query.value(24).toString());
            const std::optional<LightConditions> light = lightFromText(query.value(25).toString());
            // A row edited by hand into something that is not a run is passed over.
            if (!kind || !outcomes || !timing || !light || !record.startedUtc.isValid())
                continue;
            record.kind = *kind;
            record.timing = *timing;
            record.light = *light;
            record.outcomes = std::move(*outcomes);
            runs.push_back(std::move(record));
        }
        if (!query.lastError().isValid()) {
            m_lastError.clear();
            return runs;
        }
        error = query.lastError();
    }
    if (recover(error))
        return std::vector<RunRecord>();
    fail(notRead, error);
    return std::nullopt;
}

std::optional<int> PracticeHistory::runCount()
{
    const QString notRead = tr("The practice history could not be read");
    if (!open(Need::Read, notRead))
        return std::nullopt;
    if (!m_database.isOpen()) {
        m_lastError.clear();
        return 0;
    }
    QSqlQuery query(m_database);
    QSqlError error;
    if (run(query, QStringLiteral("SELECT count(*) FROM runs"), error) && query.next()) {
        m_lastError.clear();
        return query.value(0).toInt();
    }
    if (!error.isValid())
        error = query.lastError();
    if (recover(error))
        return 0;
    fail(notRead, error);
    return std::nullopt;
}

bool PracticeHistory::exportCsv(const QString &csvPath)
{
    const std::optional<std::vector<RunRecord>> runs = allRuns();
    if (!runs)
        return false;
    const QByteArray bytes = runsAsCsv(*runs);
    QSaveFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_lastError = tr("The practice history could not be exported to %1: %2.")
                          .arg(QDir::toNativeSeparators(csvPath), file.errorString());
        return false;
    }
    m_lastError.clear();
    return true;
}

bool PracticeHistory::forgetAll()
{
    const QString notCleared = tr("The practice history could not be cleared");
    if (!open(Need::Read, notCleared))
        return false;
    if (!m_database.isOpen()) {
        m_lastError.clear();
        return true;
    }
    QSqlQuery query(m_database);
    QSqlError error;
    if (run(query, QStringLiteral("BEGIN IMMEDIATE"), error)) {
        if (run(query, QStringLiteral("DELETE FROM runs"), error) &&
            run(query, QStringLiteral("COMMIT"), error)) {
            // The deleted pages were overwritten (secure_delete); the copies still in the
            // write-ahead log go too. Another program reading just now may keep some there
            // until its next store, which is no reason to fail.
            query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            m_lastError.clear();
            return true;
        }
        query.exec(QStringLiteral("ROLLBACK"));
    }
    fail(notCleared, error);
    return false;
}

QString PracticeHistory::takeProblem()
{
    return std::exchange(m_problem, QString());
}

bool PracticeHistory::open(Need need, const QString &what)
{
    if (m_database.isOpen())
        return true;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!QFileInfo::exists(m_path)) {
            // Nothing is created for a learner who only looks.
            if (need == Need::Read)
                return true;
            if (!QDir().mkpath(m_folder)) {
                m_lastError = tr("%1: the folder %2 could not be created.")
                                  .arg(what, QDir::toNativeSeparators(m_folder));
                return false;
            }
        }
        mendCompanions();
        QSqlError error;
        const FileState state = openConnection(error);
        if (state == FileState::Usable)
            return true;
        close();
        if (state == FileState::Failed) {
            fail(what, error);
            return false;
        }
        if (!setAside(state))
            return false;
    }
    m_lastError = tr("%1: a new practice history could not be started.").arg(what);
    return false;
}

PracticeHistory::FileState PracticeHistory::openConnection(QSqlError &error)
{
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_database.setDatabaseName(m_path);
    m_database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMilliseconds));
    if (!m_database.open()) {
        error = m_database.lastError();
        return stateAfter(error);
    }
    QSqlQuery query(m_database);
    // Only reading until the file is known to be ours: one that is kept aside keeps its bytes.
    // One statement reads both, so that another program creating the tables meanwhile is seen
    // either not at all or whole.
    if (!run(query,
             QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version), "
                            "(SELECT count(*) FROM sqlite_master)"),
             error) ||
        !query.next())
        return stateAfter(error.isValid() ? error : query.lastError());
    const int version = query.value(0).toInt();
    const int objects = query.value(1).toInt();
    query.finish();
    if (version > latestSchemaVersion())
        return FileState::Newer;
    // Version 0 is an empty file; a database with anything in it is someone else's.
    if (version == 0 && objects > 0)
        return FileState::Unreadable;
    if (version > 0) {
        // SQLite notices a damaged page only when it reads that page, and adding a run reads
        // few; checking the whole file once per opening (about 10 ms at 10,000 runs) keeps
        // runs from being added to a damaged file.
        if (!run(query, QStringLiteral("PRAGMA quick_check"), error) || !query.next())
            return stateAfter(error.isValid() ? error : query.lastError());
        if (query.value(0).toString() != u"ok")
            return FileState::Unreadable;
    }
    query.finish();

    // A write-ahead log lets the statistics be read while another window stores a run, and
    // makes each store one append. FULL syncs the log at every commit: a run is stored once
    // every few minutes at most, and one that the learner saw scored must survive a power
    // cut straight after; NORMAL could lose the last runs then.
    const QStringList settings = {QStringLiteral("PRAGMA journal_mode = WAL"),
                                  QStringLiteral("PRAGMA synchronous = FULL"),
                                  QStringLiteral("PRAGMA secure_delete = ON")};
    for (const QString &setting : settings) {
        if (!runTillNotBusy(query, setting, error))
            return stateAfter(error);
        query.finish();
    }
    if (version < latestSchemaVersion())
        return upgrade(error);
    return FileState::Usable;
}

PracticeHistory::FileState PracticeHistory::upgrade(QSqlError &error)
{
    QSqlQuery query(m_database);
    if (!run(query, QStringLiteral("BEGIN IMMEDIATE"), error))
        return stateAfter(error);
    // Another program may have upgraded the file while this one waited for the lock.
    if (run(query, QStringLiteral("PRAGMA user_version"), error) && query.next()) {
        const int version = query.value(0).toInt();
        query.finish();
        if (version >= latestSchemaVersion()) {
            if (run(query, QStringLiteral("COMMIT"), error))
                return FileState::Usable;
        } else {
            error = upgradeSchema(m_database, version);
            if (!error.isValid() && run(query, QStringLiteral("COMMIT"), error))
                return FileState::Usable;
        }
    } else if (!error.isValid()) {
        error = query.lastError();
    }
    query.exec(QStringLiteral("ROLLBACK"));
    return stateAfter(error);
}

void PracticeHistory::mendCompanions() const
{
    // A connection made while the history could not be written leaves its write-ahead log and
    // shared-memory files behind as read-only as the history was; once the history may be
    // written again they must follow it, or no run could ever be stored in it again.
    if (!writable(m_path))
        return;
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString companion = m_path + suffix;
        if (QFileInfo::exists(companion) && !writable(companion))
            QFile::setPermissions(companion, QFile::permissions(m_path));
    }
}

PracticeHistory::FileState PracticeHistory::stateAfter(const QSqlError &error) const
{
    switch (primaryCode(error)) {
    case sqliteCorrupt:
    case sqliteNotADatabase:
        return FileState::Unreadable;
    case sqliteCannotOpen:
        // A file we may not even read is unusable; one we can read stands in a folder where
        // SQLite cannot make its companions, and is left alone.
        return QFileInfo::exists(m_path) && !readable(m_path) ? FileState::Unreadable
                                                              : FileState::Failed;
    default:
        return FileState::Failed;
    }
}

void PracticeHistory::close()
{
    if (!m_database.isValid())
        return;
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool PracticeHistory::recover(const QSqlError &error)
{
    if (stateAfter(error) != FileState::Unreadable)
        return false;
    return setAside(FileState::Unreadable);
}

bool PracticeHistory::setAside(FileState why)
{
    close();
    const bool newer = why == FileState::Newer;
    const QString kept =
        keepAside(m_path, newer ? QStringLiteral("newer") : QStringLiteral("unreadable"),
                  QDateTime::currentDateTime());
    if (kept.isEmpty()) {
        m_lastError =
            tr("The practice history %1 cannot be read, and it could not be moved aside to start "
               "a new one.")
                .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    const QString told =
        newer ? tr("Your practice history was written by a newer version of Blinket that this "
                   "one cannot read, so a new history was started. The old file was kept as %1.")
              : tr("Your practice history could not be read, so a new history was started. The "
                   "old file was kept as %1.");
    if (!m_problem.isEmpty())
        m_problem += u'\n';
    m_problem += told.arg(QDir::toNativeSeparators(kept));
    return true;
}

void PracticeHistory::fail(const QString &what, const QSqlError &error)
{
    QString why;
    switch (primaryCode(error)) {
    case sqliteFull:
        why = tr("the disk is full");
        break;
    case sqlitePermission:
    case sqliteReadOnly:
    case sqliteCannotOpen:
        why =
            writable(m_folder)
                ? tr("the file %1 cannot be written to").arg(QDir::toNativeSeparators(m_path))
                : tr("the folder %1 cannot be written to").arg(QDir::toNativeSeparators(m_folder));
        break;
    case sqliteBusy:
    case sqliteLocked:
        why = tr("another copy of Blinket kept the history busy for too long");
        break;
    case sqliteIoError:
        why = tr("the disk could not be read or written (%1)").arg(error.databaseText());
        break;
    default:
        why = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        break;
    }
    m_lastError = tr("%1: %2.").arg(what, why);
}

} // namespace blinket
