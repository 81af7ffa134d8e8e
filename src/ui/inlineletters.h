// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "runs/hebrewlessons.h"

#include <QString>

#include <algorithm>

namespace blinket {

// Header only: the Progress module uses it too, and links nothing of ours.

inline bool holdsHebrewLetter(QStringView text)
{
    return std::ranges::any_of(text, [](QChar c) { return c >= u'\u05D0' && c <= u'\u05EA'; });
}

// Characters named in a sentence of a window of the given direction. In a left-to-right window,
// Hebrew letters are marked left to right on both sides, so that the sentence keeps its order
// around them: a line that starts with one would otherwise be laid out right to left, and a
// comma or a count after one would come before it.
inline QString inLine(const QString &text, Qt::LayoutDirection window)
{
    if (window != Qt::LeftToRight || !holdsHebrewLetter(text))
        return text;
    return QChar(u'\u200E') + text + QChar(u'\u200E');
}

// A lesson's letters as they are shown: Hebrew ones apart.
inline QString lessonLetters(const QString &letters)
{
    return holdsHebrewLetter(letters) ? hebrewLettersApart(letters) : letters;
}

} // namespace blinket
