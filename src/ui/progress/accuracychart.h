// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/progressreport.h"

#include "ui/progress/pointedchart.h"

#include <vector>

class QLineSeries;
class QValueAxis;

namespace blinket {

// What a chart of runs draws for each: its accuracy, or a keying's merit.
enum class RunMeasure { Accuracy, Merit };

// The accuracy of each run of a series, with the average of the last five runs and the 90 %
// line a lesson is mastered at; the lines are the chart's series named "accuracy",
// "recentAverage" and "masteredLine". Or, measuring merit, the merit of each keying of a
// series, with the average of the last five keyings and the line a clean hand keys above:
// "merit", "recentMerit" and "cleanLine". Pointing at a run tells its date, kind, speed and
// score, and a keying's merit.
class AccuracyChart : public PointedChart
{
    Q_OBJECT
public:
    explicit AccuracyChart(QWidget *parent = nullptr, RunMeasure measure = RunMeasure::Accuracy);

    // The runs of one series, oldest first; measuring merit, the keyings among them.
    void showRuns(const std::vector<RunPoint> &runs);

private:
    // Empty away from every run.
    QString tipAt(QPoint at) const override;

    RunMeasure m_measure;
    std::vector<RunPoint> m_runs;
    QLineSeries *m_accuracy = nullptr;
    QLineSeries *m_average = nullptr;
    QLineSeries *m_mastered = nullptr;
    QValueAxis *m_runAxis = nullptr;
};

} // namespace blinket
