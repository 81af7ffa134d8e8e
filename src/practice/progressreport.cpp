// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/progressreport.h"

#include "practice/lessonprogress.h"
#include "practice/practicestats.h"
#include "runs/hebrewlessons.h"
#include "runs/lessons.h"
#include "signal/characters.h"

#include <algorithm>
#include <functional>
#include <span>

namespace blinket {

namespace {

RunSeries seriesOf(const std::vector<RunRecord> &runs, RunGroup group,
                   const std::function<bool(const RunRecord &)> &belongs, int lesson = 0)
{
    RunSeries series;
    series.group = group;
    series.lesson = lesson;
    std::vector<double> accuracies;
    std::vector<double> merits;
    for (const RunRecord &run : runs) {
        if (!belongs(run))
            continue;
        RunPoint point{run.id,      run.startedUtc, run.kind, run.lesson, run.speed,
                       run.minutes, run.accuracy(), 0.0,      {},         0.0};
        if (run.keying) {
            point.merit = run.keying->merit;
            merits.push_back(double(run.keying->merit));
        }
        series.runs.push_back(std::move(point));
        accuracies.push_back(double(run.accuracy()));
    }
    const std::vector<double> averages = movingAverage(accuracies);
    // The merit's average runs over the keyings alone, as a lesson's over the lesson's runs.
    const std::vector<double> meritAverages = movingAverage(merits);
    std::size_t keying = 0;
    for (std::size_t i = 0; i < series.runs.size(); ++i) {
        series.runs[i].recentAverage = averages[i];
        if (series.runs[i].merit)
            series.runs[i].recentMerit = meritAverages[keying++];
    }
    return series;
}

QString lettersOf(int lesson)
{
    if (const std::optional<HebrewLesson> hebrew = hebrewLessonKeptAs(lesson))
        return QString::fromUtf16(hebrew->letters);
    const auto found = std::ranges::find(lessons, lesson, &Lesson::number);
    return found == lessons.end() ? QString() : QString::fromUtf16(found->letters);
}

std::function<bool(const RunRecord &)> ofKind(RunKind kind)
{
    return [kind](const RunRecord &run) { return run.kind == kind; };
}

RunSeries lessonSeries(const std::vector<RunRecord> &runs, int number)
{
    RunSeries series = seriesOf(
        runs, RunGroup::Lesson,
        [number](const RunRecord &run) {
            return run.kind == RunKind::Lesson && run.lesson == number;
        },
        number);
    series.letters = lettersOf(number);
    return series;
}

std::vector<LessonReport> lessonReports(std::span<const LessonProgress> progress)
{
    std::vector<LessonReport> lessons;
    for (const LessonProgress &lesson : progress) {
        lessons.push_back({lesson.lesson, lettersOf(lesson.lesson), lesson.runs, lesson.best,
                           lesson.last, lesson.moreToMaster});
    }
    return lessons;
}

} // namespace

ProgressReport progressReport(const std::vector<RunRecord> &runs, bool hebrew)
{
    ProgressReport report;
    report.series.push_back(seriesOf(runs, RunGroup::All, [](const RunRecord &) { return true; }));
    report.series.push_back(seriesOf(runs, RunGroup::AtoZ, ofKind(RunKind::AtoZ)));
    report.series.push_back(seriesOf(runs, RunGroup::WeakLetters, ofKind(RunKind::WeakLetters)));
    for (const Lesson &lesson : lessons)
        report.series.push_back(lessonSeries(runs, lesson.number));
    if (hebrew) {
        for (const HebrewLesson &lesson : hebrewLessons)
            report.series.push_back(lessonSeries(runs, keptLessonNumber(lesson)));
    }
    report.series.push_back(seriesOf(runs, RunGroup::Text, ofKind(RunKind::Text)));
    report.series.push_back(seriesOf(runs, RunGroup::Messages, [](const RunRecord &run) {
        return run.kind == RunKind::Drill || run.kind == RunKind::Exam;
    }));
    report.series.push_back(seriesOf(runs, RunGroup::Keying, ofKind(RunKind::Keying)));

    const std::array<LetterAccuracy, sendableCount> letters = letterAccuracies(runs);
    // The chosen alphabet's letters always; any other character once it was sent.
    const CharacterGroup always = hebrew ? CharacterGroup::HebrewLetters : CharacterGroup::Letters;
    for (const LetterAccuracy &letter : letters) {
        if (!belongsTo(letter.letter, always) && letter.outcomes == 0)
            continue;
        report.characters.push_back({letter.letter, procedureSignName(letter.letter),
                                     letter.outcomes, letter.right, letter.accuracy});
    }
    report.weakest = weakestLetter(letters);
    report.confusions = confusions(runs);
    report.lights = accuracyByLight(runs);

    report.hebrewLessons = hebrew;
    if (hebrew) {
        const std::array<LessonProgress, hebrewLessonCount> progress = hebrewLessonProgress(runs);
        report.lessons = lessonReports(progress);
        report.nextLesson = nextLesson(progress);
    } else {
        const std::array<LessonProgress, lessonCount> progress = lessonProgress(runs);
        report.lessons = lessonReports(progress);
        report.nextLesson = nextLesson(progress);
    }
    return report;
}

} // namespace blinket
