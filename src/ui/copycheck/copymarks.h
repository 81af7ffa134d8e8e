// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "practice/copyscore.h"

#include <QString>

namespace blinket {

// The letters sent in their groups of five, and under each the letter typed, as rich text
// for a text browser, in a fixed-width font so that the two rows line up. Every mark shows
// in its shape as well as in its colour: a right letter stands plain, a wrong one is bold
// and underlined, a missed one is a dash, and an extra one is marked by a plus above it.
QString copyMarksHtml(const std::vector<AlignedLetter> &aligned);

// What the marks mean, in the same shapes.
QString copyMarksLegendHtml();

} // namespace blinket
