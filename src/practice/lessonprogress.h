// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace blinket {

inline constexpr int lessonCount = 12;

// How far the learner has come with one lesson.
struct LessonProgress
{
    int lesson = 0; // its number, 1 to 12
    int runs = 0;
    int best = 0; // the highest accuracy of its runs, in whole percent; 0 before the first
    int last = 0; // the accuracy of its latest run; 0 before the first
    // masteredPercent or more in each of its last three runs (so never before the third run).
    bool mastered = false;
};

// Lessons 1 to 12 in number order, from the runs in time order.
std::array<LessonProgress, lessonCount> lessonProgress(const std::vector<RunRecord> &runs);

// The first lesson in number order not yet mastered; nothing when all are.
std::optional<int> nextLesson(const std::array<LessonProgress, lessonCount> &lessons);

// The advice under the lesson table: "Next: lesson 3 (WG)." or, when every lesson is
// mastered, "All twelve lessons are mastered." The letters are the lesson's as its button
// shows them; the run code owns which letters a lesson has, so the window passes them in
// rather than this layer keeping a second copy. Without letters: "Next: lesson 3."
QString adviceLine(std::optional<int> lesson, QStringView letters);

} // namespace blinket
