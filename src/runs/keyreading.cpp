// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/keyreading.h"

#include "signal/characters.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace blinket {

namespace {

// Two groups of lengths this far apart (the longer mean over the shorter) are two kinds of
// element: a hand's own spread of one kind stays well under it, and a dash of 1.6 dots, which
// a receiver still tells from a dot, is over it.
constexpr double twoKinds = 1.4;
// Marks on each side whose dot-lengths make the dot at a mark: enough to steady it, few
// enough to follow a hand that speeds up or slows down within a word.
constexpr std::ptrdiff_t neighbours = 4;
// Rounds of reading the marks and the dot from each other.
constexpr int rounds = 4;

// Where lengths split into two groups, in order: the index of the first long one, and how
// many times the long group's mean is the short one's. Lengths split where the squared
// distances of their logarithms from their group's mean add up least.
struct Split
{
    std::size_t at = 0;
    double ratio = 1.0;
};

Split bestSplit(std::vector<double> sorted)
{
    std::ranges::sort(sorted);
    // Sums of the logarithms and of their squares before each place: each split's spread in
    // one step, however long the keying.
    const std::size_t count = sorted.size();
    std::vector<double> sums(count + 1, 0.0);
    std::vector<double> squares(count + 1, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double v = std::log(sorted[i]);
        sums[i + 1] = sums[i] + v;
        squares[i + 1] = squares[i] + v * v;
    }
    const auto spreadOf = [&](std::size_t from, std::size_t to) {
        const double sum = sums[to] - sums[from];
        return squares[to] - squares[from] - sum * sum / double(to - from);
    };
    Split best;
    double leastSpread = INFINITY;
    for (std::size_t at = 1; at < count; ++at) {
        const double spread = spreadOf(0, at) + spreadOf(at, count);
        if (spread < leastSpread) {
            leastSpread = spread;
            const double low = sums[at] / double(at);
            const double high = (sums[count] - sums[at]) / double(count - at);
            best = {at, std::exp(high - low)};
        }
    }
    return best;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::ranges::nth_element(values, middle);
    return *middle;
}

double geometricMean(double a, double b)
{
    return std::sqrt(a * b);
}

// The dot when every mark is of one kind. Gaps as long as the marks say dots inside letters
// (I, S, H), gaps a third of them dashes (O, M); anything between, the dot assumed decides.
double dotOfOneKind(double markMean, const std::vector<double> &spaces, double priorUnit)
{
    if (!spaces.empty()) {
        std::vector<double> sorted = spaces;
        std::ranges::sort(sorted);
        const Split split = bestSplit(sorted);
        const std::size_t shortOnes = split.ratio >= twoKinds ? split.at : sorted.size();
        const double shortest =
            median(std::vector<double>(sorted.begin(), sorted.begin() + std::ptrdiff_t(shortOnes)));
        const double ratio = markMean / shortest;
        if (ratio >= 2.0)
            return markMean / 3.0;
        // Marks as long as the shortest gaps, and longer gaps besides: dots inside letters.
        if (ratio <= 0.5 || shortOnes < sorted.size())
            return markMean;
    }
    const auto distance = [priorUnit](double dot) { return std::abs(std::log(dot / priorUnit)); };
    return distance(markMean) <= distance(markMean / 3.0) ? markMean : markMean / 3.0;
}

// The character a sign stands for: the first that can be sent with it, SOS as one sign, or
// '*' for a sign that is none.
QString characterOf(const std::string &sign, bool hebrew)
{
    if (sign == "...---...")
        return QStringLiteral("SOS");
    const CharacterGroup otherAlphabet =
        hebrew ? CharacterGroup::Letters : CharacterGroup::HebrewLetters;
    for (const QChar c : sendableCharacters()) {
        if (morseElements(c) == sign && !belongsTo(c, otherAlphabet))
            return QString(c);
    }
    return QStringLiteral("*");
}

// Where the spaces (in dots) split into gaps inside a letter, between letters and between
// words: at the breaks in the hand's own spaces, where they are that far apart, else at 2 and
// 5 dots (between 1, 3 and 7).
struct GapBoundaries
{
    double letter = 2.0;
    double word = 5.0;
};

GapBoundaries gapBoundaries(std::vector<double> spaces)
{
    GapBoundaries boundaries;
    if (spaces.empty())
        return boundaries;
    std::ranges::sort(spaces);
    // Groups of spaces, each its spaces in order: a new group where a space is that much
    // longer than the one before. Two groups whose middle spaces are too near (a hand's
    // spread seen in a few spaces) are one; more than three kinds are three.
    std::vector<std::vector<double>> groups{{}};
    for (const double v : spaces) {
        if (!groups.back().empty() && v / groups.back().back() >= twoKinds)
            groups.emplace_back();
        groups.back().push_back(v);
    }
    const auto nearness = [&groups](std::size_t i) {
        return median(groups[i + 1]) / median(groups[i]);
    };
    for (;;) {
        std::size_t nearest = 0;
        for (std::size_t i = 1; i + 1 < groups.size(); ++i) {
            if (nearness(i) < nearness(nearest))
                nearest = i;
        }
        // Gaps between words are over twice those between letters; spread alone, in a few
        // gaps between letters, can make three groups of two.
        const bool wordsApart = groups.size() < 3 || nearness(groups.size() - 2) >= 1.65;
        if (groups.size() < 2 || (groups.size() <= 3 && nearness(nearest) >= 1.45 && wordsApart))
            break;
        if (groups.size() == 3 && !wordsApart)
            nearest = 1;
        groups[nearest].insert(groups[nearest].end(), groups[nearest + 1].begin(),
                               groups[nearest + 1].end());
        groups.erase(groups.begin() + std::ptrdiff_t(nearest) + 1);
    }
    const auto between = [&groups](std::size_t lower) {
        return geometricMean(groups[lower].back(), groups[lower + 1].front());
    };
    if (groups.size() == 3) {
        boundaries = {between(0), between(1)};
    } else if (groups.size() == 2) {
        // Two kinds: inside and between letters, unless the shorter is already a letter's
        // (dots and dashes alone, single letters) or the longer a word's; a hand that
        // stretches the gaps between letters stretches those between words further still.
        if (groups[0].back() < 2.0 && groups[1].front() < 6.0)
            boundaries = {between(0), std::max(6.0, groups[1].back() * twoKinds)};
        else if (groups[0].back() < 2.0)
            boundaries = {between(0), between(0)};
        else
            boundaries = {std::min(2.0, groups[0].front() / twoKinds), between(0)};
    }
    return boundaries;
}

} // namespace

QString keyedCharacters(QStringView asked)
{
    const bool hebrew = holdsHebrewLetters(asked);
    return charactersOf({!hebrew, true, true, true, hebrew});
}

KeyReading readKeying(const std::vector<KeyStroke> &strokes, double priorUnit, bool hebrew)
{
    KeyReading reading;
    reading.unit = priorUnit;
    reading.closingSpace = 2.0 * priorUnit;
    if (strokes.empty())
        return reading;

    const std::size_t count = strokes.size();
    std::vector<double> marks(count);
    std::vector<double> spaces(count - 1);
    for (std::size_t i = 0; i < count; ++i) {
        marks[i] = std::max(strokes[i].up - strokes[i].down, 1e-4);
        if (i + 1 < count)
            spaces[i] = std::max(strokes[i + 1].down - strokes[i].up, 1e-4);
    }

    // A first reading of the marks over the whole keying.
    std::vector<bool> dash(count, false);
    const Split split = bestSplit(marks);
    if (count > 1 && split.ratio >= twoKinds) {
        std::vector<double> sorted = marks;
        std::ranges::sort(sorted);
        const double boundary = geometricMean(sorted[split.at - 1], sorted[split.at]);
        for (std::size_t i = 0; i < count; ++i)
            dash[i] = marks[i] >= boundary;
    } else {
        const double markMean =
            std::exp(std::accumulate(marks.begin(), marks.end(), 0.0,
                                     [](double sum, double v) { return sum + std::log(v); }) /
                     double(count));
        const bool dashes = dotOfOneKind(markMean, spaces, priorUnit) < markMean / 2.0;
        dash.assign(count, dashes);
    }

    // Then the dot at each mark, from its neighbours, and the marks again by the hand's own
    // dash: a hand that keys dashes of two dots is read by that, as a receiver reads it.
    std::vector<double> dot(count, 0.0);
    double dashRatio = 3.0;
    for (int round = 0; round < rounds; ++round) {
        std::vector<double> dots;
        std::vector<double> dashes;
        for (std::size_t i = 0; i < count; ++i)
            (dash[i] ? dashes : dots).push_back(marks[i]);
        if (!dots.empty() && !dashes.empty())
            dashRatio = std::max(median(dashes) / median(dots), twoKinds);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t first =
                std::size_t(std::max<std::ptrdiff_t>(0, std::ptrdiff_t(i) - neighbours));
            const std::size_t last = std::min(count, i + std::size_t(neighbours) + 1);
            std::vector<double> near;
            for (std::size_t j = first; j < last; ++j)
                near.push_back(dash[j] ? marks[j] / dashRatio : marks[j]);
            dot[i] = median(near);
        }
        const double boundary = std::sqrt(dashRatio);
        for (std::size_t i = 0; i < count; ++i)
            dash[i] = marks[i] / dot[i] >= boundary;
    }

    // The spaces by the dot around them: gaps inside a letter, between letters and between
    // words, split where the hand's own gaps split.
    std::vector<double> spaceDots(spaces.size());
    for (std::size_t i = 0; i < spaces.size(); ++i)
        spaceDots[i] = spaces[i] / geometricMean(dot[i], dot[i + 1]);
    const auto [letterBoundary, wordBoundary] = gapBoundaries(spaceDots);

    std::string sign;
    const double start = strokes.front().down;
    for (std::size_t i = 0; i < count; ++i) {
        sign += dash[i] ? '-' : '.';
        const int character = int(reading.text.size());
        reading.elements.push_back({dash[i] ? ElementKind::Dash : ElementKind::Dot,
                                    strokes[i].down - start, marks[i], dot[i], character});
        if (i + 1 == count)
            break;
        const double v = spaceDots[i];
        const ElementKind gap = v < letterBoundary ? ElementKind::ElementGap
                                : v < wordBoundary ? ElementKind::LetterGap
                                                   : ElementKind::WordGap;
        reading.elements.push_back(
            {gap, strokes[i].up - start, spaces[i], geometricMean(dot[i], dot[i + 1]), character});
        if (gap != ElementKind::ElementGap) {
            reading.text += characterOf(sign, hebrew);
            sign.clear();
            if (gap == ElementKind::WordGap)
                reading.text += u' ';
        }
    }
    reading.text += characterOf(sign, hebrew);
    reading.unit = median(dot);
    reading.closingSpace = letterBoundary * dot.back();
    return reading;
}

} // namespace blinket
