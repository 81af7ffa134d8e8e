// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/letterchart.h"

#include "ui/inlineletters.h"
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

#include <cmath>

namespace blinket {

namespace {

const QColor barColour(0x1f, 0x5f, 0xa8);
const QColor weakestColour(0xd9, 0x5f, 0x02);
// Where a character never read has its ring: on the base line, clear of the axis.
constexpr double notReadHeight = 3.0;

QBarSet *barSet(QStackedBarSeries *series, const QString &name, const QString &legend,
                const QBrush &brush)
{
    auto *set = new QBarSet(legend, series);
    set->setObjectName(name);
    set->setBrush(brush);
    // No outline: the empty places of each set would otherwise show as lines.
    set->setPen(Qt::NoPen);
    series->append(set);
    return set;
}

} // namespace

LetterChart::LetterChart(QWidget *parent) : PointedChart(parent)
{
    // The view's own chart: one set in its place would leave this one to nobody.
    QChart *chart = this->chart();
    // Nothing to do with the keyboard here; Tab goes on to the controls.
    setFocusPolicy(Qt::NoFocus);
    setRenderHint(QPainter::Antialiasing);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->setAlignment(Qt::AlignBottom);

    // The weakest character's bar as high as the others would draw it, hatched: a mark that
    // does not rely on colour alone. Stacked, so that each column holds one bar of either set.
    auto *bars = new QStackedBarSeries(chart);
    bars->setBarWidth(0.75);
    m_bars = barSet(bars, QStringLiteral("plainBars"), tr("Accuracy"), barColour);
    m_weakestBar = barSet(bars, QStringLiteral("weakestBar"), tr("Weakest"),
                          QBrush(weakestColour, Qt::BDiagPattern));
    chart->addSeries(bars);

    // An empty ring, as the chart draws nothing at all for a character read but never right.
    m_notRead = new QScatterSeries(chart);
    m_notRead->setObjectName(QStringLiteral("notReadMarks"));
    m_notRead->setName(tr("Not read yet"));
    m_notRead->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_notRead->setMarkerSize(8.0);
    m_notRead->setBrush(Qt::NoBrush);
    m_notRead->setPen(QPen(Qt::gray, 1.5));
    chart->addSeries(m_notRead);

    // Characters alone: Qt Charts cuts short a label that does not fit its bar's room with some
    // to spare, and at this size a count or a mark beside the character does not.
    m_characterAxis = new QBarCategoryAxis(chart);
    m_characterAxis->setGridLineVisible(false);
    auto *percentAxis = new QValueAxis(chart);
    percentAxis->setRange(0.0, 100.0);
    percentAxis->setTickCount(6);
    percentAxis->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(m_characterAxis, Qt::AlignBottom);
    chart->addAxis(percentAxis, Qt::AlignLeft);
    for (QAbstractSeries *series : std::initializer_list<QAbstractSeries *>{bars, m_notRead}) {
        series->attachAxis(m_characterAxis);
        series->attachAxis(percentAxis);
    }
}

void LetterChart::showCharacters(const ProgressReport &report)
{
    m_characters = report.characters;
    m_weakest = report.weakest;
    QStringList categories;
    QList<qreal> plain;
    QList<qreal> weakest;
    QList<QPointF> notRead;
    for (std::size_t i = 0; i < m_characters.size(); ++i) {
        const CharacterReport &shown = m_characters[i];
        const bool isWeakest = m_weakest == shown.character;
        categories << QString(shown.character);
        plain << (isWeakest ? 0.0 : double(shown.accuracy));
        weakest << (isWeakest ? double(shown.accuracy) : 0.0);
        if (shown.readings == 0)
            notRead << QPointF(double(i), notReadHeight);
    }
    m_characterAxis->setCategories(categories);
    // Room for each label whole, with the percent axis beside them.
    const QFontMetrics metrics(m_characterAxis->labelsFont());
    setMinimumWidth(int(categories.size()) * metrics.horizontalAdvance(QStringLiteral("WW")) +
                    metrics.horizontalAdvance(QStringLiteral("100%")) * 2);
    m_bars->remove(0, m_bars->count());
    m_bars->append(plain);
    m_weakestBar->remove(0, m_weakestBar->count());
    m_weakestBar->append(weakest);
    m_notRead->replace(notRead);
}

QString LetterChart::tipAt(QPoint at) const
{
    const QPointF onChart = chart()->mapFromScene(mapToScene(at));
    if (m_characters.empty() || !chart()->plotArea().contains(onChart))
        return QString();
    const auto index = qsizetype(std::lround(chart()->mapToValue(onChart, m_notRead).x()));
    if (index < 0 || index >= qsizetype(m_characters.size()))
        return QString();
    const CharacterReport &shown = m_characters[std::size_t(index)];
    if (shown.readings == 0)
        return tr("%1: not read yet").arg(inLine(shown.name(), layoutDirection()));
    // A character sent once has one reading: a count.
    QString tip = tr("%1: %2 of the last %n read right (%3)", nullptr, shown.readings)
                      .arg(inLine(shown.name(), layoutDirection()))
                      .arg(shown.right)
                      .arg(percentText(shown.accuracy));
    if (m_weakest == shown.character)
        tip += u'\n' + tr("The weakest of those read ten times or more");
    return tip;
}

} // namespace blinket
