// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/hebrewlessons.h"
#include "runs/lessons.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <optional>

// Header only: the Progress module, which links nothing of ours, names the kinds too.

namespace blinket {

// What kind of run a run is: random groups (A to Z, a lesson, weak letters), words (a text
// run), a message received as a signal station does (a drill, or its exam form), or a
// keying: the learner sends with the lamp and the program reads it back.
enum class RunKind { AtoZ, Lesson, WeakLetters, Text, Drill, Exam, Keying };

// Each kind with the word the practice history and its export keep it as, and its name as a
// learner reads it (a lesson's with its number).
struct RunKindName
{
    RunKind kind;
    const char16_t *word;
    const char *name;
};

inline constexpr std::array<RunKindName, 7> runKindNames{{
    {RunKind::AtoZ, u"atoz", QT_TRANSLATE_NOOP("RunKind", "A to Z")},
    {RunKind::Lesson, u"lesson", QT_TRANSLATE_NOOP("RunKind", "Lesson %1 (%2)")},
    {RunKind::WeakLetters, u"weak", QT_TRANSLATE_NOOP("RunKind", "Weak letters")},
    {RunKind::Text, u"text", QT_TRANSLATE_NOOP("RunKind", "Text run")},
    {RunKind::Drill, u"drill", QT_TRANSLATE_NOOP("RunKind", "Message drill")},
    {RunKind::Exam, u"exam", QT_TRANSLATE_NOOP("RunKind", "Message exam")},
    {RunKind::Keying, u"keying", QT_TRANSLATE_NOOP("RunKind", "Keying")},
}};

// The word a kind is kept as: "atoz", "lesson", "weak", "text", "drill", "exam", "keying".
inline QString kindWord(RunKind kind)
{
    return QString::fromUtf16(std::ranges::find(runKindNames, kind, &RunKindName::kind)->word);
}

// The kind a kept word stands for; nothing for a word we do not know.
inline std::optional<RunKind> kindFromWord(QStringView word)
{
    const auto found = std::ranges::find_if(
        runKindNames, [word](const RunKindName &each) { return word == each.word; });
    return found == runKindNames.end() ? std::nullopt : std::optional(found->kind);
}

// A lesson of Hebrew letters is a lesson run too, named apart from the Latin one of its number.
inline constexpr const char *hebrewLessonName =
    QT_TRANSLATE_NOOP("RunKind", "Hebrew lesson %1 (%2)");

// A kind's name for the learner, in the desktop's language: "Lesson 3 (WG)" for lesson 3,
// "Hebrew lesson 1 (ו י ש)" for lesson 101.
inline QString kindName(RunKind kind, int lesson = 0)
{
    if (const std::optional<HebrewLesson> hebrew = hebrewLessonKeptAs(lesson);
        kind == RunKind::Lesson && hebrew) {
        return QCoreApplication::translate("RunKind", hebrewLessonName)
            .arg(hebrew->number)
            .arg(hebrewLettersApart(QStringView(hebrew->letters)));
    }
    const QString name = QCoreApplication::translate(
        "RunKind", std::ranges::find(runKindNames, kind, &RunKindName::kind)->name);
    if (kind != RunKind::Lesson)
        return name;
    const auto found = std::ranges::find(lessons, lesson, &Lesson::number);
    return name.arg(lesson).arg(found == lessons.end() ? QString()
                                                       : QString::fromUtf16(found->letters));
}

} // namespace blinket
