// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

#include <span>

namespace blinket {

// A signal of the International Code that a station sends by light: its letters and what it
// means, in English for translation.
struct CodeSignal
{
    const char16_t *letters;
    const char *meaning;
};

// SOS and the single-letter signals.
std::span<const CodeSignal> codeSignals();
// A signal as the learner is asked to send it: "K: I wish to communicate with you", in the
// desktop's language.
QString signalPrompt(const CodeSignal &signal);

} // namespace blinket
