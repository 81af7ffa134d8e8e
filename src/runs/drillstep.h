// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

namespace blinket {

// The step of a message drill the learner is at, so that the window can say what the drill
// waits for: none outside a drill.
struct DrillStep
{
    enum class Kind { None, Call, Identity, Group, ExamGroup, Ending };
    Kind kind = Kind::None;
    int group = 0;      // Group, ExamGroup: which, from 1
    int groups = 0;     // of how many
    bool words = false; // the text is words, not groups
    bool exam = false;
    bool keyed = false; // answered with the lamp key too

    friend bool operator==(const DrillStep &, const DrillStep &) = default;
};

} // namespace blinket
