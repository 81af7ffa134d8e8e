// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/accuracychart.h"

#include "practice/accuracy.h"

#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace blinket {

namespace {

// Up to this many runs each is drawn as a dot too: a single run is otherwise no line at all.
constexpr qsizetype dottedRuns = 60;

QLineSeries *lineSeries(QChart *chart, const QString &name, const QString &legend, const QPen &pen)
{
    auto *series = new QLineSeries(chart);
    series->setObjectName(name);
    series->setName(legend);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

// A step of 1, 2 or 5 times a power of ten that puts at most ten ticks on the run axis.
double runStep(qsizetype runs)
{
    for (double power = 1.0;; power *= 10.0) {
        for (const double step : {power, 2.0 * power, 5.0 * power}) {
            if (double(runs) / step <= 10.0)
                return step;
        }
    }
}

} // namespace

AccuracyChart::AccuracyChart(QWidget *parent) : QChartView(parent)
{
    auto *chart = new QChart();
    setChart(chart);
    // Nothing to do with the keyboard here; Tab goes on to the controls.
    setFocusPolicy(Qt::NoFocus);
    setRenderHint(QPainter::Antialiasing);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->setAlignment(Qt::AlignBottom);

    // The average and the 90 % line are drawn over the runs: with thousands of runs the runs
    // alone fill the band they lie in.
    m_accuracy = lineSeries(chart, QStringLiteral("accuracy"), QStringLiteral("Accuracy  דיוק"),
                            QPen(QColor(0x8c, 0xb4, 0xe0), 1.0));
    m_accuracy->setMarkerSize(5.0);
    m_average = lineSeries(chart, QStringLiteral("recentAverage"),
                           QStringLiteral("Last five runs  חמש הריצות האחרונות"),
                           QPen(QColor(0xc0, 0x4a, 0x00), 2.0));
    m_mastered = lineSeries(chart, QStringLiteral("masteredLine"), percentText(masteredPercent),
                            QPen(QColor(0x1b, 0x7a, 0x3e), 1.5, Qt::DashLine));

    // The run's place in the series rather than its date: runs come seconds or weeks apart,
    // and on a time axis a day's practice would be one smudge between empty months.
    m_runAxis = new QValueAxis(chart);
    m_runAxis->setTitleText(QStringLiteral("Run  ריצה"));
    m_runAxis->setLabelFormat(QStringLiteral("%d"));
    m_runAxis->setTickType(QValueAxis::TicksDynamic);
    m_runAxis->setTickAnchor(0.0);
    m_runAxis->setMinorTickCount(0);
    // A little room over 100 %: a perfect run drawn on the chart's edge would be hidden by it.
    auto *percentAxis = new QValueAxis(chart);
    percentAxis->setRange(0.0, 104.0);
    percentAxis->setTickType(QValueAxis::TicksDynamic);
    percentAxis->setTickAnchor(0.0);
    percentAxis->setTickInterval(20.0);
    percentAxis->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(m_runAxis, Qt::AlignBottom);
    chart->addAxis(percentAxis, Qt::AlignLeft);
    for (QLineSeries *series : {m_accuracy, m_average, m_mastered}) {
        series->attachAxis(m_runAxis);
        series->attachAxis(percentAxis);
    }
    showSeries({});
}

void AccuracyChart::showSeries(const std::vector<AccuracyPoint> &points)
{
    QList<QPointF> accuracy;
    QList<QPointF> average;
    accuracy.reserve(qsizetype(points.size()));
    average.reserve(qsizetype(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double run = double(i + 1);
        accuracy.append({run, double(points[i].accuracy)});
        average.append({run, points[i].recentAverage});
    }
    // Half a run of room at each end, so that the first and last dots are not cut in half.
    const qsizetype runs = std::max<qsizetype>(accuracy.size(), 1);
    const double first = 0.5;
    const double last = double(runs) + 0.5;
    m_runAxis->setRange(first, last);
    m_runAxis->setTickInterval(runStep(runs));
    m_accuracy->setPointsVisible(accuracy.size() <= dottedRuns);
    m_accuracy->replace(accuracy);
    m_average->replace(average);
    m_mastered->replace({{first, double(masteredPercent)}, {last, double(masteredPercent)}});
}

} // namespace blinket
