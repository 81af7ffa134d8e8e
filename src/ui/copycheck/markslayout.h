// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "practice/copyscore.h"

#include <QString>

#include <vector>

namespace blinket {

// The places of a checked copy (a character sent with what was typed under it, or an extra
// character typed) laid out in lines of a given number of columns: each place takes a column,
// groups stand two columns apart, and a line holds as many whole groups as fit. A group longer
// than a line goes on over the next ones. Only where each line starts is kept, so that laying
// out a long run again as the view changes width costs little, and drawing a line costs the
// same however long the run is.
class MarksLayout
{
public:
    // Columns between two groups on a line.
    static constexpr int groupGap = 2;

    // One place on a line: its index in places() and its column.
    struct Cell
    {
        int place;
        int column;
    };

    void setPlaces(std::vector<AlignedLetter> places);
    const std::vector<AlignedLetter> &places() const { return m_places; }
    // Lays the places out again in lines of this many columns (at least one).
    void setColumns(int columns);
    int columns() const { return m_columns; }

    int lineCount() const { return int(m_lineStarts.size()); }
    std::vector<Cell> line(int index) const;

    // A line as text: the row of characters sent ('+' over an extra character) and the row
    // of marks under it (what was typed, '_' for a missed character), with the spaces between
    // groups.
    QString sentRow(int index) const;
    QString markRow(int index) const;

private:
    bool startsGroup(int place) const;
    QString row(int index, QChar (*shown)(const AlignedLetter &)) const;

    std::vector<AlignedLetter> m_places;
    std::vector<int> m_lineStarts;
    int m_columns = 1;
};

} // namespace blinket
