// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// What the learner read: the copy typed during a run, the Copy check window, the practice
// history with its Progress window, and the run of weak letters.

#include "practice/practicehistory.h"
#include "practice/weakletters.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/fonts.h"
#include "ui/main/form1.h"
#include "ui/progressopener.h"

#include <QScreen>
#include <QStandardPaths>

namespace blinket {

void Form1::connectPractice()
{
    connect(m_checkCopyButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { checkCopy(); }); });
    connect(m_progressButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { showProgress(); }); });
    connect(m_weakLettersButton, &QPushButton::clicked, this, [this] {
        RunRecord run;
        run.kind = RunKind::WeakLetters;
        startRun([this] { weakLetters(); }, run);
    });
}

void Form1::beginCopy(RunRecord run)
{
    // A new run makes the check of the last one stale.
    if (m_copyCheck)
        m_copyCheck->hide();
    run.startedUtc = QDateTime::currentDateTimeUtc();
    m_runBeingSent = run;
    m_copyCollector.start();
}

void Form1::endCopy(bool completed)
{
    m_copyCollector.stop();
    if (!completed || !m_runBeingSent)
        return;
    RunRecord run = *m_runBeingSent;
    m_runBeingSent.reset();
    const RunDriver::Result &result = m_runs.lastResult();
    run.speed = m_state.Speed;
    run.unit = m_state.Unit;
    run.minutes = Text2->text();
    run.elapsedSeconds = result.seconds;
    run.sent = result.lettersSent;
    m_lastRun = run;
    const QString copy = m_copyCollector.copy();
    if (copy.isEmpty())
        return;
    copyCheckWindow().showRun(run.sent, copy);
    showCopyCheck();
}

void Form1::checkCopy()
{
    // For a learner who wrote on paper: the last run, with an empty copy to type into.
    if (m_lastRun)
        copyCheckWindow().showRun(m_lastRun->sent, QString());
    else
        copyCheckWindow().showNothingToCheck();
    showCopyCheck();
}

CopyCheckWindow &Form1::copyCheckWindow()
{
    if (!m_copyCheck) {
        m_copyCheck = new CopyCheckWindow(this);
        connect(m_copyCheck, &CopyCheckWindow::scored, this,
                [this](const QString &copy, const CopyScore &score) {
                    m_guard.run([&] { keepCheckedRun(copy, score); });
                });
        connect(m_copyCheck, &CopyCheckWindow::progressRequested, this,
                [this] { m_guard.run([this] { showProgress(); }); });
    }
    return *m_copyCheck;
}

void Form1::showCopyCheck()
{
    CopyCheckWindow &window = copyCheckWindow();
    if (!window.isVisible()) {
        // Beside the main window, which stays as it is, as far as the screen allows.
        const QRect screen = this->screen()->availableGeometry();
        QPoint place = frameGeometry().topRight() + QPoint(8, 0);
        if (place.x() + window.width() > screen.right())
            place.setX(qMax(screen.left(), screen.right() - window.width()));
        window.move(place);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

void Form1::keepCheckedRun(const QString &copy, const CopyScore &score)
{
    // Only a run the learner typed a copy of is kept: one who never types finds nothing on
    // disk.
    const QString letters = lettersOnly(copy);
    if (!m_lastRun || letters.isEmpty())
        return;
    RunRecord &run = *m_lastRun;
    run.copy = letters;
    run.right = score.right;
    run.wrong = score.wrong;
    run.missed = score.missed;
    run.extra = score.extra;
    run.outcomes.clear();
    for (const AlignedLetter &place : score.aligned) {
        if (place.mark != Mark::Extra)
            run.outcomes.push_back({place.sent, place.typed});
    }
    const std::optional<qint64> id = history().store(run);
    QStringList status;
    if (const QString problem = history().takeProblem(); !problem.isEmpty())
        status << problem;
    if (id) {
        run.id = *id;
        status << QStringLiteral("Kept in your practice history.");
    } else {
        status << history().lastError();
    }
    m_copyCheck->setStatus(status.join(u' '));
    if (m_progress && m_progress->isVisible())
        m_progress->refresh();
}

PracticeHistory &Form1::history()
{
    // The folder follows XDG_DATA_HOME; nothing is made there before a run is stored.
    if (!m_history) {
        m_history = std::make_unique<PracticeHistory>(
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
    return *m_history;
}

void Form1::showProgress()
{
    if (!m_progress) {
        m_progress = openProgressWindow(history(), this);
        m_progress->setFont(dialogFont());
    }
    m_progress->refresh();
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow();
}

void Form1::weakLetters()
{
    // A history that cannot be read gives no weights: the run is then even, like A to Z.
    const std::vector<RunRecord> runs = history().allRuns().value_or(std::vector<RunRecord>{});
    const std::array<double, alphabetSize> weights = letterWeights(runs);
    m_state.RunMode = 0;
    m_runs.RunDrill([&weights](float r) { return weightedLetter(weights, r); });
}

} // namespace blinket
