// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/platform.h"
#include "signal/handrhythm.h"
#include "signal/internationaltiming.h"
#include "signal/lamp.h"
#include "signal/lettertiming.h"
#include "signal/lightconditions.h"

#include <QString>

#include <optional>
#include <string_view>

namespace blinket {

// The timed signal elements and the letter sender. Each element switches the lamp, lets
// pending events run, reads the time unit afresh (an event handled just now may have
// changed it) and holds the lamp for a whole number of milliseconds. With a letter timing,
// the elements inside a letter take its letter unit and the closing gap and the long pause its
// spacing unit, in place of the time unit. With an International timing, every element takes
// its whole dots of it, and the time unit and the letter timing are not read.
class SignalElements
{
public:
    // unit: milliseconds per time unit, owned by the window and read at every element.
    SignalElements(Lamp &lamp, Platform &platform, const qint16 &unit)
        : m_lamp(lamp), m_platform(platform), m_unit(unit)
    {}

    void Nekuda();    // dot: lit 0.5 unit
    void Kav();       // dash: lit 2.5 units
    void Dark_nek();  // the gap between the elements of one letter: dark 0.5 unit
    void Dark_Kav();  // the gap that closes a letter: dark 2.5 units
    void Dark_word(); // the long pause of a run: dark 4 units; Overflow outside -8192..8191;
                      // International: the rest of a word's gap after a letter's closing gap

    // Sends one letter A to Z; any other text sends nothing and touches nothing.
    void AtoZ(const QString &letter);
    // Sends one character the program can send (a letter as AtoZ does); any other text sends
    // nothing and touches nothing.
    void sendCharacter(const QString &character);

    // Letters faster than the time unit, kept until changed; nothing sends at the unit alone.
    void setLetterTiming(std::optional<LetterTiming> timing) { m_timing = timing; }
    // The International timing in place of the program's own, kept until changed; none for
    // the own.
    void setInternationalTiming(std::optional<InternationalTiming> timing)
    {
        m_international = timing;
    }

    // A run's light from here on: its shutter and its hand. With a shutter the lamp is switched
    // half the shutter's time before each nominal moment (the first dark pause long enough
    // is that much shorter), so that the shutter is half open or closed at the moment itself. With
    // a hand each hold is as long as the hand makes it, from the seed on.
    void beginLight(const LightConditions &light, std::uint64_t seed);

    // When the lamp was last put out, on the platform's steady clock: after a character, the
    // end of its last flash.
    double darkSince() const { return m_darkSince; }

private:
    void switchLamp(bool lit);
    // A dot, a dash or a gap inside a letter: units of the own timing, dots of the International.
    void element(bool lit, double units, int dots);
    // A dark gap between letters or words, of the given units at the spacing unit.
    qint32 spacingMs(double units) const;
    void sendElements(std::string_view elements, bool extraClosingGap);
    // Holds the lamp as it is for a nominal length, as the hand and the shutter make it.
    void hold(qint32 ms);

    Lamp &m_lamp;
    Platform &m_platform;
    const qint16 &m_unit;
    std::optional<LetterTiming> m_timing;
    std::optional<InternationalTiming> m_international;
    double m_darkSince = 0.0;
    std::optional<HandRhythm> m_hand;
    qint32 m_shutterLeadMs = 0;
    bool m_leading = false; // switching m_shutterLeadMs before each nominal moment
    bool m_lit = false;
};

} // namespace blinket
