// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/exercise.h"
#include "runs/lampkey.h"
#include "runs/sender.h"

#include <QString>

namespace blinket {

// The learner sends with the lamp: the window shows what to send above the lamp, the lamp
// follows the lamp key, and what the keying reads as shows as it is keyed. It ends when what
// was read is what was asked and the last letter is closed, when the learner presses Enter
// (graded then), or at Stop (nothing graded). A key held as it ends lets the lamp go dark.
class KeyingExercise : public Exercise
{
public:
    // asked: the characters to send; prompt: what the window shows (a signal with its
    // meaning); priorUnit: the learner's dot (seconds) to assume until the keying tells.
    KeyingExercise(Sender &sender, LampKey &key, QString asked, QString prompt, double priorUnit);

    // Its result holds the grade when the keying was graded.
    RunResult run() override;

private:
    bool keyedAsAsked(const KeyReading &reading, const std::vector<KeyStroke> &strokes) const;

    Sender &m_sender;
    LampKey &m_key;
    const QString m_asked;
    const QString m_prompt;
    const double m_priorUnit;
    // Asked in Hebrew letters: signs read as those.
    const bool m_hebrew;
};

} // namespace blinket
