// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/exercise.h"
#include "runs/sender.h"
#include "runs/wordsource.h"

namespace blinket {

// Words, one after another with the pause between groups between them, until the minutes have
// passed or Stop; Stop is also seen after each character of a word.
class TextRun : public Exercise
{
public:
    TextRun(Sender &sender, WordSource &words) : m_sender(sender), m_words(words) {}
    RunResult run() override;

private:
    void sendWords();

    Sender &m_sender;
    WordSource &m_words;
};

} // namespace blinket
