// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/colourvalue.h"

namespace blinket {

namespace {

constexpr quint32 systemFlag = 0x80000000u;

} // namespace

bool isValidColour(ColourValue value)
{
    const auto bits = static_cast<quint32>(value);
    if (bits & systemFlag)
        return bits - systemFlag < systemColourCount;
    return bits <= 0x00FFFFFFu;
}

} // namespace blinket
