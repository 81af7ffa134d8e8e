// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// What the learner read: the copy typed during a run, and the Copy check window.

#include "ui/copycheckwindow.h"
#include "ui/form1.h"

#include <QScreen>

namespace blinket {

void Form1::connectPractice()
{
    connect(m_checkCopyButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { checkCopy(); }); });
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
    if (!m_copyCheck)
        m_copyCheck = new CopyCheckWindow(this);
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

} // namespace blinket
