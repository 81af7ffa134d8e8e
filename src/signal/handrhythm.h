// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QtGlobal>

#include <cstdint>
#include <random>

namespace blinket {

// Element and gap lengths as a hand sends them: each off its nominal length at random by up
// to the spread, and never further, while the run keeps its pace: what the hand has run ahead
// or behind so far pulls the next length back by half, so that the run's time stays within
// a few elements of the nominal.
class HandRhythm
{
public:
    HandRhythm(int spreadPercent, std::uint64_t seed);

    // The length to hold for one of a nominal length.
    qint32 held(qint32 nominalMs);

private:
    double m_spread;
    std::mt19937_64 m_engine;
    qint64 m_drift = 0;
};

} // namespace blinket
