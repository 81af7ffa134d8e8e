// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/accuracychart.h"

#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace blinket {

namespace {

// Up to this many runs each is drawn as a dot too: a single run is otherwise no line at all.
constexpr qsizetype dottedRuns = 60;
constexpr int dotSize = 9;
const QColor runColour(0x8c, 0xb4, 0xe0);
// A clean hand keys with a merit above this; a barely readable one under 60.
constexpr int cleanHandMerit = 90;

QLineSeries *lineSeries(QChart *chart, const QString &name, const QString &legend, const QPen &pen)
{
    auto *series = new QLineSeries(chart);
    series->setObjectName(name);
    series->setName(legend);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

// A step of 1, 2 or 5 times a power of ten that puts at most six ticks on the run axis: the
// chart shares its row with the lessons, and a label wider than its room is cut short.
double runStep(qsizetype runs)
{
    for (double power = 1.0;; power *= 10.0) {
        for (const double step : {power, 2.0 * power, 5.0 * power}) {
            if (double(runs) / step <= 6.0)
                return step;
        }
    }
}

// The dot each run is drawn with, at twice its size so that it stays round on a screen of
// two pixels to the point.
QImage runDot()
{
    QImage image(2 * dotSize, 2 * dotSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(runColour);
    painter.drawEllipse(image.rect());
    return image;
}

} // namespace

AccuracyChart::AccuracyChart(QWidget *parent, RunMeasure measure)
    : PointedChart(parent), m_measure(measure)
{
    const bool merit = measure == RunMeasure::Merit;
    // The view's own chart: one set in its place would leave this one to nobody.
    QChart *chart = this->chart();
    // Nothing to do with the keyboard here; Tab goes on to the controls.
    setFocusPolicy(Qt::NoFocus);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->setAlignment(Qt::AlignBottom);

    // The average and the 90 % line are drawn over the runs: with thousands of runs the runs
    // alone fill the band they lie in.
    m_accuracy =
        merit ? lineSeries(chart, QStringLiteral("merit"), tr("Merit"), QPen(runColour, 1.0))
              : lineSeries(chart, QStringLiteral("accuracy"), tr("Accuracy"), QPen(runColour, 1.0));
    m_accuracy->setMarkerSize(dotSize);
    const QPen averagePen(QColor(0xc0, 0x4a, 0x00), 2.0);
    m_average = merit ? lineSeries(chart, QStringLiteral("recentMerit"),
                                   tr("Average of last 5 keyings"), averagePen)
                      : lineSeries(chart, QStringLiteral("recentAverage"),
                                   tr("Average of last 5 runs"), averagePen);
    const QPen linePen(QColor(0x1b, 0x7a, 0x3e), 1.5, Qt::DashLine);
    m_mastered = merit ? lineSeries(chart, QStringLiteral("cleanLine"),
                                    tr("A clean hand: %1").arg(cleanHandMerit), linePen)
                       : lineSeries(chart, QStringLiteral("masteredLine"),
                                    percentText(masteredPercent), linePen);

    // The run's place in the series rather than its date: runs come seconds or weeks apart,
    // and on a time axis a day's practice would be one smudge between empty months. Pointing
    // at a run tells its date.
    m_runAxis = new QValueAxis(chart);
    m_runAxis->setTitleText(tr("Run"));
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
    percentAxis->setLabelFormat(merit ? QStringLiteral("%d") : QStringLiteral("%d%%"));
    chart->addAxis(m_runAxis, Qt::AlignBottom);
    chart->addAxis(percentAxis, Qt::AlignLeft);
    for (QLineSeries *series : {m_accuracy, m_average, m_mastered}) {
        series->attachAxis(m_runAxis);
        series->attachAxis(percentAxis);
    }
    showRuns({});
}

void AccuracyChart::showRuns(const std::vector<RunPoint> &runs)
{
    const bool merit = m_measure == RunMeasure::Merit;
    m_runs.clear();
    std::ranges::copy_if(runs, std::back_inserter(m_runs),
                         [merit](const RunPoint &run) { return !merit || run.merit; });
    QList<QPointF> accuracy;
    QList<QPointF> average;
    accuracy.reserve(qsizetype(m_runs.size()));
    average.reserve(qsizetype(m_runs.size()));
    for (std::size_t i = 0; i < m_runs.size(); ++i) {
        const double run = double(i + 1);
        const RunPoint &point = m_runs[i];
        accuracy.append({run, merit ? double(*point.merit) : double(point.accuracy)});
        average.append({run, merit ? point.recentMerit : point.recentAverage});
    }
    // Half a run of room at each end, so that the first and last dots are not cut in half.
    const qsizetype count = std::max<qsizetype>(accuracy.size(), 1);
    const double first = 0.5;
    const double last = double(count) + 0.5;
    m_runAxis->setRange(first, last);
    m_runAxis->setTickInterval(runStep(count));
    // The dots are a light marker, not the series' own points: Qt Charts repaints a line
    // series within the outline of its line, which leaves out its own points (a lone run's
    // dot lies wholly outside it), so the old dots stayed on screen when the runs changed.
    // A light marker is part of that outline.
    static const QImage dot = runDot();
    m_accuracy->setLightMarker(accuracy.size() <= dottedRuns ? dot : QImage());
    m_accuracy->replace(accuracy);
    m_average->replace(average);
    const double level = double(merit ? cleanHandMerit : masteredPercent);
    m_mastered->replace({{first, level}, {last, level}});
}

QString AccuracyChart::tipAt(QPoint at) const
{
    const QPointF onChart = chart()->mapFromScene(mapToScene(at));
    if (m_runs.empty() || !chart()->plotArea().contains(onChart))
        return QString();
    const double x = chart()->mapToValue(onChart, m_accuracy).x();
    const auto index = qsizetype(std::lround(x)) - 1;
    if (index < 0 || index >= qsizetype(m_runs.size()))
        return QString();
    const RunPoint &run = m_runs[std::size_t(index)];
    const QString when = locale().toString(run.startedUtc.toLocalTime(), QLocale::ShortFormat);
    const QString kind = kindName(run.kind, run.lesson);
    if (run.merit) {
        return tr("Run %1, %2\n%3, speed %4: %5, merit %6")
            .arg(index + 1)
            .arg(when)
            .arg(kind, run.speed, percentText(run.accuracy), QString::number(*run.merit));
    }
    return tr("Run %1, %2\n%3, speed %4: %5")
        .arg(index + 1)
        .arg(when)
        .arg(kind, run.speed, percentText(run.accuracy));
}

} // namespace blinket
