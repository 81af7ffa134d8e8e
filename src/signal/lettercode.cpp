// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/lettercode.h"

#include <array>

namespace blinket {

namespace {

constexpr std::array<LetterCode, 26> table{{
    {'A', ".-", false},   {'B', "-...", false}, {'C', "-.-.", false}, {'D', "-..", true},
    {'E', ".", false},    {'F', "..-.", false}, {'G', "--.", true},   {'H', "....", false},
    {'I', "..", false},   {'J', ".---", false}, {'K', "-.-", true},   {'L', ".-..", false},
    {'M', "--", false},   {'N', "-.", false},   {'O', "---", false},  {'P', ".--.", false},
    {'Q', "--.-", false}, {'R', ".-.", false},  {'S', "...", false},  {'T', "-", false},
    {'U', "..-", false},  {'V', "...-", false}, {'W', ".--", false},  {'X', "-..-", false},
    {'Y', "-.--", false}, {'Z', "--..", false},
}};

} // namespace

std::optional<LetterCode> letterCode(const QString &text)
{
    if (text.size() != 1)
        return std::nullopt;
    const char16_t unit = text.front().unicode();
    if (unit < u'A' || unit > u'Z')
        return std::nullopt;
    return table[unit - u'A'];
}

} // namespace blinket
