// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/randomsource.h"

#include <bit>

namespace blinket {

void RandomSource::reseed(float seed)
{
    // The seed's bit pattern, so that every distinct clock reading gives its own sequence.
    m_engine.seed(std::bit_cast<std::uint32_t>(seed));
}

float RandomSource::next()
{
    return unitFromBits(static_cast<std::uint32_t>(m_engine()));
}

float RandomSource::unitFromBits(std::uint32_t bits)
{
    // The top 24 bits scaled by 2^-24 are exact in a float and never reach 1; all 32 would
    // round up to 1 at the top of their range.
    return static_cast<float>(bits >> 8) * 0x1p-24f;
}

} // namespace blinket
