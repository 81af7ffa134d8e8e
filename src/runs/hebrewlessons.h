// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

// Header only: the Progress module, which links nothing of ours, names these lessons too.

namespace blinket {

// A lesson of Hebrew letters: its number (the order to learn them in) and the letters it draws
// from, in the order of its draws. No button of the main window starts one: the Progress window
// does, when the learner chose the Hebrew letters.
struct HebrewLesson
{
    int number;
    const char16_t *letters;
};

inline constexpr int hebrewLessonCount = 8;

// Each of the 22 letters once. The shortest signs first, all dots and then all dashes, so that
// the eye learns short against long; then signs that differ in one element side by side (ח ....
// and ש ..., א .- and ט ..-), the longest last. The letters Hebrew uses most, י ו ה מ ת ש א,
// all come in the first three lessons. Beside each, the Latin letters of the same signs.
inline constexpr std::array<HebrewLesson, hebrewLessonCount> hebrewLessons{{
    {1, u"\u05D5\u05D9\u05E9"}, // ו י ש: E I S
    {2, u"\u05EA\u05DE\u05D4"}, // ת מ ה: T M O
    {3, u"\u05D7\u05D0\u05D8"}, // ח א ט: H A U
    {4, u"\u05E0\u05D3\u05D1"}, // נ ד ב: N D B
    {5, u"\u05DB\u05E8"},       // כ ר: K R
    {6, u"\u05E6\u05D2"},       // צ ג: W G
    {7, u"\u05DC\u05E4\u05E2"}, // ל פ ע: L P J
    {8, u"\u05D6\u05E7\u05E1"}, // ז ק ס: Z Q C
}};

// The practice history keeps a run of Hebrew lesson n as lesson 100 + n, apart from the Latin
// lessons 1 to 12: a lesson run is one kind whatever its letters, and a history kept before the
// Hebrew lessons reads as it did.
inline constexpr int hebrewLessonOffset = 100;

// The number a run of this lesson is kept under: 101 to 108.
inline constexpr int keptLessonNumber(const HebrewLesson &lesson)
{
    return hebrewLessonOffset + lesson.number;
}

// The Hebrew lesson a kept lesson number stands for; nothing for a Latin lesson's, or any other.
inline std::optional<HebrewLesson> hebrewLessonKeptAs(int lesson)
{
    const auto found =
        std::ranges::find(hebrewLessons, lesson - hebrewLessonOffset, &HebrewLesson::number);
    if (found == hebrewLessons.end())
        return std::nullopt;
    return *found;
}

// A kept lesson number as the learner counts the lessons: 1 to 8 for a Hebrew lesson (kept as
// 101 to 108), a Latin lesson's as it is.
inline int shownLessonNumber(int lesson)
{
    const std::optional<HebrewLesson> hebrew = hebrewLessonKeptAs(lesson);
    return hebrew ? hebrew->number : lesson;
}

// A Hebrew lesson's letters as the learner sees them named: apart, so that they do not read as
// a word (ויש is "and there is").
inline QString hebrewLettersApart(QStringView letters)
{
    QStringList apart;
    for (const QChar c : letters)
        apart << QString(c);
    return apart.join(u' ');
}

} // namespace blinket
