// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/accuracychart.h"

#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace blinket {

namespace {

constexpr double masteredPercent = 90.0;
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
    setRenderHint(QPainter::Antialiasing);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);

    m_mastered = lineSeries(chart, QStringLiteral("masteredLine"), QStringLiteral("90%"),
                            QPen(QColor(0x2e, 0x8b, 0x57), 1.5, Qt::DashLine));
    m_average = lineSeries(chart, QStringLiteral("recentAverage"),
                           QStringLiteral("Last five runs  חמש הריצות האחרונות"),
                           QPen(QColor(0xd9, 0x5f, 0x02), 2.5));
    m_accuracy = lineSeries(chart, QStringLiteral("accuracy"), QStringLiteral("Accuracy  דיוק"),
                            QPen(QColor(0x1f, 0x5f, 0xa8), 1.0));

    // The run's place in the series rather than its date: runs come seconds or weeks apart,
    // and on a time axis a day's practice would be one smudge between empty months.
    m_runAxis = new QValueAxis(chart);
    m_runAxis->setTitleText(QStringLiteral("Run  ריצה"));
    m_runAxis->setLabelFormat(QStringLiteral("%d"));
    m_runAxis->setTickType(QValueAxis::TicksDynamic);
    m_runAxis->setTickAnchor(0.0);
    m_runAxis->setMinorTickCount(0);
    auto *percentAxis = new QValueAxis(chart);
    percentAxis->setRange(0.0, 100.0);
    percentAxis->setTickCount(6);
    percentAxis->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(m_runAxis, Qt::AlignBottom);
    chart->addAxis(percentAxis, Qt::AlignLeft);
    for (QLineSeries *series : {m_mastered, m_average, m_accuracy}) {
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
        accuracy.append({run, points[i].accuracy});
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
    m_mastered->replace({{first, masteredPercent}, {last, masteredPercent}});
}

} // namespace blinket
