// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QObject>

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
class CopyCollector : public QObject
{
    Q_OBJECT
public:
    CopyCollector(QWidget &window, PracticeSession &session);

    void start();
    void stop();
    bool collecting() const { return m_collecting; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    PracticeSession &m_session;
    bool m_collecting = false;
};

} // namespace blinket
