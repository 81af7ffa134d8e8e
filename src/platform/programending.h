// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

namespace blinket {

// Thrown out of event processing and sleeps once the program is ending, so that a run in
// progress unwinds through our own frames at its next element. It is not an error: the
// handler guard swallows it without a word. Deliberately not a std::exception, so that no
// general catch mistakes it for one.
class ProgramEnding
{
};

} // namespace blinket
