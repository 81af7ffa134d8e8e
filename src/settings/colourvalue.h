// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QtGlobal>

namespace blinket {

// A colour as the window keeps it: 0x00BBGGRR for an explicit colour (red in the low
// byte), or 0x80000000 + n for the desktop's system colour n, which the window looks up
// whenever it paints so that it follows the desktop's palette.
using ColourValue = qint32;

constexpr ColourValue systemColour(int n)
{
    return static_cast<ColourValue>(0x80000000u + static_cast<quint32>(n));
}
constexpr ColourValue rgbColour(int red, int green, int blue)
{
    return static_cast<ColourValue>(red + 256 * green + 65536 * blue);
}

namespace SystemColour {
constexpr ColourValue WindowBackground = systemColour(5);
constexpr ColourValue WindowText = systemColour(8);
constexpr ColourValue ActiveCaptionText = systemColour(9);
constexpr ColourValue ActiveBorder = systemColour(10);
constexpr ColourValue Highlight = systemColour(13);
constexpr ColourValue HighlightText = systemColour(14);
constexpr ColourValue ButtonFace = systemColour(15);
constexpr ColourValue ButtonText = systemColour(18);
} // namespace SystemColour

// The number of system colours there are; n runs from 0 to one less.
constexpr int systemColourCount = 25;

// True for the values a control accepts: an explicit colour or a known system colour.
bool isValidColour(ColourValue value);

} // namespace blinket
