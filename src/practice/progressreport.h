// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/accuracy.h"
#include "practice/confusion.h"
#include "practice/lightaccuracy.h"
#include "practice/runrecord.h"

#include <QChar>
#include <QDateTime>
#include <QString>

#include <algorithm>
#include <optional>
#include <vector>

// Everything the Progress window shows, worked out by the program. The window lives in a
// module of its own that links nothing of ours: it takes these values and calls only inline
// functions of them, so this header holds plain values and inline functions, and
// progressReport() is for the program's side alone.

namespace blinket {

// Which runs a series of the accuracy chart holds. Message drills hold their exams too.
enum class RunGroup { All, AtoZ, WeakLetters, Lesson, Text, Messages, Keying };

// One run on the accuracy chart.
struct RunPoint
{
    qint64 id = 0;
    QDateTime startedUtc;
    RunKind kind = RunKind::AtoZ;
    int lesson = 0;             // a lesson run's number as kept (RunRecord::lesson), else 0
    QString speed;              // as typed
    QString minutes;            // as typed
    int accuracy = 0;           // RunRecord::accuracy()
    double recentAverage = 0.0; // of this run and up to four before it in its series
    // A keying's merit (0 to 100), and the average of it and up to four keyings before it in
    // its series; nothing and 0 for any other run.
    std::optional<int> merit;
    double recentMerit = 0.0;
};

// The runs of one group, oldest first.
struct RunSeries
{
    RunGroup group = RunGroup::All;
    int lesson = 0;  // for RunGroup::Lesson, its number as kept (101 to 108 for a Hebrew one)
    QString letters; // for RunGroup::Lesson, its letters as its button shows them ("WG")
    std::vector<RunPoint> runs;
};

// How one character was read lately.
struct CharacterReport
{
    QChar character;
    QString signName; // a procedure sign's letters ("AR" for '+'); empty for any other
    int readings = 0; // of its latest ones, at most recentReadings
    int right = 0;
    int accuracy = 0; // whole percent of readings; 0 when there are none

    // As the learner knows it: "E", or "+ (AR)" for a procedure sign.
    QString name() const
    {
        return signName.isEmpty() ? QString(character)
                                  : QString(character) + QStringLiteral(" (") + signName + u')';
    }
};

// How far the learner has come with one lesson.
struct LessonReport
{
    int lesson = 0; // its number as kept (101 to 108 for a Hebrew one: shownLessonNumber)
    QString letters;
    int runs = 0;
    int best = 0; // whole percent; 0 before the first run
    int last = 0;
    int moreToMaster = 0; // runs at masteredPercent or more still needed; 0 once mastered
};

struct ProgressReport
{
    // All runs, A to Z, weak letters, lessons 1 to 12, the Hebrew lessons when the learner
    // chose the Hebrew letters, text runs, message drills, keyings: each group is here, also
    // without runs.
    std::vector<RunSeries> series;
    // A to Z always (the 22 Hebrew letters instead when chosen), then every other character
    // once it has been sent, in table order; a keying's characters, sent by the learner, are
    // not readings.
    std::vector<CharacterReport> characters;
    // Of lowest accuracy among those with weakestReadings readings or more.
    std::optional<QChar> weakest;
    std::vector<Confusion> confusions; // most frequent first
    std::vector<LessonReport> lessons; // 1 to 12, or the Hebrew lessons 1 to 8 when chosen
    std::optional<int> nextLesson;     // the first not mastered; nothing when all are
    bool hebrewLessons = false;        // the lessons are the Hebrew ones
    std::vector<LightAccuracy> lights; // clear first (accuracyByLight)
    // A history file that had to be kept aside, told once; and why the history could not be
    // read. Empty when there is nothing to tell.
    QString problem;
    QString readError;

    bool noRuns() const { return series.empty() || series.front().runs.empty(); }
    // Whether any run was read under a light other than the clear one: a learner who never
    // changed the light has nothing to compare.
    bool readUnderLights() const
    {
        return std::ranges::any_of(lights,
                                   [](const LightAccuracy &shown) { return !shown.light.clear(); });
    }

    // c as the learner knows it (CharacterReport::name); a character never sent as itself.
    QString nameOf(QChar c) const
    {
        const auto shown = std::ranges::find(characters, c, &CharacterReport::character);
        return shown == characters.end() ? QString(c) : shown->name();
    }
};

// The report of the runs, given in time order, oldest first (as PracticeHistory::allRuns
// gives them), for a learner who chose the Hebrew letters (Options::hebrew) or not. Problems
// are for the caller to fill in.
ProgressReport progressReport(const std::vector<RunRecord> &runs, bool hebrew = false);

} // namespace blinket
