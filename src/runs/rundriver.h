// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/platform.h"
#include "runs/messagedrill.h"
#include "runs/receiver.h"
#include "runs/runoptions.h"
#include "runs/runview.h"
#include "runs/windowstate.h"
#include "runs/wordsource.h"
#include "signal/signalelements.h"

#include <functional>
#include <optional>

namespace blinket {

// The timed training runs: random letters from A to Z (or from the characters chosen), the
// speed check that sends PARIS, the lessons that draw from a small group of letters, and text
// runs that send words, and message drills the learner receives as a signal station does. A run
// holds the thread until its result line is written; events are handled only inside the signal
// elements and while a message drill waits for the learner.
class RunDriver
{
public:
    RunDriver(RunView &view, SignalElements &elements, Platform &platform, WindowState &state)
        : m_view(view), m_elements(elements), m_platform(platform), m_state(state)
    {}

    // What a uniform draw r, 0 <= r < 1, makes a character to send.
    using LetterChoice = std::function<QChar(float r)>;

    // Taken by every run from its start on.
    void setOptions(const RunOptions &options);

    // A run of random letters (RunMode 0) or the speed check (RunMode 1).
    void RunDrill();
    // The same, its random characters chosen by choice instead of evenly.
    void RunDrill(const LetterChoice &choice);
    // A lesson run drawing from the letters of button Index.
    void Command3_Click(qint16 Index);
    // A run that sends words, one after another with a group pause between them, until the
    // minutes have passed or Stop; Stop is also seen after each character of a word.
    void TextRun(WordSource &words);
    // A message sent as a station sends it by flashing light, paced by the learner's answers:
    // the general call (AA) until acknowledged, DE and a made-up station identity the learner
    // types back, the text one group at a time, each waited on, and AR until acknowledged. The
    // groups are drawn as an A-to-Z run draws its letters, as many as the minutes make at the
    // speed, both read at the start; the exam form sends five, each twice, with no call and no
    // waiting. Stop ends it at any step.
    void MessageDrill(Receiver &receiver, DrillForm form);
    // The same with words from words in place of groups.
    void MessageDrill(Receiver &receiver, DrillForm form, WordSource &words);

    // Puts the window back as it is between runs after an error cut a run short. The time
    // unit goes back to none, as at start-up, and the letter timing with it, so that the unit
    // that failed does not carry into the lead-in of the next lesson.
    void restoreAfterError();

    // What the last run that wrote its result line sent and took.
    struct Result
    {
        // In order, as the results box shows them: groups with two spaces between them, a
        // text run's words and a message drill's text as they are sent; none for the speed
        // check.
        QString lettersSent;
        float seconds = 0.0f; // as the result line shows them
        // A message drill's alone; nothing after any other run.
        std::optional<DrillOutcome> drill;
    };
    const Result &lastResult() const { return m_result; }

private:
    using Control = RunView::Control;
    // The steps of a message drill, in messagedrill.cpp.
    class Drill;

    // The even draw of an A-to-Z run: the letters A to Z, or the characters chosen.
    LetterChoice evenChoice() const;
    void runMessageDrill(Receiver &receiver, DrillForm form, const QString &separator,
                         const std::function<QString()> &nextText);

    // Everything a random run or a text run does before its first character.
    void startRun(double groupPauseUnits);
    // Hides the two banners, the results box (emptied first) and both panels.
    void hideBannersResultsAndPanels();
    void leadIn();
    void startClock();
    // The time unit from the speed box, and the letter timing from the letter speed for a run
    // whose group pause is groupPauseUnits long.
    void computeUnit(double groupPauseUnits);
    // Whether the run goes on for another step: time left and no Stop.
    bool anotherStep();
    void sendLetters(const std::function<QString()> &drawLetter, int gapPauses);
    void sendGroupPause(int gapPauses);
    void sendWords(WordSource &words);
    void sendTryWords();
    void restoreWindow();
    void writeResultLine();
    // Seconds since the sending started, on the platform's steady clock, so that the time of
    // day being set back or forward in the middle of a run changes nothing.
    float elapsed() const;

    RunView &m_view;
    SignalElements &m_elements;
    Platform &m_platform;
    WindowState &m_state;
    RunOptions m_options;
    // The letter timing the run took, if any, for pauses the drill waits out in slices.
    std::optional<LetterTiming> m_timing;
    double m_startSeconds = 0.0;
    QString m_lettersSent;
    Result m_result;
};

} // namespace blinket
