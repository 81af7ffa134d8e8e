// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/progressreport.h"

#include "ui/progress/pointedchart.h"

#include <vector>

class QLineSeries;
class QValueAxis;

namespace blinket {

// The accuracy of each run of a series, with the average of the last five runs and the 90 %
// line a lesson is mastered at. The lines are the chart's series named "accuracy",
// "recentAverage" and "masteredLine". Pointing at a run tells its date, kind, speed and
// score.
class AccuracyChart : public PointedChart
{
    Q_OBJECT
public:
    explicit AccuracyChart(QWidget *parent = nullptr);

    // The runs of one series, oldest first.
    void showRuns(const std::vector<RunPoint> &runs);

private:
    // Empty away from every run.
    QString tipAt(QPoint at) const override;

    std::vector<RunPoint> m_runs;
    QLineSeries *m_accuracy = nullptr;
    QLineSeries *m_average = nullptr;
    QLineSeries *m_mastered = nullptr;
    QValueAxis *m_runAxis = nullptr;
};

} // namespace blinket
