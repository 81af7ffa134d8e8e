// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/runresult.h"

namespace blinket {

// One kind of run: it sends, waits for the learner where its procedure says, and tells what
// it sent and what came back. It holds the thread until its result line is written; Stop and
// events are seen only where its sending lets events through.
class Exercise
{
public:
    virtual ~Exercise() = default;
    virtual RunResult run() = 0;
};

} // namespace blinket
