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
// A draw that picks the character c of what a run draws from.
inline float drawFrom(const char16_t *pool, char16_t c)
{
    int size = 0;
    int place = -1;
    for (; pool[size]; ++size) {
        if (pool[size] == c)
            place = size;
    }
    return drawForPlace(place, size);
}

} // namespace blinket
