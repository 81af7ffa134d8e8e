// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <span>
#include <string_view>

namespace blinket {

// The words a text run sends when the learner has chosen no text file, upper case, each once:
// common English words, and the words and short forms of signal traffic at sea.
std::span<const std::string_view> builtInWords();
// The words a run of Hebrew letters sends when the learner has chosen no text file, each once:
// common Hebrew words and those of signal traffic at sea, without points.
std::span<const std::u16string_view> hebrewBuiltInWords();

} // namespace blinket
