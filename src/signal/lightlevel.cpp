// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/lightlevel.h"

#include <algorithm>
#include <cmath>

namespace blinket {

namespace {

// A well-mixed 64-bit value of its input (splitmix64's finaliser).
std::uint64_t mix(std::uint64_t value)
{
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

double unitOf(std::uint64_t bits)
{
    return double(bits >> 11) * 0x1.0p-53;
}

} // namespace

void Shutter::setOpen(bool open, double now)
{
    if (open == m_open)
        return;
    m_from = openness(now);
    m_open = open;
    m_since = now;
}

double Shutter::openness(double now) const
{
    if (m_seconds <= 0.0)
        return m_open ? 1.0 : 0.0;
    const double moved = std::max(now - m_since, 0.0) / m_seconds;
    return m_open ? std::min(m_from + moved, 1.0) : std::max(m_from - moved, 0.0);
}

bool Shutter::moving(double now) const
{
    const double at = openness(now);
    return m_open ? at < 1.0 : at > 0.0;
}

Shimmer::Shimmer(int strength, std::uint64_t seed)
    : m_depth(0.7 * std::clamp(strength, 0, 100) / 100.0), m_seed(seed)
{}

double Shimmer::noise(double seconds, double perSecond, std::uint64_t layer) const
{
    const double at = seconds * perSecond;
    const double knot = std::floor(at);
    const double part = at - knot;
    const auto value = [this, layer](double k) {
        return unitOf(mix(m_seed ^ mix(layer) ^ std::uint64_t(std::int64_t(k))));
    };
    const double smooth = part * part * (3.0 - 2.0 * part);
    return value(knot) + (value(knot + 1.0) - value(knot)) * smooth;
}

double Shimmer::factor(double seconds) const
{
    if (m_depth <= 0.0)
        return 1.0;
    const double wander =
        0.5 * noise(seconds, 2.0, 1) + 0.3 * noise(seconds, 7.0, 2) + 0.2 * noise(seconds, 18.0, 3);
    return 1.0 - m_depth * wander;
}

} // namespace blinket
