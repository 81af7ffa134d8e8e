// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "runs/receiver.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>

class QKeyEvent;
class QWidget;

namespace blinket {

class Platform;
class PracticeSession;

// Hands the keys typed into one window while a run sends to the practice session, as the
// run's copy: each printable key's text, and Backspace taking back the last character. Keys
// arrive only where a run lets events through, between lamp switches, so collecting them
// changes nothing in the lamp's timing. Other plain keys are swallowed while collecting (a
// space typed between groups must not press the focused Stop button), but for a space before
// anything was typed: a learner who never types stops the run with Space on Stop. Keys held
// with Alt or Ctrl pass on, so Alt+S still stops a run. Keys typed into any other window (a
// message box, the Copy check window) are theirs.
//
// In a message drill the learner is the receiving station: what they type goes into the
// answer they are writing, Enter acknowledges (the receiver's T and R) and Ctrl+R asks for
// the last group again (RPT); the drill takes the answers as it waits for them.
//
// After a run, until the Copy check window has the keyboard, the keys typed into the window go
// on into the copy box there, as if typed in it.
class CopyCollector : public QObject, public Receiver
{
    Q_OBJECT
public:
    // The time of an answer is read on platform's steady clock.
    CopyCollector(QWidget &window, PracticeSession &session, Platform &platform);

    // Keys typed from now on are the copy of a run that sends characters.
    void start();
    // Keys typed from now on answer a message drill; runCharacters as for a copy.
    void startDrill(const QString &runCharacters);
    // Keys typed into the window from now on go into copyBox, until the learner turns to a
    // window (a click in this one, or coming back to it from another), copyBox's window closes,
    // or a run starts.
    void handOverTo(QWidget &copyBox);
    // Keys typed from now on are the window's own.
    void stop();
    bool collecting() const { return m_mode == Mode::Copy || m_mode == Mode::Drill; }

    std::optional<ReceiverAnswer> nextAnswer() override;
    QString typing() const override { return m_answering; }
    void acknowledgeKeyed(const QString &keyed) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Mode { Off, Copy, Drill, Handover };

    void setMode(Mode mode);
    bool takeKey(const QKeyEvent &key);
    // The text of a key as a copy takes it: the Israeli layout's Q and W keys stand for two
    // characters each.
    static QString keyText(const QKeyEvent &key);
    bool handOver(const QKeyEvent &key);
    void answer(ReceiverAnswer::Kind kind);

    QWidget &m_window;
    PracticeSession &m_session;
    Platform &m_platform;
    Mode m_mode = Mode::Off;
    bool m_typed = false; // anything typed in the run
    QString m_runCharacters;
    QString m_answering; // what the learner has typed since their last answer
    std::deque<ReceiverAnswer> m_answers;
    QPointer<QWidget> m_copyBox;
    bool m_windowLeft = false; // the window lost the keyboard during the handover
};

} // namespace blinket
