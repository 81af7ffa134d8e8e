// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <cstdint>
#include <random>

namespace blinket {

// Uniform single-precision numbers in [0, 1) from a generator that can be reseeded.
class RandomSource
{
public:
    explicit RandomSource(float seed = 0.0f) { reseed(seed); }

    void reseed(float seed);
    float next();

    // The number in [0, 1) that 32 random bits stand for.
    static float unitFromBits(std::uint32_t bits);

private:
    std::mt19937 m_engine;
};

} // namespace blinket
