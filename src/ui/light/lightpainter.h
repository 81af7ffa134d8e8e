// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "signal/lightconditions.h"

#include <QBrush>
#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace blinket {

// A sky as a brush over the area it spans (the window's own colour for Sky::Own), and its
// colour at one point of that area.
QBrush skyBrush(Sky sky, const QColor &window, const QRectF &span);
QColor skyColourAt(Sky sky, const QColor &window, const QRectF &span, QPointF at);

// The lamp and what is behind it, as one picture: the lamp's box, its colour, the window's
// colour and the area the sky spans, in the painter's coordinates.
struct LampScene
{
    QRectF box;
    QColor lamp;
    QColor window;
    QRectF skySpan;
};

// Paints the scene's box: the sky (or the window's colour), and over it the lamp at a level
// from 0 (dark: nothing but the background) to 1 (fully open and bright), as the light shows
// it: a small point at a distance, its contrast with the dark lowered by haze.
void paintLampScene(QPainter &painter, const LampScene &scene, const LightConditions &light,
                    double level);

// The colour a lamp is drawn with at a level, over a background, under a haze of 0 to 100.
QColor litColour(const QColor &lamp, const QColor &background, int haze, double level);

} // namespace blinket
