// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/platform.h"
#include "runs/runresult.h"
#include "runs/runview.h"
#include "runs/windowstate.h"
#include "signal/internationaltiming.h"
#include "signal/lettertiming.h"
#include "signal/signalelements.h"

#include <QString>

#include <optional>

namespace blinket {

// What every exercise is built on: the window reduced to the lamp and Stop and put back, the
// time unit and the letter timing of the run, its clock, and the sending of characters, words
// and pauses, with what was sent written into the results box. Stop is seen after the
// character in progress.
class Sender
{
public:
    Sender(RunView &view, SignalElements &elements, Platform &platform, WindowState &state)
        : m_view(view), m_elements(elements), m_platform(platform), m_state(state)
    {}

    // Words a minute for the letters, typed like the speed, taken by every run from its start
    // on; empty (or blank) for letters at the speed.
    void setLetterSpeed(const QString &letterSpeed) { m_letterSpeed = letterSpeed; }
    // The timing every run takes from its start on; the program's own until changed.
    void setTiming(Timing timing) { m_timingChosen = timing; }
    // The light every run takes from its lead-in on, its hand drawn from the seed on; clear
    // until changed.
    void setLight(const LightConditions &light, std::uint64_t seed)
    {
        m_light = light;
        m_lightSeed = seed;
    }

    // Everything a random run, a text run and a message drill do before their first character,
    // for a run whose pause between groups is groupPauseUnits long; a lesson takes the steps
    // below in an order of its own.
    void startRun(double groupPauseUnits);
    // Hides the two banners, the results box (emptied first) and both panels.
    void hideBannersResultsAndPanels();
    // Two long dark pauses, the run's light taken at their start.
    void leadIn();
    // The time unit from the speed box, and the letter timing from the letter speed; with the
    // International timing chosen, that timing from both.
    void computeUnit(double groupPauseUnits);
    void startClock();

    // Whether the run goes on for another step: time left and no Stop.
    bool anotherStep();
    bool stopped() const { return m_state.Running == 0; }

    // Sends one character (Letter holds it meanwhile); anything that cannot be sent sends
    // nothing.
    void send(QChar character);
    // Writes text into the results box and into what the run sent.
    void write(const QString &text);
    // Sends characters one after another, written as they go when written; false when Stop
    // came, after the character in progress.
    bool sendSigns(const QString &signs, bool written);
    // The pause between groups: gapPauses blocks of two gaps that close a letter; with the
    // International timing, what a word's gap holds past the gap that closed the last letter.
    void sendGroupPause(int gapPauses);
    // How long that pause lasts, in milliseconds.
    qint32 groupPauseMs(int gapPauses) const;
    // When the lamp was last put out, on the steady clock: after a character, the end of its
    // last flash.
    double lastFlashEnded() const { return m_elements.darkSince(); }

    // The window as it is between runs again.
    void restoreWindow();
    // The seconds the run took, after what it sent; the run's result is taken then.
    void writeResultLine();
    const RunResult &result() const { return m_result; }

    // Puts the window back as it is between runs after an error cut a run short. The time
    // unit goes back to none, as at start-up, and the letter timing with it, so that the unit
    // that failed does not carry into the lead-in of the next lesson.
    void restoreAfterError();

    RunView &view() { return m_view; }
    SignalElements &elements() { return m_elements; }
    Platform &platform() { return m_platform; }
    WindowState &state() { return m_state; }

private:
    // Seconds since the sending started, on the platform's steady clock, so that the time of
    // day being set back or forward in the middle of a run changes nothing.
    float elapsed() const;

    RunView &m_view;
    SignalElements &m_elements;
    Platform &m_platform;
    WindowState &m_state;
    QString m_letterSpeed;
    std::optional<LetterTiming> m_timing;
    Timing m_timingChosen = Timing::Own;
    std::optional<InternationalTiming> m_international;
    LightConditions m_light;
    std::uint64_t m_lightSeed = 0;
    double m_startSeconds = 0.0;
    QString m_lettersSent;
    RunResult m_result;
};

} // namespace blinket
