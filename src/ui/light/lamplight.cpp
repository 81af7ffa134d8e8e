// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/light/lamplight.h"

#include <random>

namespace blinket {

std::uint64_t freshLightSeed()
{
    std::random_device entropy;
    return (std::uint64_t(entropy()) << 32) | entropy();
}

void LampLight::setLight(const LightConditions &light, std::uint64_t seed, double now)
{
    m_light = light;
    m_shimmer = Shimmer(light.shimmer, seed);
    m_shutter = Shutter(light.shutterMs);
    // Switched a whole shutter's time ago: open or closed all the way now.
    m_shutter.setOpen(m_lit, now - light.shutterMs / 1000.0);
}

void LampLight::setLit(bool lit, double now)
{
    m_lit = lit;
    m_shutter.setOpen(lit, now);
}

double LampLight::level(double now) const
{
    const double open = m_shutter.openness(now);
    return shimmering() && open > 0.0 ? open * m_shimmer.factor(now) : open;
}

bool LampLight::changing(double now) const
{
    return m_shutter.moving(now) || (m_lit && shimmering());
}

} // namespace blinket
