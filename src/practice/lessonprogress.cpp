// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/lessonprogress.h"

#include <algorithm>

namespace blinket {

namespace {

// The progress of each lesson, its number already given, from the runs in time order.
void measure(std::span<LessonProgress> lessons, const std::vector<RunRecord> &runs)
{
    std::vector<std::vector<int>> accuracies(lessons.size());
    for (const RunRecord &run : runs) {
        if (run.kind != RunKind::Lesson)
            continue;
        const auto found = std::ranges::find(lessons, run.lesson, &LessonProgress::lesson);
        if (found != lessons.end())
            accuracies[std::size_t(found - lessons.begin())].push_back(run.accuracy());
    }
    for (std::size_t i = 0; i < lessons.size(); ++i) {
        const std::vector<int> &done = accuracies[i];
        LessonProgress &lesson = lessons[i];
        lesson.runs = int(done.size());
        if (done.empty())
            continue;
        lesson.best = std::ranges::max(done);
        lesson.last = done.back();
        // The good runs it ended on, counted back from the latest.
        int goodInARow = 0;
        for (auto run = done.rbegin(); run != done.rend() && goodInARow < runsToMaster; ++run) {
            if (*run < masteredPercent)
                break;
            ++goodInARow;
        }
        lesson.moreToMaster = runsToMaster - goodInARow;
        lesson.mastered = lesson.moreToMaster == 0;
    }
}

} // namespace

std::array<LessonProgress, lessonCount> lessonProgress(const std::vector<RunRecord> &runs)
{
    std::array<LessonProgress, lessonCount> lessons{};
    for (int i = 0; i < lessonCount; ++i)
        lessons[std::size_t(i)].lesson = i + 1;
    measure(lessons, runs);
    return lessons;
}

std::array<LessonProgress, hebrewLessonCount>
hebrewLessonProgress(const std::vector<RunRecord> &runs)
{
    std::array<LessonProgress, hebrewLessonCount> lessons{};
    for (std::size_t i = 0; i < lessons.size(); ++i)
        lessons[i].lesson = keptLessonNumber(hebrewLessons[i]);
    measure(lessons, runs);
    return lessons;
}

std::optional<int> nextLesson(std::span<const LessonProgress> lessons)
{
    const auto open = std::ranges::find_if(
        lessons, [](const LessonProgress &lesson) { return !lesson.mastered; });
    if (open == lessons.end())
        return std::nullopt;
    return open->lesson;
}

} // namespace blinket
