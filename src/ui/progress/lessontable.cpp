// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/lessontable.h"

#include "practice/accuracy.h"
#include "runs/lessons.h"

#include <QHeaderView>

namespace blinket {

namespace {

enum Column { LessonName, Runs, Best, Last, Mastered, ColumnCount };

} // namespace

LessonTable::LessonTable(QWidget *parent) : QTableWidget(lessonCount, ColumnCount, parent)
{
    setHorizontalHeaderLabels({QStringLiteral("Lesson  שיעור"), QStringLiteral("Runs  ריצות"),
                               QStringLiteral("Best  שיא"), QStringLiteral("Last  אחרונה"),
                               QStringLiteral("Mastered  נשלט")});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::TabFocus);
    // As the lesson switch names them.
    for (const Lesson &lesson : lessons) {
        setCell(lesson.number - 1, LessonName,
                QStringLiteral("%1 (%2)").arg(lesson.number).arg(QStringView(lesson.letters)));
    }
    // Rows as tall as the text needs, and the table as big as its rows and columns, so that
    // all twelve lessons show without scrolling.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void LessonTable::showLessons(const std::array<LessonProgress, lessonCount> &progress)
{
    for (const LessonProgress &lesson : progress) {
        const int row = lesson.lesson - 1;
        const bool done = lesson.runs > 0;
        setCell(row, Runs, QString::number(lesson.runs));
        setCell(row, Best, done ? percentText(lesson.best) : QStringLiteral("–"));
        setCell(row, Last, done ? percentText(lesson.last) : QStringLiteral("–"));
        setCell(row, Mastered, lesson.mastered ? QStringLiteral("✓") : QString());
    }
}

void LessonTable::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem();
        // Figures line up on the right, names on the left, the check mark in the middle.
        const Qt::Alignment across = column == LessonName ? Qt::AlignLeft
                                     : column == Mastered ? Qt::AlignHCenter
                                                          : Qt::AlignRight;
        cell->setTextAlignment(across | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

} // namespace blinket
