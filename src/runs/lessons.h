// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QStringView>

#include <array>
#include <optional>

namespace blinket {

// A lesson: its number (the order to learn them in), the index of its start button, and
// the letters it draws from in the order of its draws, which are also the button's caption.
struct Lesson
{
    int number;
    qint16 index;
    const char16_t *letters;
};

inline constexpr int lessonCount = 12;

// The lessons, in the order of their numbers.
inline constexpr std::array<Lesson, lessonCount> lessons{{
    {1, 3, u"EISH"},
    {2, 1, u"TMO"},
    {3, 4, u"WG"},
    {4, 0, u"AUV"},
    {5, 2, u"NDB"},
    {6, 5, u"KR"},
    {7, 6, u"PX"},
    {8, 9, u"NA"},
    {9, 8, u"DU"},
    {10, 7, u"YQ"},
    {11, 10, u"LF"},
    {12, 12, u"ZJC"},
}};

// The lesson whose button has this index; nothing for an index without a button (11).
std::optional<Lesson> lessonAt(qint16 index);

} // namespace blinket
