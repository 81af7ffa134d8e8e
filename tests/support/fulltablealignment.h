// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/copyscore.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace blinket {

// The alignment the plain way, for checking the scorer: the whole (n+1) x (m+1) table of edit
// distances, walked back from the end taking the first cheapest step of right, extra, missed,
// wrong. Needs 4 (n+1)(m+1) bytes, so only for short texts.
inline std::vector<AlignedLetter> fullTableAlignment(const QString &sent, const QString &copy)
{
    const qsizetype rows = sent.size();
    const qsizetype columns = copy.size();
    std::vector<int> table(std::size_t((rows + 1) * (columns + 1)));
    const auto at = [&](qsizetype i, qsizetype j) -> int & {
        return table[std::size_t(i * (columns + 1) + j)];
    };
    for (qsizetype i = 0; i <= rows; ++i) {
        for (qsizetype j = 0; j <= columns; ++j) {
            if (i == 0 || j == 0) {
                at(i, j) = int(i + j);
                continue;
            }
            const int diagonal = at(i - 1, j - 1) + (sent[i - 1] == copy[j - 1] ? 0 : 1);
            at(i, j) = std::min({diagonal, at(i - 1, j) + 1, at(i, j - 1) + 1});
        }
    }

    std::vector<AlignedLetter> aligned;
    qsizetype i = rows;
    qsizetype j = columns;
    while (i > 0 || j > 0) {
        const int here = at(i, j);
        if (i > 0 && j > 0 && sent[i - 1] == copy[j - 1] && at(i - 1, j - 1) == here) {
            --i;
            --j;
            aligned.push_back({Mark::Right, sent[i], copy[j]});
        } else if (j > 0 && at(i, j - 1) + 1 == here) {
            --j;
            aligned.push_back({Mark::Extra, QChar(), copy[j]});
        } else if (i > 0 && at(i - 1, j) + 1 == here) {
            --i;
            aligned.push_back({Mark::Missed, sent[i], QChar()});
        } else {
            --i;
            --j;
            aligned.push_back({Mark::Wrong, sent[i], copy[j]});
        }
    }
    std::reverse(aligned.begin(), aligned.end());
    return aligned;
}

} // namespace blinket
