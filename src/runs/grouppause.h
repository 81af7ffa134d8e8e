// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

namespace blinket {

// The pause between the groups of a run is made of blocks of two gaps that close a letter:
// two blocks in a random run, a text run and a message drill, one in a lesson.
inline constexpr double gapPauseUnits = 5.0;
inline constexpr int randomRunGapPauses = 2;
inline constexpr int lessonGapPauses = 1;

} // namespace blinket
