// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/letterchart.h"

#include "ui/percenttext.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QToolTip>
#include <QValueAxis>

namespace blinket {

LetterChart::LetterChart(QWidget *parent) : QChartView(parent)
{
    auto *chart = new QChart();
    setChart(chart);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->hide();

    auto *series = new QBarSeries(chart);
    series->setBarWidth(0.8);
    m_bars = new QBarSet(QStringLiteral("Accuracy  דיוק"), series);
    m_bars->setObjectName(QStringLiteral("letterAccuracy"));
    m_bars->setColor(QColor(0x1f, 0x5f, 0xa8));
    m_bars->setBorderColor(QColor(0x1f, 0x5f, 0xa8));
    m_bars->setSelectedColor(QColor(0xd9, 0x5f, 0x02));
    m_bars->append(QList<qreal>(alphabetSize, 0.0));
    series->append(m_bars);
    chart->addSeries(series);

    m_letterAxis = new QBarCategoryAxis(chart);
    m_letterAxis->setGridLineVisible(false);
    auto *percentAxis = new QValueAxis(chart);
    percentAxis->setRange(0.0, 100.0);
    percentAxis->setTickCount(6);
    percentAxis->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(m_letterAxis, Qt::AlignBottom);
    chart->addAxis(percentAxis, Qt::AlignLeft);
    series->attachAxis(m_letterAxis);
    series->attachAxis(percentAxis);

    connect(series, &QBarSeries::hovered, this,
            [this](bool hovered, int index, QBarSet *) { showBarTip(hovered, index); });
    showLetters(m_letters);
}

void LetterChart::showLetters(const std::array<LetterAccuracy, alphabetSize> &letters)
{
    m_letters = letters;
    const std::optional<QChar> weakest = weakestLetter(letters);
    QStringList labels;
    m_bars->deselectAllBars();
    for (int i = 0; i < alphabetSize; ++i) {
        const LetterAccuracy &letter = letters[std::size_t(i)];
        const bool isWeakest = weakest == letter.letter;
        labels << (isWeakest ? QStringLiteral("▼") : QString()) + QString(letter.letter) + u'\n' +
                      QString::number(letter.outcomes);
        m_bars->replace(i, letter.accuracy);
        if (isWeakest)
            m_bars->selectBar(i);
    }
    m_letterAxis->setCategories(labels);
}

void LetterChart::showBarTip(bool hovered, int index)
{
    if (!hovered || index < 0 || index >= alphabetSize) {
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
                                   .arg(wholePercent(letter.accuracy));
    QToolTip::showText(QCursor::pos(), text, this);
}

} // namespace blinket
