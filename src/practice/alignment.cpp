// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/alignment.h"

#include "signal/characters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

// The alignment is the usual table of edit distances D, row i for the first i letters sent and
// column j for the first j letters typed, walked back from the far corner. The whole table is
// too big to keep (20,000 letters against a pasted copy of 40,050: 800 million cells), and a
// band around the diagonal grows to the whole table as soon as the copy is unrelated or much
// longer than the run. So the table is never kept: only, for each column, how each cell differs
// from the one above it (+1, 0 or -1, two bits a cell), 64 rows to a word. One column follows
// from the one before and the letter typed in a few word operations a word (Myers's bit-vector
// edit distance, with the top row D[0][j] = j of a whole-text alignment rather than a search).
//
// A first pass computes every column and keeps one in every `block` (about the square root of
// the letters typed). The way back then takes the blocks from the last: it computes the
// block's columns again from the kept one, keeping for each cell whether an extra or a missed
// letter is a cheapest last step into it, walks through the block, and forgets it. Rows below
// the way back are not computed again. Time: about two passes of rows x columns / 64 words,
// whatever the texts; memory: about rows / 64 x 2 x (columns / block + block) words, 2 MB for
// 20,000 letters sent and a copy of 40,050.
//
// Of several equally cheap ways into a cell the first of these is taken, and since the reading
// is walked back from the end, that is the preference from the end of the texts backwards:
// 1. right, when the letters agree: it is always among the cheapest, and a letter read right
//    is never shown as anything else;
// 2. extra, then 3. missed, before 4. wrong: a reading of cost c with x extra letters has
//    n - c + x letters right, so at equal cost extra and missed letters leave more letters
//    right than wrong ones do. A skipped letter shows as one missed letter followed by right
//    ones, never as a run of wrong letters ("AB" copied "BX": A missed, B right, X extra).
//    Extra before missed makes two neighbours typed in swapped order read the same wherever
//    they stand: "AB" copied "BA" is A missed, B right, A extra.
// Those tests need no distance itself: extra is cheapest when D[i][j] = D[i][j-1] + 1, missed
// when D[i][j] = D[i-1][j] + 1, both differences the first pass works with.

namespace blinket {
namespace {

using Word = std::uint64_t;
constexpr int wordBits = 64;

int wordsFor(qsizetype rows)
{
    return int((rows + wordBits - 1) / wordBits);
}

// For each letter typed, the rows sent that hold the same letter, as a mask of bits. Letters
// sent at least once a word on average keep a whole mask (at most 64 letters can, so their
// masks take about as many words as rows sent); rarer letters and letters never sent keep their
// rows only and are spread into a mask when asked, so no text makes the masks large.
class LetterRows
{
public:
    LetterRows(QStringView sent, QStringView copy) : m_words(wordsFor(sent.size()))
    {
        std::unordered_map<char16_t, int> letterNumbers;
        std::vector<int> counts;
        std::vector<int> letterAt;
        letterAt.reserve(std::size_t(sent.size()));
        // A final form is its letter, whichever of the two was sent or typed.
        for (const QChar letter : sent) {
            const auto [found, added] = letterNumbers.try_emplace(
                withoutFinalForm(letter).unicode(), int(letterNumbers.size()));
            if (added)
                counts.push_back(0);
            ++counts[std::size_t(found->second)];
            letterAt.push_back(found->second);
        }

        // A kind of 0 or more numbers a whole mask, a negative one (~index) a list of rows; the
        // list ~0 is empty, for letters never sent.
        std::vector<int> kinds(counts.size());
        int masks = 0;
        m_listStarts = {0, 0};
        for (std::size_t letter = 0; letter < counts.size(); ++letter) {
            if (counts[letter] >= m_words) {
                kinds[letter] = masks++;
            } else {
                kinds[letter] = ~int(m_listStarts.size() - 1);
                m_listStarts.push_back(m_listStarts.back() + counts[letter]);
            }
        }
        // A key that stands for two characters holds the rows of both, in a mask of its own.
        const std::array<QChar, 3> eitherKeys{qOrSlash, wOrApostrophe, tavOrComma};
        std::array<int, 3> eitherKinds{-1, -1, -1};
        for (std::size_t key = 0; key < eitherKeys.size(); ++key) {
            if (copy.contains(eitherKeys[key]))
                eitherKinds[key] = masks++;
        }
        m_masks.assign(std::size_t(masks) * std::size_t(m_words), 0);
        for (std::size_t key = 0; key < eitherKeys.size(); ++key) {
            if (eitherKinds[key] < 0)
                continue;
            Word *mask = maskOf(eitherKinds[key]);
            for (qsizetype row = 0; row < sent.size(); ++row) {
                if (readsAs(eitherKeys[key], sent[row]))
                    mask[row / wordBits] |= Word(1) << (row % wordBits);
            }
        }
        m_listRows.resize(std::size_t(m_listStarts.back()));
        std::vector<int> listEnds(m_listStarts.begin(), m_listStarts.end() - 1);
        for (qsizetype row = 0; row < sent.size(); ++row) {
            const int kind = kinds[std::size_t(letterAt[std::size_t(row)])];
            if (kind >= 0)
                maskOf(kind)[row / wordBits] |= Word(1) << (row % wordBits);
            else
                m_listRows[std::size_t(listEnds[std::size_t(~kind)]++)] = row;
        }

        m_kindTyped.reserve(std::size_t(copy.size()));
        for (const QChar letter : copy) {
            const auto either = std::ranges::find(eitherKeys, letter);
            if (either != eitherKeys.end()) {
                m_kindTyped.push_back(eitherKinds[std::size_t(either - eitherKeys.begin())]);
                continue;
            }
            const auto found = letterNumbers.find(withoutFinalForm(letter).unicode());
            m_kindTyped.push_back(found == letterNumbers.end() ? ~0
                                                               : kinds[std::size_t(found->second)]);
        }
        m_spread.assign(std::size_t(m_words), 0);
    }

    int words() const { return m_words; }

    // The rows holding the letter typed in column `column` (from 1); good until the next call.
    const Word *matching(qsizetype column)
    {
        const int kind = m_kindTyped[std::size_t(column - 1)];
        if (kind >= 0)
            return maskOf(kind);
        if (~kind != m_spreadList) {
            toggle(m_spreadList);
            toggle(~kind);
            m_spreadList = ~kind;
        }
        return m_spread.data();
    }

private:
    Word *maskOf(int kind) { return &m_masks[std::size_t(kind) * std::size_t(m_words)]; }

    void toggle(int list)
    {
        for (int i = m_listStarts[std::size_t(list)]; i < m_listStarts[std::size_t(list) + 1];
             ++i) {
            const qsizetype row = m_listRows[std::size_t(i)];
            m_spread[std::size_t(row / wordBits)] ^= Word(1) << (row % wordBits);
        }
    }

    int m_words;
    std::vector<Word> m_masks;
    std::vector<int> m_listStarts;
    std::vector<qsizetype> m_listRows;
    std::vector<int> m_kindTyped;
    std::vector<Word> m_spread; // the rows of list m_spreadList
    int m_spreadList = 0;
};

// How the distances of one column differ from the row above: bit r of word w for row
// 64 w + r + 1, set in `plus` where D grows by one going down, in `minus` where it falls by one.
// A column of no letter typed (D[i][0] = i) grows all the way.
struct ColumnSteps
{
    explicit ColumnSteps(int words) : plus(std::size_t(words), ~Word(0)), minus(std::size_t(words))
    {}

    std::vector<Word> plus;
    std::vector<Word> minus;
};

// Moves `column`'s first `words` words on by one letter typed, whose rows are `matching`, and
// if asked keeps where the new column is one more than the old one in the same row.
void advance(ColumnSteps &column, const Word *matching, int words, Word *growsAcross)
{
    // Along the top row D grows by one a letter typed: every letter before any sent is extra.
    Word carryPlus = 1;
    Word carryMinus = 0;
    for (int w = 0; w < words; ++w) {
        const Word plus = column.plus[std::size_t(w)];
        const Word minus = column.minus[std::size_t(w)];
        const Word match = matching[w] | carryMinus;
        const Word crossVertical = matching[w] | minus;
        const Word crossHorizontal = (((match & plus) + plus) ^ plus) | match;
        Word acrossPlus = minus | ~(crossHorizontal | plus);
        Word acrossMinus = plus & crossHorizontal;
        if (growsAcross)
            growsAcross[w] = acrossPlus;
        const Word outPlus = acrossPlus >> (wordBits - 1);
        const Word outMinus = acrossMinus >> (wordBits - 1);
        acrossPlus = (acrossPlus << 1) | carryPlus;
        acrossMinus = (acrossMinus << 1) | carryMinus;
        carryPlus = outPlus;
        carryMinus = outMinus;
        column.plus[std::size_t(w)] = acrossMinus | ~(crossVertical | acrossPlus);
        column.minus[std::size_t(w)] = acrossPlus & crossVertical;
    }
}

bool bitOfRow(const Word *words, qsizetype row)
{
    return (words[(row - 1) / wordBits] >> ((row - 1) % wordBits)) & 1;
}

} // namespace

std::vector<AlignedLetter> alignCopy(QStringView sent, QStringView copy)
{
    const qsizetype rows = sent.size();
    const qsizetype columns = copy.size();
    LetterRows letterRows(sent, copy);
    const int words = letterRows.words();
    const qsizetype block =
        std::max<qsizetype>(64, qsizetype(std::ceil(std::sqrt(double(columns)))));
    const qsizetype blocks = (columns + block - 1) / block;
    const std::size_t stepsWords = std::size_t(words);

    // The first pass: kept column b is column b x block, both its words of steps.
    std::vector<Word> kept(std::size_t(blocks) * 2 * stepsWords);
    ColumnSteps column(words);
    for (qsizetype b = 0; b < blocks; ++b) {
        Word *keep = kept.data() + std::size_t(b) * 2 * stepsWords;
        std::copy(column.plus.begin(), column.plus.end(), keep);
        std::copy(column.minus.begin(), column.minus.end(), keep + stepsWords);
        if (b + 1 < blocks) {
            for (qsizetype j = b * block + 1; j <= (b + 1) * block; ++j)
                advance(column, letterRows.matching(j), words, nullptr);
        }
    }

    // The way back, a block at a time. For each column of the block and each row above the
    // way: is extra a cheapest step into the cell (D[i][j] = D[i][j-1] + 1), is missed
    // (D[i][j] = D[i-1][j] + 1)?
    std::vector<Word> extraCheapest(std::size_t(block) * stepsWords);
    std::vector<Word> missedCheapest(std::size_t(block) * stepsWords);
    std::vector<AlignedLetter> aligned;
    aligned.reserve(std::size_t(rows + columns));
    qsizetype i = rows;
    qsizetype j = columns;
    for (qsizetype b = blocks - 1; b >= 0 && i > 0; --b) {
        const qsizetype start = b * block;
        const int used = wordsFor(i);
        const Word *keep = kept.data() + std::size_t(b) * 2 * stepsWords;
        std::copy(keep, keep + used, column.plus.begin());
        std::copy(keep + stepsWords, keep + stepsWords + used, column.minus.begin());
        for (qsizetype c = start + 1; c <= j; ++c) {
            const std::size_t at = std::size_t(c - start - 1) * std::size_t(used);
            advance(column, letterRows.matching(c), used, &extraCheapest[at]);
            std::copy(column.plus.begin(), column.plus.begin() + used, &missedCheapest[at]);
        }
        while (j > start && i > 0) {
            const std::size_t at = std::size_t(j - start - 1) * std::size_t(used);
            if (readsAs(copy[j - 1], sent[i - 1])) {
                --i;
                --j;
                aligned.push_back({Mark::Right, sent[i], readAt(copy[j], sent[i])});
            } else if (bitOfRow(&extraCheapest[at], i)) {
                --j;
                aligned.push_back({Mark::Extra, QChar(), readAt(copy[j], QChar())});
            } else if (bitOfRow(&missedCheapest[at], i)) {
                --i;
                aligned.push_back({Mark::Missed, sent[i], QChar()});
            } else {
                --i;
                --j;
                aligned.push_back({Mark::Wrong, sent[i], readAt(copy[j], sent[i])});
            }
        }
    }
    // Along the top row only extra letters are left, down the first column only missed ones.
    while (j > 0) {
        --j;
        aligned.push_back({Mark::Extra, QChar(), readAt(copy[j], QChar())});
    }
    while (i > 0) {
        --i;
        aligned.push_back({Mark::Missed, sent[i], QChar()});
    }
    std::reverse(aligned.begin(), aligned.end());
    return aligned;
}

} // namespace blinket
