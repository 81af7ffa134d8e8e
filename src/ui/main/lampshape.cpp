// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/lampshape.h"

#include "ui/light/lightpainter.h"

#include <QPainter>

namespace blinket {

namespace {

// A little more often than a 100 Hz screen shows a frame: ramps of a few tens of
// milliseconds take several steps.
constexpr int repaintMs = 8;

} // namespace

LampShape::LampShape(std::function<double()> clock, QWidget *parent)
    : CircleShape(parent), m_clock(std::move(clock))
{
    m_repaint.setTimerType(Qt::PreciseTimer);
    m_repaint.setInterval(repaintMs);
    connect(&m_repaint, &QTimer::timeout, this, [this] {
        update();
        if (!m_lamp.changing(m_clock()))
            m_repaint.stop();
    });
}

void LampShape::setLight(const LightConditions &light, std::uint64_t seed)
{
    // A plain lamp is lit while shown.
    if (m_lamp.light().clear())
        m_lamp.setLit(!isHidden(), m_clock());
    m_lamp.setLight(light, seed, m_clock());
    // Under a light the widget paints the dark itself, behind everything it covers.
    setAttribute(Qt::WA_OpaquePaintEvent, !light.clear());
    setVisible(light.clear() ? m_lamp.lit() : true);
    refresh();
}

void LampShape::setLit(bool lit)
{
    if (m_lamp.light().clear()) {
        m_lamp.setLit(lit, m_clock());
        setVisible(lit);
        return;
    }
    m_lamp.setLit(lit, m_clock());
    refresh();
}

QRectF LampShape::skySpan() const
{
    return parentWidget() ? QRectF(parentWidget()->rect()) : QRectF(geometry());
}

void LampShape::refresh()
{
    update();
    if (m_lamp.light().clear() || !m_lamp.changing(m_clock()))
        m_repaint.stop();
    else if (!m_repaint.isActive())
        m_repaint.start();
}

void LampShape::paintEvent(QPaintEvent *event)
{
    const LightConditions &light = m_lamp.light();
    if (light.clear()) {
        CircleShape::paintEvent(event);
        return;
    }
    const QRectF exact = box().toPixelsF();
    const QColor window = parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                         : palette().color(QPalette::Window);
    const LampScene scene{exact.translated(-pos()), palette().color(QPalette::Window), window,
                          skySpan().translated(-pos())};
    QPainter painter(this);
    painter.setClipRect(rect());
    // The whole widget, also the pixels the exact box only partly covers.
    painter.fillRect(rect(), skyBrush(light.sky, window, scene.skySpan));
    paintLampScene(painter, scene, light, m_lamp.level(m_clock()));
}

} // namespace blinket
