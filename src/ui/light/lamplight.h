// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "signal/lightconditions.h"
#include "signal/lightlevel.h"

#include <cstdint>

namespace blinket {

// A seed no run had before, for a light's hand and shimmer.
std::uint64_t freshLightSeed();

// A lamp lit and put out under a light, as bright as its shutter and the shimmer let it be at
// a moment in seconds on the steady clock. Shared by the main window's lamp and the preview.
class LampLight
{
public:
    // A new light, with the lamp as it is now: lit or dark, its vanes already settled.
    void setLight(const LightConditions &light, std::uint64_t seed, double now);
    const LightConditions &light() const { return m_light; }

    // Starts the shutter's opening or closing at this moment.
    void setLit(bool lit, double now);
    bool lit() const { return m_lit; }

    // From 0 (dark) to 1: how far the shutter is open times the shimmer's factor.
    double level(double now) const;
    // Whether the picture changes from this moment on: vanes moving, or a shimmer on a lit lamp.
    bool changing(double now) const;

private:
    bool shimmering() const { return m_light.shimmer > 0; }

    LightConditions m_light;
    Shutter m_shutter;
    Shimmer m_shimmer{0, 0};
    bool m_lit = false;
};

} // namespace blinket
