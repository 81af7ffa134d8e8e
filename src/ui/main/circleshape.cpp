// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/circleshape.h"

#include <QPainter>

#include <cmath>

namespace blinket {

CircleShape::CircleShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CircleShape::setLeft(float value)
{
    m_box.left = value;
    place();
}

void CircleShape::setTop(float value)
{
    m_box.top = value;
    place();
}

void CircleShape::setWidth(float value)
{
    m_box.width = value;
    place();
}

void CircleShape::setHeight(float value)
{
    m_box.height = value;
    place();
}

void CircleShape::setBox(const TwipsRect &box)
{
    m_box = box;
    place();
}

void CircleShape::place()
{
    const QRectF exact = m_box.toPixelsF();
    const int x = static_cast<int>(std::floor(exact.left()));
    const int y = static_cast<int>(std::floor(exact.top()));
    const int right = static_cast<int>(std::ceil(exact.right()));
    const int bottom = static_cast<int>(std::ceil(exact.bottom()));
    setGeometry(x, y, qMax(right - x, 0), qMax(bottom - y, 0));
    update();
}

void CircleShape::paintEvent(QPaintEvent *)
{
    const QRectF exact = m_box.toPixelsF().translated(-pos());
    const double diameter = qMax(0.0, qMin(exact.width(), exact.height()));
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(exact.center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawEllipse(circle);
}

} // namespace blinket
