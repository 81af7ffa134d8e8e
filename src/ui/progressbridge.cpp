// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progressbridge.h"

#include "practice/practicesession.h"
#include "settings/optionsfile.h"

namespace blinket {

ProgressBridge::ProgressBridge(PracticeSession &session,
                               std::function<void(int lesson)> startLesson,
                               std::function<void()> startWeakLetters, QObject *parent)
    : QObject(parent), m_session(session), m_startLesson(std::move(startLesson)),
      m_startWeakLetters(std::move(startWeakLetters))
{}

ProgressReport ProgressBridge::report()
{
    PracticeHistory &history = m_session.history();
    const std::optional<std::vector<RunRecord>> runs = history.allRuns();
    // The lessons and letters of the alphabet chosen, as the runs read the options: afresh.
    const bool hebrew = readOptions(*optionsFile()).options.hebrew;
    ProgressReport report = progressReport(runs.value_or(std::vector<RunRecord>()), hebrew);
    // Reading is what finds a file to keep aside, so the problem is taken after it.
    report.problem = history.takeProblem();
    if (!runs)
        report.readError = history.lastError();
    return report;
}

QString ProgressBridge::exportCsv(const QString &path)
{
    PracticeHistory &history = m_session.history();
    return history.exportCsv(path) ? QString() : history.lastError();
}

QString ProgressBridge::forgetHistory()
{
    return m_session.forgetHistory();
}

void ProgressBridge::startLesson(int lesson)
{
    m_startLesson(lesson);
}

void ProgressBridge::startWeakLetters()
{
    m_startWeakLetters();
}

} // namespace blinket
