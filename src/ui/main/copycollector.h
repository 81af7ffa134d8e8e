// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QObject>
#include <QString>

namespace blinket {

// Keeps what the learner types while a run sends letters: the letters A to Z in either case,
// Backspace taking back the last one. Keys arrive only where a run lets events through,
// between lamp switches, so collecting them changes nothing in the lamp's timing. Other
// plain keys are swallowed while collecting (a space typed between groups must not press
// the focused Stop button); keys held with Alt or Ctrl pass on, so Alt+S still stops a run.
class CopyCollector : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts a new, empty copy and watches every key the program receives.
    void start();
    void stop();
    bool collecting() const { return m_collecting; }
    const QString &copy() const { return m_copy; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_collecting = false;
    QString m_copy;
};

} // namespace blinket
