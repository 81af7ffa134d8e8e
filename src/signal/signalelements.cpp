// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/signalelements.h"

#include "platform/numeric.h"
#include "signal/lettercode.h"

namespace blinket {

void SignalElements::element(bool lit, double units)
{
    m_lamp.setLit(lit);
    m_platform.processEvents();
    // Every 16-bit unit times 0.5 or 2.5 is exact in a double, and odd units land exactly
    // halfway, where the even neighbour is taken.
    m_platform.Sleep(toInt32(static_cast<double>(m_unit) * units));
}

void SignalElements::Nekuda()
{
    element(true, 0.5);
}

void SignalElements::Kav()
{
    element(true, 2.5);
}

void SignalElements::Dark_nek()
{
    element(false, 0.5);
}

void SignalElements::Dark_Kav()
{
    element(false, 2.5);
}

void SignalElements::Dark_word()
{
    m_lamp.setLit(false);
    m_platform.processEvents();
    m_platform.Sleep(multiply16(m_unit, 4));
}

void SignalElements::AtoZ(const QString &letter)
{
    const QString copy = letter;
    const std::optional<LetterCode> code = letterCode(copy);
    if (!code)
        return;
    const auto send = [this](void (SignalElements::*call)()) {
        m_platform.processEvents();
        (this->*call)();
    };
    for (std::size_t i = 0; i < code->elements.size(); ++i) {
        send(code->elements[i] == '.' ? &SignalElements::Nekuda : &SignalElements::Kav);
        if (i + 1 < code->elements.size() || code->extraClosingGap)
            send(&SignalElements::Dark_nek);
    }
    send(&SignalElements::Dark_Kav);
}

} // namespace blinket
