// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/platform.h"
#include "platform/randomsource.h"
#include "signal/lamp.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace blinket {

// A platform on a virtual clock that only moves when something sleeps. It is also a lamp,
// and keeps one timeline of lamp switches, event processing and sleeps; actions scripted
// for a virtual time run at the first event processing at or after it, as a click would.
// Once the end is requested its event processing and sleeps throw, as the real ones do.
class FakePlatform : public Platform, public Lamp
{
public:
    enum class Kind { Lit, Dark, Events, Sleep, Note };
    struct Step
    {
        Kind kind;
        qint32 ms; // for sleeps: the duration asked for
        qint64 at; // virtual milliseconds since the fake started
        QString note;
    };

    void processEvents() override;
    void Sleep(qint32 ms) override;
    // Runs what is due, then waits: the timeline shows an event processing and a sleep.
    void awaitEvents(qint32 ms) override
    {
        processEvents();
        Sleep(ms);
    }
    float Timer() override;
    // Virtual seconds since the fake started; setting the time of day does not move it.
    double steadySeconds() override { return double(m_now) / 1000.0; }
    void Randomize(float seed) override;
    float Rnd() override;
    void setLit(bool lit) override;

    // Draws these numbers first, then goes on with the seeded sequence.
    void scriptDraws(const std::vector<float> &draws);
    std::size_t scriptedDrawsLeft() const { return m_scriptedDraws.size(); }
    // Adds a word of the caller's own to the timeline (a control shown, say).
    void note(const QString &word) { m_steps.push_back({Kind::Note, 0, m_now, word}); }
    // Runs action at the first event processing at or after virtual time ms.
    void at(qint64 ms, std::function<void()> action);
    // The time of day at virtual time 0, in seconds since midnight.
    void setTimeOfDay(double seconds) { m_dayStartMs = qint64(seconds * 1000.0); }
    qint64 now() const { return m_now; }
    bool lit() const { return m_lit; }
    float lastSeed() const { return m_seed; }

    const std::vector<Step> &steps() const { return m_steps; }
    // The timeline as words: "on", "off", "ev" and each sleep's milliseconds.
    QString timeline() const;
    // Just the sleeps, each as "+ms" while lit and "-ms" while dark.
    QStringList sleeps() const;
    // Each sleep's milliseconds, in order, whoever switched the lamp.
    QList<qint32> durations() const;
    // Total milliseconds slept.
    qint64 sleptMs() const;
    void clearLog() { m_steps.clear(); }

private:
    std::vector<Step> m_steps;
    std::vector<std::pair<qint64, std::function<void()>>> m_actions;
    RandomSource m_random;
    std::vector<float> m_scriptedDraws;
    qint64 m_now = 0;
    qint64 m_dayStartMs = 36000000; // ten in the morning
    bool m_lit = true;
    float m_seed = 0.0f;
};

} // namespace blinket
