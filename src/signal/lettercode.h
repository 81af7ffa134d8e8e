// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace blinket {

// One row of the letter table: its dots and dashes, and whether the last element is
// followed by an extra inner gap before the closing one (K, D and G).
struct LetterCode
{
    char letter;
    std::string_view elements; // '.' dot, '-' dash
    bool extraClosingGap;
};

// The row for a text that is exactly one of the upper-case letters A to Z, else nothing.
std::optional<LetterCode> letterCode(const QString &text);

} // namespace blinket
