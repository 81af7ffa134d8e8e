// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/randomdraw.h"
#include "runs/sender.h"

namespace blinket {

// The timed training runs as their buttons start them: random letters from A to Z (RunMode 0),
// the speed check that sends PARIS (RunMode 1), and the lessons that draw from a small group
// of letters. A run holds the thread until its result line is written; events are handled
// only inside the signal elements.
class RunDriver
{
public:
    explicit RunDriver(Sender &sender) : m_sender(sender) {}

    // A run of random letters A to Z (RunMode 0) or the speed check (RunMode 1).
    void RunDrill();
    // The same, its random characters chosen by choice instead of evenly from A to Z.
    void RunDrill(const LetterChoice &choice);
    // A lesson run drawing from the letters of button Index.
    void Command3_Click(qint16 Index);
    // A lesson run drawing from the letters of group, as a lesson's button runs one; nothing for
    // none.
    void sendLesson(QStringView group);

private:
    void sendLetters(const std::function<QString()> &drawLetter, int gapPauses);
    void sendTryWords();

    Sender &m_sender;
};

} // namespace blinket
