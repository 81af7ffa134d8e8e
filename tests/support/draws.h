// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

namespace blinket {

// A draw that picks the given letter of A to Z, or place (0-based) of a group of n.
inline float drawFor(char letter)
{
    return (float(letter - 'A') + 0.5f) / 26.0f;
}
inline float drawForPlace(int place, int n)
{
    return (float(place) + 0.5f) / float(n);
}

} // namespace blinket
