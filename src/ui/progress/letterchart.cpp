// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/letterchart.h"

#include "practice/accuracy.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QGraphicsLayout>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

namespace blinket {

namespace {

QBarSet *barSet(QStackedBarSeries *series, const QString &name, const QString &legend,
                const QBrush &brush)
{
    auto *set = new QBarSet(legend, series);
    set->setObjectName(name);
    set->setBrush(brush);
    // No outline: an empty place in the hatched set would otherwise show as a line.
    set->setPen(Qt::NoPen);
    series->append(set);
    return set;
}

} // namespace

LetterChart::LetterChart(QWidget *parent) : QChartView(parent)
{
    auto *chart = new QChart();
    setChart(chart);
    // Nothing to do with the keyboard here; Tab goes on to the controls.
    setFocusPolicy(Qt::NoFocus);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->setAlignment(Qt::AlignBottom);

    // The weakest letter's column is hatched above its bar up to 100 %: a mark that does not
    // rely on colour, and that shows even when the letter was never read right. Stacked, so
    // that the hatching stands on the bar and as wide.
    auto *series = new QStackedBarSeries(chart);
    series->setBarWidth(0.75);
    m_bars = barSet(series, QStringLiteral("letterAccuracy"), QStringLiteral("Accuracy  דיוק"),
                    QColor(0x1f, 0x5f, 0xa8));
    m_bars->setSelectedColor(QColor(0xd9, 0x5f, 0x02));
    m_weakest = barSet(series, QStringLiteral("weakestLetter"),
                       QStringLiteral("Weakest letter  האות החלשה ביותר"),
                       QBrush(QColor(0xd9, 0x5f, 0x02), Qt::BDiagPattern));
    chart->addSeries(series);

    // Letters alone: Qt Charts cuts short a label that does not fit its bar's room with some to
    // spare, and at this size a count or a mark beside the letter does not.
    m_letterAxis = new QBarCategoryAxis(chart);
    m_letterAxis->setGridLineVisible(false);
    QBarCategoryAxis *letterAxis = m_letterAxis;
    auto *percentAxis = new QValueAxis(chart);
    percentAxis->setRange(0.0, 100.0);
    percentAxis->setTickCount(6);
    percentAxis->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(letterAxis, Qt::AlignBottom);
    chart->addAxis(percentAxis, Qt::AlignLeft);
    series->attachAxis(letterAxis);
    series->attachAxis(percentAxis);

    connect(series, &QStackedBarSeries::hovered, this,
            [this](bool hovered, int index, QBarSet *) { showBarTip(hovered, index); });
}

void LetterChart::showLetters(const std::array<LetterAccuracy, sendableCount> &letters)
{
    // The letters always; figures, punctuation and procedure signs once they have been sent.
    m_letters.clear();
    for (const LetterAccuracy &letter : letters) {
        if (letter.letter.isLetter() || letter.outcomes > 0)
            m_letters.push_back(letter);
    }
    const std::optional<QChar> weakest = weakestLetter(letters);
    QStringList categories;
    QList<qreal> accuracy;
    QList<qreal> hatched;
    for (std::size_t i = 0; i < m_letters.size(); ++i) {
        const LetterAccuracy &letter = m_letters[i];
        const bool isWeakest = weakest == letter.letter;
        categories << QString(letter.letter);
        accuracy << letter.accuracy;
        hatched << (isWeakest ? 100.0 - letter.accuracy : 0.0);
    }
    m_letterAxis->setCategories(categories);
    m_bars->remove(0, m_bars->count());
    m_bars->append(accuracy);
    m_weakest->remove(0, m_weakest->count());
    m_weakest->append(hatched);
    for (int i = 0; i < int(m_letters.size()); ++i)
        m_bars->setBarSelected(i, weakest == m_letters[std::size_t(i)].letter);
}

void LetterChart::showBarTip(bool hovered, int index)
{
    if (!hovered || index < 0 || index >= int(m_letters.size())) {
        QToolTip::hideText();
        return;
    }
    const LetterAccuracy &letter = m_letters[std::size_t(index)];
    const QString text = letter.outcomes == 0
                             ? QStringLiteral("%1: not sent yet").arg(letter.letter)
                             : QStringLiteral("%1: %2 of the last %3 read right (%4)")
                                   .arg(letter.letter)
                                   .arg(letter.right)
                                   .arg(letter.outcomes)
                                   .arg(percentText(letter.accuracy));
    QToolTip::showText(QCursor::pos(), text, this);
}

} // namespace blinket
