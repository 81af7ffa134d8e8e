// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"
#include "runs/hebrewlessons.h"
#include "runs/lessons.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace blinket {

// A lesson is mastered at masteredPercent or more in each of this many runs in a row, its
// latest among them.
inline constexpr int runsToMaster = 3;

// How far the learner has come with one lesson.
struct LessonProgress
{
    int lesson = 0; // its number as kept: 1 to 12, or 101 to 108 for a Hebrew lesson
    int runs = 0;
    int best = 0; // the highest accuracy of its runs, in whole percent; 0 before the first
    int last = 0; // the accuracy of its latest run; 0 before the first
    // masteredPercent or more in each of its last three runs (so never before the third run).
    bool mastered = false;
    // How many more runs at masteredPercent or more it takes to master it: 0 once mastered,
    // fewer for each such run it ended on.
    int moreToMaster = runsToMaster;
};

// Lessons 1 to 12 in number order, from the runs in time order.
std::array<LessonProgress, lessonCount> lessonProgress(const std::vector<RunRecord> &runs);

// The Hebrew lessons 1 to 8 in number order (kept as 101 to 108), from the runs in time order.
std::array<LessonProgress, hebrewLessonCount>
hebrewLessonProgress(const std::vector<RunRecord> &runs);

// The first lesson in number order not yet mastered; nothing when all are.
std::optional<int> nextLesson(std::span<const LessonProgress> lessons);

} // namespace blinket
