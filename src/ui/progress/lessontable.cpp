// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/lessontable.h"

#include "runs/hebrewlessons.h"
#include "ui/inlineletters.h"
#include "ui/progress/fewrowstable.h"

#include <QHeaderView>

namespace blinket {

namespace {

enum Column { LessonName, Runs, Best, Last, Mastered, ColumnCount };

} // namespace

LessonTable::LessonTable(QWidget *parent) : QTableWidget(0, ColumnCount, parent)
{
    setHorizontalHeaderLabels({tr("Lesson"), tr("Runs"), tr("Best"), tr("Last"), tr("Mastered")});
    showAsFewRows(*this);
    horizontalHeader()->setStretchLastSection(true);
    // All twelve lessons show without scrolling.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void LessonTable::showLessons(const std::vector<LessonReport> &lessons)
{
    setRowCount(int(lessons.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const LessonReport &lesson = lessons[std::size_t(row)];
        const bool done = lesson.runs > 0;
        // As the lesson's button names it; a Hebrew lesson, which has none, by its own number.
        setCell(row, LessonName,
                QStringLiteral("%1 (%2)")
                    .arg(shownLessonNumber(lesson.lesson))
                    .arg(inLine(lessonLetters(lesson.letters), layoutDirection())));
        setCell(row, Runs, QString::number(lesson.runs));
        setCell(row, Best, done ? percentText(lesson.best) : QStringLiteral("–"));
        setCell(row, Last, done ? percentText(lesson.last) : QStringLiteral("–"));
        setCell(row, Mastered,
                lesson.moreToMaster == 0
                    ? QStringLiteral("✓")
                    : tr("%n more", "runs at 90 % or more", lesson.moreToMaster));
    }
}

void LessonTable::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem();
        // Figures line up on the right, names on the left, the mastery in the middle.
        const Qt::Alignment across = column == LessonName ? Qt::AlignLeft
                                     : column == Mastered ? Qt::AlignHCenter
                                                          : Qt::AlignRight;
        cell->setTextAlignment(across | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

} // namespace blinket
