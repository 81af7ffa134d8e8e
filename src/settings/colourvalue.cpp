// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/colourvalue.h"

namespace blinket {

namespace {

constexpr quint32 systemFlag = 0x80000000u;
constexpr int systemColourCount = 25;

// The nearest palette role for each system colour the window uses; the others fall back to
// the window background.
QPalette::ColorRole roleOf(int n)
{
    switch (n) {
    case 0:  // scroll bar
    case 15: // button face
    case 4:  // menu
        return QPalette::Button;
    case 1:  // desktop
    case 2:  // active caption
    case 13: // highlight
        return QPalette::Highlight;
    case 9:  // active caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 10: // active border
    case 11: // inactive border
    case 16: // button shadow
        return QPalette::Mid;
    case 8: // window text
    case 7: // menu text
        return QPalette::Text;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // dark shadow
        return QPalette::Shadow;
    case 23: // tool-tip text
        return QPalette::ToolTipText;
    case 24: // tool-tip background
        return QPalette::ToolTipBase;
    default: // 5 window background and the rest
        return QPalette::Base;
    }
}

} // namespace

bool isValidColour(ColourValue value)
{
    const auto bits = static_cast<quint32>(value);
    if (bits & systemFlag)
        return bits - systemFlag < systemColourCount;
    return bits <= 0x00FFFFFFu;
}

QColor resolveColour(ColourValue value, const QPalette &palette)
{
    const auto bits = static_cast<quint32>(value);
    if (bits & systemFlag)
        return palette.color(QPalette::Active, roleOf(static_cast<int>(bits - systemFlag)));
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

} // namespace blinket
