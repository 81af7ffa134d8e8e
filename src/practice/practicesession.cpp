// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/practicesession.h"

#include "runs/keyreading.h"

#include "practice/copytext.h"
#include "signal/characters.h"

#include <QDateTime>

namespace blinket {

namespace {

// The counts and letter outcomes of a scoring, into the run it scored.
void takeScore(RunRecord &run, const CopyScore &score)
{
    run.right = score.right;
    run.wrong = score.wrong;
    run.missed = score.missed;
    run.extra = score.extra;
    run.outcomes.clear();
    // A Hebrew final form is read as its letter: the letter's accuracy counts it right.
    for (const AlignedLetter &place : score.aligned) {
        if (place.mark != Mark::Extra)
            run.outcomes.push_back({place.sent, withoutFinalForm(place.typed)});
    }
}

} // namespace

PracticeSession::PracticeSession(const QString &historyFolder, QObject *parent)
    : QObject(parent), m_history(historyFolder)
{
    m_storeTimer.setSingleShot(true);
    m_storeTimer.setInterval(storeDelayMs);
    connect(&m_storeTimer, &QTimer::timeout, this, &PracticeSession::store);
}

PracticeSession::~PracticeSession()
{
    // A learner who corrects the copy and closes the program at once loses nothing.
    if (m_storeTimer.isActive())
        store();
}

void PracticeSession::beginRun(const RunRecord &run, const QString &runCharacters)
{
    m_runBeingSent = run;
    m_runBeingSent.startedUtc = QDateTime::currentDateTimeUtc();
    m_runBeingSentCharacters = runCharacters;
    m_typed.clear();
    m_collecting = true;
}

void PracticeSession::type(const QString &text)
{
    if (!m_collecting || text.size() != 1)
        return;
    const QChar counted = copyCharacter(text.front(), m_runBeingSentCharacters);
    if (!counted.isNull())
        m_typed.append(counted);
}

void PracticeSession::takeBack()
{
    if (m_collecting)
        m_typed.chop(1);
}

void PracticeSession::endRun(RunRecord finished, const QString &sent)
{
    if (!m_collecting)
        return;
    m_collecting = false;
    // The check of the run before is over: whatever it still waited to store goes now.
    if (m_storeTimer.isActive())
        store();
    finished.kind = m_runBeingSent.kind;
    finished.lesson = m_runBeingSent.lesson;
    finished.startedUtc = m_runBeingSent.startedUtc;
    finished.timing = m_runBeingSent.timing;
    finished.light = m_runBeingSent.light;
    finished.id = 0;
    m_lastRun = finished;
    m_lastRunCharacters = m_runBeingSentCharacters;
    m_sentText = sent;
    // Typed beyond what could belong to the run: not taken, and said so.
    m_copy = copyCharacters(m_typed, m_lastRunCharacters,
                            blinket::copyLimit(copyCharacters(sent, m_lastRunCharacters).size()),
                            &m_leftOut);
    rescore();
    // A key that stands for two characters becomes the one it was read as.
    if (m_copy.contains(qOrSlash) || m_copy.contains(wOrApostrophe) ||
        m_copy.contains(tavOrComma)) {
        QString read;
        for (const AlignedLetter &place : m_score.aligned) {
            if (place.mark != Mark::Missed)
                read += place.typed;
        }
        m_copy = read;
    }
    if (!m_score.copyTyped())
        return;
    emit runEnded();
    store();
}

void PracticeSession::abandonRun()
{
    m_collecting = false;
}

int PracticeSession::copyLimit() const
{
    return blinket::copyLimit(m_score.sent);
}

void PracticeSession::setCopy(const QString &copy)
{
    if (!m_lastRun || copy == m_copy)
        return;
    m_copy = copy;
    rescore();
    m_storeTimer.start();
}

void PracticeSession::storeNow()
{
    store();
}

QString PracticeSession::forgetHistory()
{
    // A scoring still waiting is part of the history being forgotten.
    if (m_storeTimer.isActive())
        store();
    const QString failure = m_history.forgetAll() ? QString() : m_history.lastError();
    emit historyChanged();
    return failure;
}

void PracticeSession::rescore()
{
    m_score = scoreCopy(m_sentText, m_copy, m_lastRunCharacters);
    emit scored();
}

void PracticeSession::store()
{
    m_storeTimer.stop();
    // Only a run the learner typed a copy of is kept: one who never types finds nothing on
    // disk.
    if (!m_lastRun || !m_score.copyTyped())
        return;
    RunRecord &run = *m_lastRun;
    run.sent = copyCharacters(m_sentText, m_lastRunCharacters);
    run.copy = copyCharacters(m_copy, m_lastRunCharacters, copyLimit());
    takeScore(run, m_score);
    QString status;
    const std::optional<qint64> id = keep(run, status);
    if (id)
        run.id = *id;
    emit storeStatus(status);
    if (id)
        emit historyChanged();
}

QString PracticeSession::keepKeying(RunRecord keying, const QString &asked, const QString &read,
                                    const KeyingFigures &figures)
{
    // Whatever the program read counts, as the grade window counts it.
    const QString characters = keyedCharacters(asked);
    const CopyScore score = scoreCopy(asked, read, characters);
    if (!score.copyTyped())
        return QString();
    keying.id = 0;
    keying.kind = RunKind::Keying;
    keying.lesson = 0;
    keying.repeats = 0;
    keying.sent = copyCharacters(asked, characters);
    keying.copy = copyCharacters(read, characters, blinket::copyLimit(score.sent));
    takeScore(keying, score);
    keying.keying = figures;
    QString status;
    if (keep(keying, status))
        emit historyChanged();
    return status;
}

std::optional<qint64> PracticeSession::keep(const RunRecord &run, QString &status)
{
    const std::optional<qint64> id = m_history.store(run);
    QStringList told;
    if (const QString problem = m_history.takeProblem(); !problem.isEmpty())
        told << problem;
    told << (id ? tr("Kept in your practice history.") : m_history.lastError());
    status = told.join(u' ');
    return id;
}

} // namespace blinket
