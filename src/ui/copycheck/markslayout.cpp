// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/copycheck/markslayout.h"

#include <algorithm>

namespace blinket {

void MarksLayout::setPlaces(std::vector<AlignedLetter> places)
{
    m_places = std::move(places);
    setColumns(m_columns);
}

bool MarksLayout::startsGroup(int place) const
{
    return m_places[std::size_t(place)].startsGroup;
}

void MarksLayout::setColumns(int columns)
{
    m_columns = std::max(1, columns);
    m_lineStarts.clear();
    const int count = int(m_places.size());
    int used = 0; // columns taken on the line under way
    for (int first = 0; first < count;) {
        int end = first + 1;
        while (end < count && !startsGroup(end))
            ++end;
        const int width = end - first;
        if (!m_lineStarts.empty() && used + groupGap + width <= m_columns) {
            used += groupGap + width;
        } else {
            for (int start = first; start < end; start += m_columns)
                m_lineStarts.push_back(start);
            used = (width - 1) % m_columns + 1;
        }
        first = end;
    }
}

std::vector<MarksLayout::Cell> MarksLayout::line(int index) const
{
    const int first = m_lineStarts[std::size_t(index)];
    const int end =
        index + 1 < lineCount() ? m_lineStarts[std::size_t(index) + 1] : int(m_places.size());
    std::vector<Cell> cells;
    cells.reserve(std::size_t(end - first));
    int column = 0;
    for (int place = first; place < end; ++place) {
        if (place > first)
            column += startsGroup(place) ? 1 + groupGap : 1;
        cells.push_back({place, column});
    }
    return cells;
}

QString MarksLayout::row(int index, QChar (*shown)(const AlignedLetter &)) const
{
    QString row;
    for (const Cell &cell : line(index)) {
        row = row.leftJustified(cell.column);
        row += shown(m_places[std::size_t(cell.place)]);
    }
    return row;
}

QString MarksLayout::sentRow(int index) const
{
    return row(index, [](const AlignedLetter &place) {
        return place.mark == Mark::Extra ? QChar(u'+') : place.sent;
    });
}

QString MarksLayout::markRow(int index) const
{
    return row(index, [](const AlignedLetter &place) {
        return place.mark == Mark::Missed ? QChar(u'_') : place.typed;
    });
}

} // namespace blinket
