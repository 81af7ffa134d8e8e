// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <cstdint>
#include <limits>

namespace blinket {

// How far a shutter is open, from 0 (closed) to 1, at a moment in seconds on the steady
// clock. Told to open or close, its vanes move at the same pace both ways, the whole way in
// the shutter's time, from wherever they are: a flash shorter than that time never opens fully.
// The sender switches it half the shutter's time early, so that it is half open or half
// closed at the moment the lamp would have switched.
class Shutter
{
public:
    explicit Shutter(int shutterMs = 0) : m_seconds(shutterMs / 1000.0) {}

    void setOpen(bool open, double now);
    double openness(double now) const;
    // Whether the vanes are still moving at that moment.
    bool moving(double now) const;

private:
    double m_seconds;
    bool m_open = false;
    double m_since = -std::numeric_limits<double>::infinity();
    double m_from = 0.0;
};

// The lit lamp's brightness as the air makes it wander: a factor from 1 down to no less than
// 1 - depth, where the depth grows with the strength to 0.7 at 100, so that the lamp never goes
// dark. It moves slowly (about twice a second) and quickly (about seven and eighteen times a
// second) at once, as scintillation does. The same seed and moment give the same factor.
class Shimmer
{
public:
    Shimmer(int strength, std::uint64_t seed);

    double factor(double seconds) const;

private:
    // Smooth noise from 0 to 1, at a given pace in changes a second.
    double noise(double seconds, double perSecond, std::uint64_t layer) const;

    double m_depth;
    std::uint64_t m_seed;
};

} // namespace blinket
