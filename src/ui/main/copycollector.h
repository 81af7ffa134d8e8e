// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "runs/receiver.h"

#include <QObject>
#include <QString>

#include <deque>

class QWidget;

namespace blinket {

class PracticeSession;

// Hands the keys typed into one window while a run sends to the practice session, as the
// run's copy: each printable key's text, and Backspace taking back the last character. Keys
// arrive only where a run lets events through, between lamp switches, so collecting them
// changes nothing in the lamp's timing. Other plain keys are swallowed while collecting (a
// space typed between groups must not press the focused Stop button); keys held with Alt or
// Ctrl pass on, so Alt+S still stops a run. Keys typed into any other window (a message box,
// the Copy check window) are theirs.
//
// In a message drill the learner is the receiving station: what they type goes into the
// answer they are writing, Enter acknowledges (the receiver's T and R) and Ctrl+R asks for
// the last group again (RPT); the drill takes the answers as it waits for them.
class CopyCollector : public QObject, public Receiver
{
    Q_OBJECT
public:
    CopyCollector(QWidget &window, PracticeSession &session);

    // Keys typed from now on are the copy of a run that sends characters.
    void start();
    // Keys typed from now on answer a message drill; runCharacters as for a copy.
    void startDrill(const QString &runCharacters);
    void stop();
    bool collecting() const { return m_collecting; }

    std::optional<ReceiverAnswer> nextAnswer() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answer(ReceiverAnswer::Kind kind);

    QWidget &m_window;
    PracticeSession &m_session;
    bool m_collecting = false;
    bool m_drill = false;
    QString m_runCharacters;
    QString m_answering; // what the learner has typed since their last answer
    std::deque<ReceiverAnswer> m_answers;
};

} // namespace blinket
