// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/historyschema.h"

#include <QSqlError>
#include <QSqlQuery>

#include <array>
#include <span>

namespace blinket {

namespace {

// An empty file becomes version 1: one row per run, each run's letter outcomes as a text of
// the letters read (see readingsText), and a view with one row per outcome for anyone who
// queries the file with the sqlite3 tool.
const std::array version1 = {
    QStringLiteral(R"(CREATE TABLE runs (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    started TEXT NOT NULL,        -- UTC, ISO 8601 with milliseconds
    kind TEXT NOT NULL,           -- 'atoz', 'lesson' or 'weak'
    lesson INTEGER NOT NULL,      -- 1 to 12 for a lesson run, else 0
    speed TEXT NOT NULL,          -- as typed
    unit INTEGER NOT NULL,        -- milliseconds per time unit
    minutes TEXT NOT NULL,        -- as typed
    elapsed_seconds REAL NOT NULL,
    sent TEXT NOT NULL,           -- the letters sent
    copy TEXT NOT NULL,           -- the letters typed
    right_count INTEGER NOT NULL,
    wrong_count INTEGER NOT NULL,
    missed_count INTEGER NOT NULL,
    extra_count INTEGER NOT NULL,
    readings TEXT NOT NULL        -- per sent letter: the letter read, or '-' when missed
        CHECK (length(readings) = length(sent))
))"),
    QStringLiteral("CREATE INDEX runs_in_time_order ON runs (started, id)"),
    QStringLiteral(R"(CREATE VIEW letter_outcomes AS
WITH RECURSIVE positions(position) AS (
    SELECT 1
    UNION ALL
    SELECT position + 1 FROM positions
    WHERE position < (SELECT max(length(sent)) FROM runs)
)
SELECT runs.id AS run_id,
       runs.started AS started,
       positions.position AS position,
       substr(runs.sent, positions.position, 1) AS sent,
       nullif(substr(runs.readings, positions.position, 1), '-') AS read_as,
       CASE substr(runs.readings, positions.position, 1)
           WHEN substr(runs.sent, positions.position, 1) THEN 'right'
           WHEN '-' THEN 'missed'
           ELSE 'wrong'
       END AS outcome
FROM runs JOIN positions ON positions.position <= length(runs.sent))"),
};

// A Hebrew lesson is kept as a lesson, numbered 101 to 108 (hebrewLessonOffset): it needs no
// step of its own, and a file written before it reads as it did.

// Version 2: text runs and message drills ('text', 'drill' and 'exam' runs, their sent
// characters beyond A to Z), and how often a drill's learner asked for a group again.
const std::array version2 = {
    QStringLiteral("ALTER TABLE runs ADD COLUMN repeats INTEGER NOT NULL DEFAULT 0"),
};

// Version 3: keyings ('keying' runs: what was asked in sent, what the program read in copy)
// and how each was formed, NULL for every other run. The lengths are over the learner's dot.
const std::array version3 = {
    QStringLiteral("ALTER TABLE runs ADD COLUMN merit INTEGER"), // 0 to 100
    QStringLiteral("ALTER TABLE runs ADD COLUMN keyed_wpm REAL"),
    QStringLiteral("ALTER TABLE runs ADD COLUMN dash_ratio REAL"),
    QStringLiteral("ALTER TABLE runs ADD COLUMN element_gap_ratio REAL"),
    QStringLiteral("ALTER TABLE runs ADD COLUMN letter_gap_ratio REAL"),
    QStringLiteral("ALTER TABLE runs ADD COLUMN word_gap_ratio REAL"),
    QStringLiteral("ALTER TABLE runs ADD COLUMN dot_spread REAL"), // deviation over mean
    QStringLiteral("ALTER TABLE runs ADD COLUMN dash_spread REAL"),
};

// Version 4: how each run timed its signs ('own' or 'international') and how the lamp was seen
// (lightText: '' for the plain lamp). A run kept before either was chosen had neither.
const std::array version4 = {
    QStringLiteral("ALTER TABLE runs ADD COLUMN timing TEXT NOT NULL DEFAULT 'own'"),
    QStringLiteral("ALTER TABLE runs ADD COLUMN light TEXT NOT NULL DEFAULT ''"),
};

// Each version's statements, in order: steps[0] makes version 1 of an empty file, and the
// next version is one more entry.
const std::array steps = {std::span<const QString>(version1), std::span<const QString>(version2),
                          std::span<const QString>(version3), std::span<const QString>(version4)};

} // namespace

int latestSchemaVersion()
{
    return int(steps.size());
}

QSqlError upgradeSchema(QSqlDatabase &database, int fromVersion)
{
    QSqlQuery query(database);
    for (int version = fromVersion; version < latestSchemaVersion(); ++version) {
        for (const QString &statement : steps[std::size_t(version)]) {
            if (!query.exec(statement))
                return query.lastError();
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(latestSchemaVersion())))
        return query.lastError();
    return QSqlError();
}

} // namespace blinket
