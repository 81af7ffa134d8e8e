// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/progressreport.h"

#include "ui/progress/pointedchart.h"

#include <optional>
#include <vector>

class QBarCategoryAxis;
class QBarSet;
class QScatterSeries;

namespace blinket {

// A bar for each letter A to Z and each other character ever sent: how often it was read right
// lately, in the bar set named "plainBars". The weakest character's bar is hatched instead: the
// bar set named "weakestBar" holds its value alone. A character never read has no bar but a
// small ring on the base line, a point of the series named "notReadMarks", so that it does not
// pass for one never read right. Pointing at a column tells what its bar stands on.
class LetterChart : public PointedChart
{
    Q_OBJECT
public:
    explicit LetterChart(QWidget *parent = nullptr);

    void showCharacters(const ProgressReport &report);

private:
    // Empty away from every column.
    QString tipAt(QPoint at) const override;

    std::vector<CharacterReport> m_characters; // those with a column, in its order
    std::optional<QChar> m_weakest;
    QBarCategoryAxis *m_characterAxis = nullptr;
    QBarSet *m_bars = nullptr;
    QBarSet *m_weakestBar = nullptr;
    QScatterSeries *m_notRead = nullptr;
};

} // namespace blinket
