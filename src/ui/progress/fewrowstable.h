// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QHeaderView>
#include <QTableWidget>

namespace blinket {

// A table of a few rows to read, not to edit or select: rows as tall as the text needs, and the
// table as big as its rows and columns, so that it shows whole without scrolling sideways.
inline void showAsFewRows(QTableWidget &table)
{
    table.verticalHeader()->hide();
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionMode(QAbstractItemView::NoSelection);
    table.setFocusPolicy(Qt::TabFocus);
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
    table.setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table.setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace blinket
