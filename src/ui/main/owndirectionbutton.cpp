// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/owndirectionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace blinket {

void OwnDirectionButton::paintEvent(QPaintEvent *)
{
    // As QPushButton paints itself, in the button's direction rather than the application's.
    QStylePainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace blinket
