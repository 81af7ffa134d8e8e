// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/lessonprogress.h"

#include <algorithm>

namespace blinket {

namespace {

constexpr std::size_t runsToMaster = 3;

} // namespace

std::array<LessonProgress, lessonCount> lessonProgress(const std::vector<RunRecord> &runs)
{
    std::array<LessonProgress, lessonCount> lessons{};
    std::array<std::vector<int>, lessonCount> accuracies;
    for (int i = 0; i < lessonCount; ++i)
        lessons[std::size_t(i)].lesson = i + 1;
    for (const RunRecord &run : runs) {
        if (run.kind == RunKind::Lesson && run.lesson >= 1 && run.lesson <= lessonCount)
            accuracies[std::size_t(run.lesson - 1)].push_back(run.accuracy());
    }
    for (std::size_t i = 0; i < lessons.size(); ++i) {
        const std::vector<int> &done = accuracies[i];
        LessonProgress &lesson = lessons[i];
        lesson.runs = int(done.size());
        if (done.empty())
            continue;
        lesson.best = std::ranges::max(done);
        lesson.last = done.back();
        lesson.mastered = done.size() >= runsToMaster &&
                          std::all_of(done.end() - runsToMaster, done.end(),
                                      [](int accuracy) { return accuracy >= masteredPercent; });
    }
    return lessons;
}

std::optional<int> nextLesson(const std::array<LessonProgress, lessonCount> &lessons)
{
    const auto open = std::ranges::find_if(
        lessons, [](const LessonProgress &lesson) { return !lesson.mastered; });
    if (open == lessons.end())
        return std::nullopt;
    return open->lesson;
}

QString adviceLine(std::optional<int> lesson, QStringView letters)
{
    if (!lesson)
        return QStringLiteral("All twelve lessons are mastered.");
    if (letters.isEmpty())
        return QStringLiteral("Next: lesson %1.").arg(*lesson);
    return QStringLiteral("Next: lesson %1 (%2).").arg(*lesson).arg(letters);
}

} // namespace blinket
