// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QChar>

namespace blinket {

// The letters A to Z, the only ones a run sends.
inline constexpr int alphabetSize = 26;

// A letter's place in the alphabet, A = 0; -1 for anything but A to Z.
inline int letterIndex(QChar letter)
{
    const char16_t code = letter.unicode();
    return code >= u'A' && code <= u'Z' ? code - u'A' : -1;
}

// The letter at a place in the alphabet, 0 = A.
inline QChar letterAt(int index)
{
    return QChar(char16_t(u'A' + index));
}

} // namespace blinket
