// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <vector>

class QSqlError;

namespace blinket {

// The learner's practice history: every scored run, kept in one SQLite file, history.sqlite,
// in a folder the caller names. Nothing is created on disk until the first run is stored.
// The file is looked at by the first operation that needs it. One that cannot be read, or
// one from a newer version of the program, is then kept aside under a new name and a fresh
// history is started; takeProblem() says so, once. Every operation reports failure in its
// result and in lastError(); none throws.
//
// Each object has a database connection of its own, used from the thread that first uses
// the history; several objects (in one program or several) may share the file.
class PracticeHistory
{
    Q_DECLARE_TR_FUNCTIONS(PracticeHistory)

public:
    explicit PracticeHistory(const QString &folder);
    ~PracticeHistory();
    PracticeHistory(const PracticeHistory &) = delete;
    PracticeHistory &operator=(const PracticeHistory &) = delete;

    // The path of history.sqlite in the folder.
    QString filePath() const { return m_path; }

    // Stores a run in one transaction and returns its id; nothing when it could not be
    // stored, and then the history is as it was. A run with an id (one stored before, whose
    // copy was checked again) replaces what was stored under that id; when the history was
    // forgotten since, it is not stored again.
    std::optional<qint64> store(const RunRecord &run);
    // Every run, in the order they started (oldest first); empty before the first store.
    std::optional<std::vector<RunRecord>> allRuns();
    std::optional<int> runCount();
    // Writes every run to a CSV file (see runsAsCsv).
    bool exportCsv(const QString &csvPath);
    // Deletes every run in one transaction, overwriting their letters; the file stays.
    bool forgetAll();

    // What the learner should be told about a history file that had to be kept aside,
    // naming where it was kept; empty when there is nothing to tell. Each problem is told
    // only once: the text is cleared when taken.
    QString takeProblem();
    // What went wrong in the last operation that failed, for the learner; empty after one
    // that succeeded.
    QString lastError() const { return m_lastError; }

private:
    enum class Need { Read, Write };
    enum class FileState { Usable, Unreadable, Newer, Failed };

    bool open(Need need, const QString &what);
    FileState openConnection(QSqlError &error);
    FileState upgrade(QSqlError &error);
    void mendCompanions() const;
    FileState stateAfter(const QSqlError &error) const;
    // forgotten: the run had an id, and no run is stored under it any more.
    std::optional<qint64> insert(const RunRecord &record, QSqlError &error, bool &forgotten);
    bool recover(const QSqlError &error);
    bool setAside(FileState why);
    void fail(const QString &what, const QSqlError &error);
    void close();

    QString m_folder;
    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_database;
    QString m_problem;
    QString m_lastError;
};

} // namespace blinket
