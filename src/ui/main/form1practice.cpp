// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// What the learner read: the copy typed during a run, the Copy check window, the Progress
// window, and the run of weak letters. The practice session does the work; the window starts
// and ends collecting and shows the windows.

#include "practice/practicesession.h"
#include "practice/weakletters.h"
#include "runs/lessons.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/fonts.h"
#include "ui/main/form1.h"
#include "ui/progressbridge.h"
#include "ui/progressopener.h"
#include "ui/windowplace.h"

#include <algorithm>
#include <memory>

namespace blinket {

void Form1::connectPractice()
{
    m_copyCollector = new CopyCollector(*this, m_session);
    connect(m_checkCopyButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { checkCopy(); }); });
    connect(m_progressButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { showProgress(); }); });
    connect(m_weakLettersButton, &QPushButton::clicked, this, [this] {
        RunRecord run;
        run.kind = RunKind::WeakLetters;
        startRun([this] { weakLetters(); }, run);
    });
    connect(&m_session, &PracticeSession::runEnded, this, [this] {
        copyCheckWindow().showLastRun();
        showCopyCheck();
    });
}

void Form1::hidePracticeWindows()
{
    // A new run makes the check of the last one stale; Progress comes back after the run, and
    // nothing of either can be used while the lamp sends.
    if (m_copyCheck)
        m_copyCheck->hide();
    m_progressBack = m_progress && m_progress->isVisible();
    if (m_progressBack)
        m_progress->hide();
}

void Form1::showPracticeWindowsAgain()
{
    if (m_progressBack)
        m_progress->show();
    m_progressBack = false;
}

void Form1::beginCopy(const RunRecord &run, const QString &runCharacters)
{
    m_session.beginRun(run, runCharacters);
    if (run.kind == RunKind::Drill || run.kind == RunKind::Exam)
        m_copyCollector->startDrill(runCharacters);
    else
        m_copyCollector->start();
}

void Form1::endCopy(bool completed)
{
    // Before anything is reported: a key meant for a message box is the message box's.
    m_copyCollector->stop();
    if (!completed) {
        m_session.abandonRun();
        return;
    }
    const RunDriver::Result &result = m_runs.lastResult();
    RunRecord run;
    run.speed = m_state.Speed;
    run.unit = m_state.Unit;
    run.minutes = Text2->text();
    run.elapsedSeconds = result.seconds;
    // A drill's copy is the answers to its text: the procedure's own signs and answers are
    // not part of it.
    if (result.drill) {
        for (const QChar typed : result.drill->copy)
            m_session.type(QString(typed));
        run.repeats = result.drill->repeats;
    }
    m_session.endRun(run, result.lettersSent);
}

void Form1::checkCopy()
{
    if (m_runUnderWay)
        return;
    // For a learner who wrote on paper: the last run, with the copy to type into.
    copyCheckWindow().showLastRun();
    showCopyCheck();
}

CopyCheckWindow &Form1::copyCheckWindow()
{
    if (!m_copyCheck) {
        m_copyCheck = new CopyCheckWindow(m_session, this);
        new WindowPlace(*m_copyCheck, *this, [this] { return keptInSight(); });
        connect(m_copyCheck, &CopyCheckWindow::progressRequested, this,
                [this] { m_guard.run([this] { showProgress(); }); });
    }
    return *m_copyCheck;
}

void Form1::showCopyCheck()
{
    CopyCheckWindow &window = copyCheckWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

QList<QRect> Form1::keptInSight() const
{
    return {pic1->geometry(), cmdStop->geometry()};
}

void Form1::showProgress()
{
    if (m_runUnderWay)
        return;
    if (!m_progress) {
        // The runs the Progress window advises start as this window's own buttons start them,
        // at the speed and minutes shown here. The press waits for the event loop, so that the
        // Progress window's click is over before the run holds the thread.
        const auto press = [this](const QString &name) {
            if (auto *button = findChild<QPushButton *>(name))
                QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
        };
        auto bridge = std::make_unique<ProgressBridge>(
            m_session,
            [press](int number) {
                const auto lesson = std::ranges::find(lessons, number, &Lesson::number);
                if (lesson != lessons.end())
                    press(QStringLiteral("Command3(%1)").arg(lesson->index));
            },
            [press] { press(QStringLiteral("weakLettersButton")); });
        m_progress = openProgressWindow(*bridge, this);
        bridge.release()->setParent(m_progress);
        m_progress->setFont(dialogFont());
        new WindowPlace(*m_progress, *this, [this] { return keptInSight(); });
        // Also while a run hides it: it comes back after the run, with the run in it.
        connect(&m_session, &PracticeSession::historyChanged, m_progress, [this] {
            if (m_progress->isVisible() || m_progressBack)
                m_progress->refresh();
        });
    }
    m_progress->refresh();
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow();
}

void Form1::weakLetters()
{
    // A history that cannot be read gives no weights: the run is then even, like A to Z.
    const std::vector<RunRecord> runs =
        m_session.history().allRuns().value_or(std::vector<RunRecord>{});
    const std::array<double, sendableCount> weights =
        letterWeights(runs, runCharacters(RunKind::WeakLetters, readOptions(*optionsFile())));
    m_state.RunMode = 0;
    m_runs.RunDrill([&weights](float r) { return weightedLetter(weights, r); });
}

} // namespace blinket
