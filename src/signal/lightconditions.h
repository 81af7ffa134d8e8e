// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace blinket {

// What is around the lamp: the window's own colour, or a sky.
enum class Sky { Own, Day, Dusk, Night };

// The lamp as it is seen at sea rather than as a clean disc. With every field at its default
// the lamp is exactly the plain one.
struct LightConditions
{
    static constexpr int maxHaze = 100;
    static constexpr int maxShimmer = 100;
    static constexpr int maxShutterMs = 60;
    static constexpr int maxHandPercent = 30;

    bool distance = false; // a point of light a few pixels wide in place of the disc
    int haze = 0;          // 0-100: how far the lit lamp's contrast with the dark is lowered
    int shimmer = 0;       // 0-100: how deep the lit lamp's brightness wanders
    Sky sky = Sky::Own;
    int shutterMs = 0;   // 0-60: how long the light takes to open, and to close
    int handPercent = 0; // 0-30: how far each element and gap may be off its length

    friend bool operator==(const LightConditions &, const LightConditions &) = default;

    bool clear() const { return *this == LightConditions{}; }
};

// The words a sky is written with, in the order of Sky: "own", "day", "dusk", "night".
QString skyWord(Sky sky);
std::optional<Sky> skyFromWord(QStringView word);

// The conditions in a few words, as the practice history keeps them: empty when clear, else
// those that are not at their default, in this order: "distance haze=40 shimmer=30 sky=dusk
// shutter=20 hand=10".
QString lightText(const LightConditions &light);
// The conditions those words stand for; none for words it does not know or a value out of
// range. Empty text is the clear light.
std::optional<LightConditions> lightFromText(QStringView text);

} // namespace blinket
