// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QChartView>

namespace blinket {

// A chart that tells what the pointer points at, in a tooltip.
class PointedChart : public QChartView
{
    Q_OBJECT
public:
    using QChartView::QChartView;

protected:
    // What the pointer at this place of the view points at; empty where it points at nothing.
    virtual QString tipAt(QPoint at) const = 0;
    bool viewportEvent(QEvent *event) override;
};

} // namespace blinket
