// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/practicestats.h"
#include "signal/characters.h"

#include <QChartView>

#include <array>

class QBarCategoryAxis;
class QBarSet;

class QBarCategoryAxis;

namespace blinket {

// A bar for each letter A to Z and each other character ever sent: how often it was read right
// lately; the bar set named "letterAccuracy". The weakest letter's bar is selected, which draws it
// in another colour, and its column is hatched above the bar up to 100 %, the only value of the bar
// set named "weakestLetter". Pointing at a bar tells how many readings it stands on.
class LetterChart : public QChartView
{
    Q_OBJECT
public:
    explicit LetterChart(QWidget *parent = nullptr);

    void showLetters(const std::array<LetterAccuracy, sendableCount> &letters);

private:
    void showBarTip(bool hovered, int index);

    std::vector<LetterAccuracy> m_letters; // those with a bar, in its order
    QBarCategoryAxis *m_letterAxis = nullptr;
    QBarSet *m_bars = nullptr;
    QBarSet *m_weakest = nullptr;
};

} // namespace blinket
