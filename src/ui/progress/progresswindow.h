// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/progressreport.h"
#include "ui/progress/progressdialogs.h"
#include "ui/progressview.h"

#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace blinket {

class AccuracyChart;
class LessonTable;
class LetterChart;
class LightTable;

// The Progress window: what the practice history says about the learner's reading, and the
// runs it advises. A window of its own, not modal; Esc and Close close it. It reads nothing
// until the first refresh(), so that it costs nothing to make before the learner opens it. Its
// parts carry object names for anything outside that looks at them: "runSwitch",
// "measureSwitch" (accuracy or merit, offered when the runs chosen hold keyings),
// "accuracyChart", "meritChart", "noRunsLabel", "lessonTable", "adviceLine", "startLessonButton",
// "weakLettersRunButton", "letterChart", "weakestLine", "letterCounts", "confusionLines",
// "lightTable" (in "byLight", shown once a run was read under a light other than the clear one),
// "statusLine", "exportButton", "forgetButton" and "closeButton".
class ProgressWindow : public ProgressView
{
    Q_OBJECT
public:
    explicit ProgressWindow(ProgressSource &source, QWidget *parent = nullptr);

    // Asks the learner through these rather than the desktop's dialogs (for tests).
    void setDialogs(ProgressDialogs &dialogs) { m_dialogs = &dialogs; }

    // Reads the report again and shows it; the runs chosen stay chosen.
    void refresh() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void fillRunSwitch();
    QString seriesCaption(const RunSeries &series) const;
    void showChosenSeries();
    void showAdvice(const ProgressReport &report);
    QString weakestText(const ProgressReport &report) const;
    QString countsText(const std::vector<CharacterReport> &characters) const;
    QString confusionsText(const ProgressReport &report) const;
    void showStatus();
    void exportCsv();
    void forgetHistory();

    ProgressSource &m_source;
    StandardProgressDialogs m_standardDialogs;
    ProgressDialogs *m_dialogs = &m_standardDialogs;

    // Every group's runs: switching needs no reading.
    std::vector<RunSeries> m_series;
    std::optional<int> m_nextLesson;
    bool m_noRuns = true;
    // A kept-aside file stays told while the window lives: the history tells it only once.
    QString m_problem;
    QString m_readError;
    QString m_actionResult; // what the last export or forgetting came to, until a refresh

    QComboBox *m_runSwitch = nullptr;
    QComboBox *m_measureSwitch = nullptr;
    QStackedWidget *m_runPages = nullptr;
    AccuracyChart *m_accuracyChart = nullptr;
    AccuracyChart *m_meritChart = nullptr;
    QLabel *m_noRunsLabel = nullptr;
    LetterChart *m_letterChart = nullptr;
    QLabel *m_weakestLine = nullptr;
    QLabel *m_countsLine = nullptr;
    QLabel *m_confusionLines = nullptr;
    LessonTable *m_lessonTable = nullptr;
    QWidget *m_byLight = nullptr;
    LightTable *m_lightTable = nullptr;
    QLabel *m_adviceLine = nullptr;
    QPushButton *m_startLessonButton = nullptr;
    QPushButton *m_weakLettersButton = nullptr;
    QLabel *m_statusLine = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_forgetButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace blinket
