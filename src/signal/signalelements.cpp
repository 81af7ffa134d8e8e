// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/signalelements.h"

#include "platform/numeric.h"
#include "signal/characters.h"
#include "signal/lettercode.h"

namespace blinket {

void SignalElements::switchLamp(bool lit)
{
    m_lamp.setLit(lit);
    m_lit = lit;
    if (!lit)
        m_darkSince = m_platform.steadySeconds() + (m_leading ? m_shutterLeadMs / 1000.0 : 0.0);
}

void SignalElements::beginLight(const LightConditions &light, std::uint64_t seed)
{
    m_hand.reset();
    if (light.handPercent > 0)
        m_hand.emplace(light.handPercent, seed);
    m_shutterLeadMs = light.shutterMs / 2;
    m_leading = false;
}

void SignalElements::hold(qint32 ms)
{
    const qint32 held = m_hand ? m_hand->held(ms) : ms;
    // Only a dark pause long enough takes the lead, so that no flash is cut short for it.
    if (m_shutterLeadMs > 0 && !m_leading && !m_lit && held >= m_shutterLeadMs) {
        m_leading = true;
        m_platform.Sleep(held - m_shutterLeadMs);
        return;
    }
    m_platform.Sleep(held);
}

void SignalElements::element(bool lit, double units, int dots)
{
    switchLamp(lit);
    m_platform.processEvents();
    hold(m_international ? m_international->dotMs * dots
                         : elementMs(m_timing ? m_timing->letterUnit : m_unit, units));
}

qint32 SignalElements::spacingMs(double units) const
{
    return toInt32(roundHalfEven(m_timing->spacingUnit * units));
}

void SignalElements::Nekuda()
{
    element(true, 0.5, 1);
}

void SignalElements::Kav()
{
    element(true, 2.5, 3);
}

void SignalElements::Dark_nek()
{
    element(false, 0.5, 1);
}

void SignalElements::Dark_Kav()
{
    switchLamp(false);
    m_platform.processEvents();
    if (m_international)
        hold(m_international->letterGapMs);
    else
        hold(m_timing ? spacingMs(2.5) : elementMs(m_unit, 2.5));
}

void SignalElements::Dark_word()
{
    switchLamp(false);
    m_platform.processEvents();
    if (m_international)
        hold(m_international->wordGapMs - m_international->letterGapMs);
    else
        hold(m_timing ? spacingMs(4.0) : multiply16(m_unit, 4));
}

void SignalElements::AtoZ(const QString &letter)
{
    const QString copy = letter;
    const std::optional<LetterCode> code = letterCode(copy);
    if (!code)
        return;
    sendElements(code->elements, code->extraClosingGap);
}

void SignalElements::sendCharacter(const QString &character)
{
    const QString copy = character;
    if (letterCode(copy)) {
        AtoZ(copy);
        return;
    }
    if (copy.size() != 1)
        return;
    // A Hebrew letter keeps the timing of the Latin letter that shares its sign (כ closes as K).
    if (const QChar latin = latinOfSameSign(copy.front()); !latin.isNull()) {
        AtoZ(QString(latin));
        return;
    }
    // Any other character closes without the extra gap, a procedure sign too: it is one sign.
    const std::string_view elements = morseElements(copy.front());
    if (!elements.empty())
        sendElements(elements, false);
}

void SignalElements::sendElements(std::string_view elements, bool extraClosingGap)
{
    const auto send = [this](void (SignalElements::*call)()) {
        m_platform.processEvents();
        (this->*call)();
    };
    for (std::size_t i = 0; i < elements.size(); ++i) {
        send(elements[i] == '.' ? &SignalElements::Nekuda : &SignalElements::Kav);
        // The International timing closes every letter alike.
        if (i + 1 < elements.size() || (extraClosingGap && !m_international))
            send(&SignalElements::Dark_nek);
    }
    send(&SignalElements::Dark_Kav);
}

} // namespace blinket
