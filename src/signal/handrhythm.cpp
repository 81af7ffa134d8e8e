// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/handrhythm.h"

#include <algorithm>
#include <cmath>

namespace blinket {

HandRhythm::HandRhythm(int spreadPercent, std::uint64_t seed)
    : m_spread(std::clamp(spreadPercent, 0, 100) / 100.0), m_engine(seed)
{}

qint32 HandRhythm::held(qint32 nominalMs)
{
    if (m_spread <= 0.0 || nominalMs <= 0)
        return nominalMs;
    std::uniform_real_distribution<double> off(-m_spread, m_spread);
    const double wanted = nominalMs * (1.0 + off(m_engine)) - double(m_drift) / 2.0;
    const double shortest = std::ceil(nominalMs * (1.0 - m_spread));
    const double longest = std::floor(nominalMs * (1.0 + m_spread));
    const auto length = qint32(std::clamp(std::round(wanted), shortest, longest));
    m_drift += length - nominalMs;
    return length;
}

} // namespace blinket
