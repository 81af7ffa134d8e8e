// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/pointedchart.h"

#include <QHelpEvent>
#include <QToolTip>

namespace blinket {

bool PointedChart::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QChartView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString tip = tipAt(help->pos());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}

} // namespace blinket
