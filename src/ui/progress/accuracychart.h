// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/practicestats.h"

#include <QChartView>

#include <vector>

class QLineSeries;
class QValueAxis;

namespace blinket {

// The accuracy of each run of a series, with the average of the last five runs and the 90 %
// line a lesson is mastered at. The lines are the chart's series named "accuracy",
// "recentAverage" and "masteredLine".
class AccuracyChart : public QChartView
{
    Q_OBJECT
public:
    explicit AccuracyChart(QWidget *parent = nullptr);

    void showSeries(const std::vector<AccuracyPoint> &points);

private:
    QLineSeries *m_accuracy = nullptr;
    QLineSeries *m_average = nullptr;
    QLineSeries *m_mastered = nullptr;
    QValueAxis *m_runAxis = nullptr;
};

} // namespace blinket
