// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/copyscore.h"
#include "practice/practicehistory.h"
#include "practice/runrecord.h"
#include "runs/keyingfigures.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <vector>

namespace blinket {

// What the learner read: the copy typed while a run sends, the last run with its copy and
// score, and the practice history they are kept in. One session stands between that and the
// windows: the main window starts and ends collecting, the Copy check window edits the copy,
// and every window follows the signals.
class PracticeSession : public QObject
{
    Q_OBJECT
public:
    // How long after the learner's last change to a copy its scoring is stored.
    static constexpr int storeDelayMs = 500;

    // The practice history lives in folder; nothing is read or written there before it is
    // needed.
    explicit PracticeSession(const QString &historyFolder, QObject *parent = nullptr);
    // Stores a scoring that was still waiting for its moment.
    ~PracticeSession() override;

    // A run that sends characters to read has begun: its kind, lesson, timing and light, and
    // characters (what it draws from besides A to Z; a key that stands for one of those counts
    // in the copy). The copy collected from now on is empty.
    void beginRun(const RunRecord &run, const QString &runCharacters);
    bool collecting() const { return m_collecting; }
    // A key typed while the run sends: its text goes into the copy when it stands for a
    // character of the run.
    void type(const QString &text);
    // Backspace: the last character of the copy taken back.
    void takeBack();
    // The run sent `sent` (its groups or words as the results box shows them) and is over. It
    // becomes the last run; a copy typed during it is scored at once and stored, and runEnded
    // says so.
    void endRun(RunRecord finished, const QString &sent);
    // An error or the end of the program cut the run short: nothing of it is kept.
    void abandonRun();

    // The last run that sent characters, and what the learner made of it.
    bool hasLastRun() const { return m_lastRun.has_value(); }
    const RunRecord &lastRun() const { return *m_lastRun; }
    // What the run sent, as the results box showed it.
    const QString &sentText() const { return m_sentText; }
    // What the run draws from besides the letters A to Z.
    const QString &runCharacters() const { return m_lastRunCharacters; }
    // The copy as the learner last left it, typed during the run or edited since.
    const QString &copy() const { return m_copy; }
    // The most characters the last run's copy may hold (copyLimit of the characters sent).
    int copyLimit() const;
    // How many characters typed during the last run were past that limit and not taken.
    int leftOut() const { return m_leftOut; }
    const CopyScore &score() const { return m_score; }

    // The learner changed the copy (in the Copy check window): it is scored again at once and
    // stored a moment after the last change, in place of what was kept for the run before.
    void setCopy(const QString &copy);
    // Stores the latest scoring now, as Check asks.
    void storeNow();

    // Keeps a keying the learner finished. keying holds its start, speed text, unit, minutes
    // and elapsed seconds; asked is what the learner was asked to send (words apart by spaces,
    // as a text run's are), read what the program read of the keying, scored against asked as
    // a copy is against what was sent. It is stored at once, and historyChanged follows; the
    // run being sent and the last run are left as they are. Nothing is kept when nothing was
    // read. Returns what the learner should be told of its keeping; empty when nothing was.
    QString keepKeying(RunRecord keying, const QString &asked, const QString &read,
                       const KeyingFigures &figures);

    // The practice history, for the windows that show it.
    PracticeHistory &history() { return m_history; }
    // Forgets every run kept; the last run is not kept again when its copy is checked later.
    // Empty when every run was forgotten, else what went wrong, for the learner: taken before
    // historyChanged, since a window reading the history again clears its lastError().
    QString forgetHistory();

signals:
    // A run ended with a copy typed during it: the Copy check window shows it.
    void runEnded();
    // The last run's copy was scored (again): score() and copy() say how.
    void scored();
    // What became of the last run in the practice history, for the learner.
    void storeStatus(const QString &text);
    // A run was stored or the history forgotten: what shows the history reads it again.
    void historyChanged();

private:
    void rescore();
    void store();
    // Stores a scored run, returning its id when it was kept; status says what the learner
    // should be told of it.
    std::optional<qint64> keep(const RunRecord &run, QString &status);

    PracticeHistory m_history;
    // The run being sent, while keys are collected for it.
    bool m_collecting = false;
    RunRecord m_runBeingSent;
    QString m_runBeingSentCharacters;
    QString m_typed;
    // The last run that sent characters.
    std::optional<RunRecord> m_lastRun;
    QString m_lastRunCharacters;
    QString m_sentText;
    QString m_copy;
    int m_leftOut = 0;
    CopyScore m_score;
    QTimer m_storeTimer;
};

} // namespace blinket
