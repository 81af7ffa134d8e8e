// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/progressreport.h"

#include <QTableWidget>

#include <vector>

namespace blinket {

// One row per lesson in the order of their numbers: the lesson with its letters ("3 (WG)"),
// the runs done, the best and the last accuracy in whole percent, and a check mark once
// mastered, else how many more runs at 90 % or more it takes ("2 more").
class LessonTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit LessonTable(QWidget *parent = nullptr);

    void showLessons(const std::vector<LessonReport> &lessons);

private:
    void setCell(int row, int column, const QString &text);
};

} // namespace blinket
