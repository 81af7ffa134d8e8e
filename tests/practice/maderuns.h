// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace blinket {

// A run made by hand: the letters sent and, for each, the letter read or '-' for missed.
// It started at the given minute after 15:00 UTC on 8 December 2026.
inline RunRecord madeRun(const QString &sent, const QString &read, int minute = 0,
                         RunKind kind = RunKind::AtoZ, int lesson = 0)
{
    RunRecord run;
    run.startedUtc = QDateTime(QDate(2026, 12, 8), QTime(15, 0), Qt::UTC).addSecs(60 * minute);
    run.kind = kind;
    run.lesson = lesson;
    run.speed = QStringLiteral("13");
    run.unit = 92;
    run.minutes = QStringLiteral("3");
    run.elapsedSeconds = 180.5;
    run.sent = sent;
    for (qsizetype i = 0; i < sent.size(); ++i) {
        const QChar reading = read[i];
        if (reading == u'-') {
            run.outcomes.push_back({sent[i], QChar()});
            ++run.missed;
            continue;
        }
        run.outcomes.push_back({sent[i], reading});
        run.copy += reading;
        if (reading == sent[i])
            ++run.right;
        else
            ++run.wrong;
    }
    return run;
}

// A lesson run of `of` letters E with `right` of them read right and the rest read as T.
inline RunRecord lessonRun(int lesson, int right, int of, int minute = 0)
{
    return madeRun(QString(of, u'E'), QString(right, u'E') + QString(of - right, u'T'), minute,
                   RunKind::Lesson, lesson);
}

// A keying of `sent` that the program read as `read` (a mark each, as madeRun's), keyed with
// the given merit and otherwise the figures of a steady hand at 18 words a minute.
inline RunRecord keyingRun(const QString &sent, const QString &read, int merit, int minute = 0)
{
    RunRecord run = madeRun(sent, read, minute, RunKind::Keying);
    run.keying = KeyingFigures{merit, 18.04, 3.1, 1.05, 2.9, 7.4, 0.12, 0.08};
    return run;
}

// The runs as given, started one minute apart in that order.
inline std::vector<RunRecord> oneMinuteApart(std::vector<RunRecord> runs)
{
    for (std::size_t i = 0; i < runs.size(); ++i) {
        runs[i].startedUtc =
            QDateTime(QDate(2026, 12, 8), QTime(15, 0), Qt::UTC).addSecs(60 * qint64(i));
        runs[i].id = qint64(i) + 1;
    }
    return runs;
}

} // namespace blinket
