// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/alphabet.h"
#include "practice/practicestats.h"

#include <QChartView>

#include <array>

class QBarCategoryAxis;
class QBarSet;

namespace blinket {

// A bar for each letter A to Z: how often it was read right lately. Each category label names
// the letter over the number of outcomes its bar stands on ("S\n12"); the weakest letter's
// label starts with "▼" and its bar is selected, which draws it in another colour. The bars
// are the chart's bar set named "letterAccuracy".
class LetterChart : public QChartView
{
    Q_OBJECT
public:
    explicit LetterChart(QWidget *parent = nullptr);

    void showLetters(const std::array<LetterAccuracy, alphabetSize> &letters);

private:
    void showBarTip(bool hovered, int index);

    std::array<LetterAccuracy, alphabetSize> m_letters{};
    QBarSet *m_bars = nullptr;
    QBarCategoryAxis *m_letterAxis = nullptr;
};

} // namespace blinket
