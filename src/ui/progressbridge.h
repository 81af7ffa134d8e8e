// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "ui/progressview.h"

#include <QObject>

#include <functional>

namespace blinket {

class PracticeSession;

// The program's side of the Progress window: its report drawn from the practice session's
// history, and what its buttons ask done through the session (export, forget) or through the
// main window (start a run), whose functions are given here.
class ProgressBridge : public QObject, public ProgressSource
{
public:
    ProgressBridge(PracticeSession &session, std::function<void(int lesson)> startLesson,
                   std::function<void()> startWeakLetters, QObject *parent = nullptr);

    ProgressReport report() override;
    QString exportCsv(const QString &path) override;
    QString forgetHistory() override;
    void startLesson(int lesson) override;
    void startWeakLetters() override;

private:
    PracticeSession &m_session;
    std::function<void(int)> m_startLesson;
    std::function<void()> m_startWeakLetters;
};

} // namespace blinket
