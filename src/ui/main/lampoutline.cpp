// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/lampoutline.h"

#include <QPainter>

namespace blinket {

LampOutline::LampOutline(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LampOutline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor ring = palette().color(QPalette::WindowText);
    ring.setAlphaF(0.35);
    QPen pen(ring, 1.5, Qt::DashLine);
    painter.setPen(pen);
    const qreal side = qMin(width(), height()) - 2.0;
    painter.drawEllipse(QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
}

} // namespace blinket
