// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// The practice windows: the Copy check after a run or on request, Progress and Options, and
// where they open.

#include "practice/practicesession.h"
#include "ui/main/form1.h"
#include "ui/practicewindows.h"
#include "ui/runcontroller.h"

namespace blinket {

void Form1::connectPractice()
{
    // For a learner who wrote on paper: the last run, with the copy to type into.
    connect(m_checkCopyButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { showBetweenRuns(&PracticeWindows::showCopyCheck); }); });
    connect(m_progressButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { showBetweenRuns(&PracticeWindows::showProgress); }); });
    connect(m_optionsButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { showBetweenRuns(&PracticeWindows::showOptions); }); });
    connect(m_runs, &RunController::runStarting, m_practiceWindows, &PracticeWindows::hideForRun);
    connect(m_runs, &RunController::runOver, m_practiceWindows, &PracticeWindows::showAfterRun);
    // What the learner types after the run, before the Copy check window has the keyboard, goes
    // on into the copy there.
    connect(m_practiceWindows, &PracticeWindows::copyCheckOpenedAfterRun, m_runs,
            &RunController::handOverTo);
    connect(m_runs, &RunController::keyingGraded, m_practiceWindows,
            &PracticeWindows::showKeyingGrade);
    // Once its click is over: the keying holds the thread.
    connect(m_practiceWindows, &PracticeWindows::keyAnother, this, [this] {
        QMetaObject::invokeMethod(m_keyingAction, &QAction::trigger, Qt::QueuedConnection);
    });
}

void Form1::showBetweenRuns(void (PracticeWindows::*show)())
{
    if (!m_runs->underWay())
        (m_practiceWindows->*show)();
}

QList<QRect> Form1::keptInSight() const
{
    // The speed and minutes too, which a learner sets beside the options.
    const auto onWindow = [this](const QWidget *control) {
        return QRect(control->mapTo(this, QPoint(0, 0)), control->size());
    };
    return {pic1->geometry(), cmdStop->geometry(), onWindow(Combo1), onWindow(Text2)};
}

void Form1::setNotices(Notices &notices)
{
    m_runs->setNotices(notices);
}

} // namespace blinket
