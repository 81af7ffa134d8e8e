// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/keyinggrade.h"
#include "runs/messagedrillform.h"

#include <QString>

#include <optional>

namespace blinket {

// What a run that wrote its result line sent and took.
struct RunResult
{
    // In order, as the results box shows them: groups with two spaces between them, a text
    // run's words and a message drill's text as they are sent; none for the speed check.
    QString lettersSent;
    float seconds = 0.0f; // as the result line shows them
    // A message drill's alone; nothing after any other run.
    std::optional<DrillOutcome> drill;
    // A keying's grade, when it was graded.
    std::optional<KeyingGrade> keying;
};

} // namespace blinket
