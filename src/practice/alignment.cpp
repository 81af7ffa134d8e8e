// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/alignment.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

// The alignment is the usual table of edit distances, row i for the first i letters sent and
// column j for the first j letters typed, walked back from the far corner. Long runs make the
// whole table too big (two texts of 20,000 letters: 400 million cells), so only a band of
// diagonals (j - i) is filled. A reading that costs at most `limit` leaves diagonal 0 and ends
// on diagonal m - n, and every step off those two costs one going out and one coming back, so
// it never strays more than (limit - |m - n|) / 2 diagonals beyond them. Filling that band for
// growing limits (doubled each time, so the total work stays within a few times the last band)
// finds the cost; once the cost found is within the limit, every cheapest reading lies inside
// the band, and inside the band each cell on such a reading holds its true distance. The last
// fill then keeps two bits a cell for the way back, in the narrowest band that holds the
// cheapest readings: about cost x letters / 4 bytes, 10 MB for 20,000 letters with 10 %
// errors.

namespace blinket {
namespace {

constexpr int unreachable = std::numeric_limits<int>::max() / 2;

// The last step of the preferred cheapest way into a cell.
enum Step : std::uint8_t { Diagonal = 0, Up = 1, Left = 2 };

// The diagonals (column less row) a fill covers, both ends included.
struct Band
{
    int low;
    int high;
};

Band bandFor(int limit, int rows, int columns)
{
    const int ends = columns - rows;
    const int slack = (limit - std::abs(ends)) / 2;
    return {std::max(std::min(0, ends) - slack, -rows),
            std::min(std::max(0, ends) + slack, columns)};
}

// The steps of a band, two bits a cell; each row takes the same whole number of bytes.
class StepTable
{
public:
    StepTable(int rows, int columns, Band band)
        : m_low(band.low), m_cells(std::min(band.high - band.low + 1, columns + 1)),
          m_lastStart(columns + 1 - m_cells), m_rowBytes((m_cells + 3) / 4),
          m_bits((std::size_t(rows) + 1) * std::size_t(m_rowBytes), 0)
    {}

    // A row's cells start at its lowest diagonal, moved so the row stays inside the table's
    // columns when the band is wider than the table.
    int rowStart(int row) const { return std::clamp(row + m_low, 0, m_lastStart); }
    std::uint8_t *rowBits(int row) { return &m_bits[std::size_t(row) * std::size_t(m_rowBytes)]; }

    Step at(int row, int column) const
    {
        const int cell = column - rowStart(row);
        const std::uint8_t bits = m_bits[std::size_t(row) * std::size_t(m_rowBytes) + cell / 4];
        return Step((bits >> (cell % 4 * 2)) & 3);
    }

private:
    int m_low;
    int m_cells;
    int m_lastStart;
    int m_rowBytes;
    std::vector<std::uint8_t> m_bits;
};

void setStep(std::uint8_t *rowBits, int cell, Step step)
{
    rowBits[cell / 4] |= std::uint8_t(step << (cell % 4 * 2));
}

// Fills the band row by row and returns the cost of the whole alignment, or, as soon as a
// whole row costs more than `giveUpAbove`, that row's least cost. Keeps the steps if asked.
//
// Of several equally cheap ways into a cell the first of these is kept, and since the reading
// is walked back from the end, that is the preference from the end of the texts backwards:
// 1. right, when the letters agree: it is always among the cheapest, and a letter read right
//    is never shown as anything else;
// 2. extra, then 3. missed, before 4. wrong: a reading of cost c with x extra letters has
//    n - c + x letters right, so at equal cost extra and missed letters leave more letters
//    right than wrong ones do. A skipped letter shows as one missed letter followed by right
//    ones, never as a run of wrong letters ("AB" copied "BX": A missed, B right, X extra).
//    Extra before missed makes two neighbours typed in swapped order read the same wherever
//    they stand: "AB" copied "BA" is A missed, B right, A extra.
int fill(QStringView sent, QStringView copy, Band band, int giveUpAbove, StepTable *steps)
{
    const int rows = int(sent.size());
    const int columns = int(copy.size());
    const char16_t *sentLetters = sent.utf16();
    const char16_t *copyLetters = copy.utf16();
    std::vector<int> previous(std::size_t(columns) + 1, unreachable);
    std::vector<int> current(std::size_t(columns) + 1, unreachable);

    // Row 0: nothing sent yet, every letter typed is extra.
    const int firstRowLast = std::min(columns, band.high);
    for (int j = 0; j <= firstRowLast; ++j) {
        previous[j] = j;
        if (steps && j > 0)
            setStep(steps->rowBits(0), j - steps->rowStart(0), Left);
    }

    for (int i = 1; i <= rows; ++i) {
        const int first = std::max(0, i + band.low);
        const int last = std::min(columns, i + band.high);
        const char16_t sentLetter = sentLetters[i - 1];
        std::uint8_t *rowBits = steps ? steps->rowBits(i) : nullptr;
        const int start = steps ? steps->rowStart(i) : 0;
        int left = unreachable; // the cell before, in this row
        int rowLeast = unreachable;
        int j = first;
        if (j == 0) {
            // Nothing typed yet: every letter sent so far is missed.
            left = current[0] = i;
            rowLeast = i;
            if (rowBits)
                setStep(rowBits, -start, Up);
            ++j;
        }
        for (; j <= last; ++j) {
            const bool same = sentLetter == copyLetters[j - 1];
            const int diagonal = previous[j - 1] + (same ? 0 : 1);
            const int extra = left + 1;
            const int missed = previous[j] + 1;
            const int cost = std::min({diagonal, extra, missed});
            current[j] = left = cost;
            rowLeast = std::min(rowLeast, cost);
            if (rowBits) {
                const Step step = same && diagonal == cost ? Diagonal
                                  : extra == cost          ? Left
                                  : missed == cost         ? Up
                                                           : Diagonal;
                setStep(rowBits, j - start, step);
            }
        }
        // The next row reads one cell past this row's band, which holds an older row's cost.
        if (last < columns)
            current[last + 1] = unreachable;
        // Costs never fall along a reading, so no reading through this row ends cheaper.
        if (rowLeast > giveUpAbove)
            return rowLeast;
        std::swap(previous, current);
    }
    return previous[columns];
}

} // namespace

std::vector<AlignedLetter> alignCopy(QStringView sent, QStringView copy)
{
    const int rows = int(sent.size());
    const int columns = int(copy.size());

    // No reading costs more than reading every letter wrong and the rest missed or extra.
    const int mostCost = std::max(rows, columns);
    int limit = std::min(std::abs(columns - rows) + 1, mostCost);
    int cost = fill(sent, copy, bandFor(limit, rows, columns), limit, nullptr);
    while (cost > limit) {
        limit = std::min(2 * limit, mostCost);
        cost = fill(sent, copy, bandFor(limit, rows, columns), limit, nullptr);
    }

    const Band band = bandFor(cost, rows, columns);
    StepTable steps(rows, columns, band);
    fill(sent, copy, band, unreachable, &steps);

    std::vector<AlignedLetter> aligned;
    aligned.reserve(std::size_t(std::max(rows, columns)) + std::size_t(cost));
    int i = rows;
    int j = columns;
    while (i > 0 || j > 0) {
        switch (steps.at(i, j)) {
        case Diagonal:
            --i;
            --j;
            aligned.push_back({sent[i] == copy[j] ? Mark::Right : Mark::Wrong, sent[i], copy[j]});
            break;
        case Up:
            --i;
            aligned.push_back({Mark::Missed, sent[i], QChar()});
            break;
        case Left:
            --j;
            aligned.push_back({Mark::Extra, QChar(), copy[j]});
            break;
        }
    }
    std::reverse(aligned.begin(), aligned.end());
    return aligned;
}

} // namespace blinket
