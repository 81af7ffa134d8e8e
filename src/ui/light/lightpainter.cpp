// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/light/lightpainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <utility>

namespace blinket {

namespace {

// Dusk, from the top of the sky down: violet overhead, orange at the horizon.
constexpr std::array<std::pair<double, QRgb>, 3> duskStops{
    {{0.0, qRgb(58, 46, 92)}, {0.55, qRgb(128, 76, 112)}, {1.0, qRgb(222, 134, 74)}}};
// Deep enough that a white lamp still shows against it.
constexpr QRgb daySky = qRgb(124, 154, 190);
constexpr QRgb nightSky = qRgb(9, 13, 28);

// The point a lamp at a distance shrinks to, and the faint halo around it, in pixels.
constexpr double pointDiameter = 5.0;
constexpr double haloDiameter = 9.0;

QColor mixed(const QColor &from, const QColor &to, double part)
{
    const auto channel = [part](int a, int b) { return qRound(a + (b - a) * part); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

QBrush skyBrush(Sky sky, const QColor &window, const QRectF &span)
{
    switch (sky) {
    case Sky::Own:
        return window;
    case Sky::Day:
        return QColor(daySky);
    case Sky::Night:
        return QColor(nightSky);
    case Sky::Dusk:
        break;
    }
    QLinearGradient gradient(span.topLeft(), span.bottomLeft());
    for (const auto &[at, colour] : duskStops)
        gradient.setColorAt(at, QColor(colour));
    return gradient;
}

QColor skyColourAt(Sky sky, const QColor &window, const QRectF &span, QPointF at)
{
    if (sky != Sky::Dusk)
        return skyBrush(sky, window, span).color();
    const double height = span.height();
    const double place = height > 0.0 ? std::clamp((at.y() - span.top()) / height, 0.0, 1.0) : 0.0;
    for (std::size_t i = 1; i < duskStops.size(); ++i) {
        const auto &[top, above] = duskStops[i - 1];
        const auto &[bottom, below] = duskStops[i];
        if (place <= bottom)
            return mixed(QColor(above), QColor(below), (place - top) / (bottom - top));
    }
    return QColor(duskStops.back().second);
}

QColor litColour(const QColor &lamp, const QColor &background, int haze, double level)
{
    // Even the thickest haze leaves a lamp that can be read.
    const double contrast = 1.0 - 0.75 * std::clamp(haze, 0, LightConditions::maxHaze) / 100.0;
    return mixed(background, lamp, contrast * std::clamp(level, 0.0, 1.0));
}

void paintLampScene(QPainter &painter, const LampScene &scene, const LightConditions &light,
                    double level)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.fillRect(scene.box, skyBrush(light.sky, scene.window, scene.skySpan));
    if (level > 0.0) {
        const QPointF centre = scene.box.center();
        const QColor background = skyColourAt(light.sky, scene.window, scene.skySpan, centre);
        const QColor colour = litColour(scene.lamp, background, light.haze, level);
        painter.setRenderHint(QPainter::Antialiasing);
        if (light.distance) {
            QColor halo = colour;
            halo.setAlphaF(0.3f);
            painter.setBrush(halo);
            painter.drawEllipse(centre, haloDiameter / 2.0, haloDiameter / 2.0);
            painter.setBrush(colour);
            painter.drawEllipse(centre, pointDiameter / 2.0, pointDiameter / 2.0);
        } else {
            const double radius =
                std::max(0.0, std::min(scene.box.width(), scene.box.height())) / 2.0;
            if (light.haze > 0 && radius > 0.0) {
                // Haze blurs the rim a little as well as dimming the lamp.
                QRadialGradient soft(centre, radius);
                QColor rim = colour;
                rim.setAlpha(0);
                soft.setColorAt(0.0, colour);
                soft.setColorAt(1.0 - 0.3 * light.haze / 100.0, colour);
                soft.setColorAt(1.0, rim);
                painter.setBrush(soft);
            } else {
                painter.setBrush(colour);
            }
            painter.drawEllipse(centre, radius, radius);
        }
    }
    painter.restore();
}

} // namespace blinket
