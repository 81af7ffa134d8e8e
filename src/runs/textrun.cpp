// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/textrun.h"

#include "runs/grouppause.h"

namespace blinket {

RunResult TextRun::run()
{
    m_sender.startRun(randomRunGapPauses * gapPauseUnits);
    sendWords();
    m_sender.restoreWindow();
    m_sender.writeResultLine();
    return m_sender.result();
}

void TextRun::sendWords()
{
    bool firstWord = true;
    while (m_sender.anotherStep()) {
        const QString word = m_words.nextWord();
        // A source with nothing more to give ends the run rather than spin on empty words.
        if (word.isEmpty())
            return;
        if (!firstWord) {
            m_sender.write(QStringLiteral(" "));
            m_sender.sendGroupPause(randomRunGapPauses);
        }
        firstWord = false;
        // A long word must not keep the learner waiting after Stop.
        if (!m_sender.sendSigns(word, true))
            return;
    }
}

} // namespace blinket
