// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

namespace blinket {

// A message drill paced by the learner's answers, or its exam form: five groups, each sent
// twice without waiting, with no call before them and no repeat on request.
enum class DrillForm { Practice, Exam };

// What became of a message drill beyond the text it sent.
struct DrillOutcome
{
    // What the learner typed of the text: each acknowledged group's answer, one space between;
    // in the exam form everything typed after the identity was acknowledged, as typed.
    QString copy;
    int repeats = 0;        // how often the learner asked for a group again
    bool completed = false; // the end of the message was acknowledged, not stopped
};

} // namespace blinket
