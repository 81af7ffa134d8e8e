// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

namespace blinket {

// Where a text run takes its words from: each call gives the next word to send, upper-case,
// made only of characters the program can send.
class WordSource
{
public:
    virtual ~WordSource() = default;
    virtual QString nextWord() = 0;
};

} // namespace blinket
