// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/lessonprogress.h"
#include "practice/practicehistory.h"
#include "practice/practicestats.h"
#include "ui/progress/progressdialogs.h"
#include "ui/progressview.h"

#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace blinket {

class AccuracyChart;
class LessonTable;
class LetterChart;

// The Progress window: what the practice history says about the learner's reading. A window
// of its own, not modal. It reads nothing until the first refresh(), so that it costs nothing
// to make before the learner opens it. Its parts carry object names for anything outside that
// looks at them: "lessonSwitch", "accuracyChart", "lessonTable", "adviceLine", "letterChart",
// "weakestLine", "letterCounts", "confusionLines", "statusLine", "exportButton" and
// "forgetButton".
class ProgressWindow : public ProgressView
{
    Q_OBJECT
public:
    explicit ProgressWindow(PracticeHistory &history, QWidget *parent = nullptr);

    // Asks the learner through these rather than the desktop's dialogs (for tests).
    void setDialogs(ProgressDialogs &dialogs) { m_dialogs = &dialogs; }

    // Reads every run from the history and shows them; the lesson chosen stays chosen.
    void refresh() override;

private:
    void buildControls();
    void showChosenSeries();
    void showStatus();
    void exportCsv();
    void forgetHistory();

    PracticeHistory &m_history;
    StandardProgressDialogs m_standardDialogs;
    ProgressDialogs *m_dialogs = &m_standardDialogs;

    // Every run's accuracy, then lesson 1's to lesson 12's: switching needs no reading.
    std::array<std::vector<AccuracyPoint>, lessonCount + 1> m_series;
    bool m_noRuns = true;
    // A kept-aside file stays told while the window lives: the history tells it only once.
    QString m_problem;
    QString m_readError;
    QString m_actionResult; // what the last export or forgetting came to, until a refresh

    QComboBox *m_lessonSwitch = nullptr;
    AccuracyChart *m_accuracyChart = nullptr;
    LetterChart *m_letterChart = nullptr;
    QLabel *m_weakestLine = nullptr;
    QLabel *m_countsLine = nullptr;
    QLabel *m_confusionLines = nullptr;
    LessonTable *m_lessonTable = nullptr;
    QLabel *m_adviceLine = nullptr;
    QLabel *m_statusLine = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_forgetButton = nullptr;
};

} // namespace blinket
