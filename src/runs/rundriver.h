// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/platform.h"
#include "runs/runview.h"
#include "signal/signalelements.h"

#include <functional>

namespace blinket {

// The timed training runs: random letters from A to Z, the speed check that sends PARIS,
// and the lessons that draw from a small group of letters. A run holds the thread until its
// result line is written; events are handled only inside the signal elements.
class RunDriver
{
public:
    RunDriver(RunView &view, SignalElements &elements, Platform &platform, RunState state)
        : m_view(view), m_elements(elements), m_platform(platform), m_state(state)
    {}

    // A run of random letters (RunMode 0) or the speed check (RunMode 1).
    void RunDrill();
    // A lesson run drawing from the letters of button Index.
    void Command3_Click(qint16 Index);

    // Puts the window back as it is between runs, after an error cut a run short.
    void restoreAfterError();

private:
    using Control = RunView::Control;

    // Hides the two banners, the results box (emptied first) and both panels.
    void hideBannersResultsAndPanels();
    void leadIn();
    void startClock();
    void computeUnit();
    void sendLetters(const std::function<QString()> &drawLetter, int gapPauses);
    void sendTryWords();
    void restoreWindow();
    void writeResultLine();
    void appendToText1(const QString &text);
    // Seconds from the start of the sending to now, across local midnight too.
    float elapsedAt(float now) const;

    RunView &m_view;
    SignalElements &m_elements;
    Platform &m_platform;
    RunState m_state;
    float m_startTime = 0.0f;
};

} // namespace blinket
