// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QRect>
#include <QRectF>

namespace blinket {

// Positions and sizes are kept in twips and shown at 15 twips to a device-independent pixel.
constexpr double twipsPerPixel = 15.0;

struct TwipsRect
{
    double left;
    double top;
    double width;
    double height;

    QRectF toPixelsF() const
    {
        return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
                height / twipsPerPixel};
    }
    // Nearest whole pixels, for controls that cannot sit between pixels.
    QRect toPixels() const
    {
        const QRectF f = toPixelsF();
        const int x = qRound(f.left());
        const int y = qRound(f.top());
        return {x, y, qRound(f.right()) - x, qRound(f.bottom()) - y};
    }
};

} // namespace blinket
