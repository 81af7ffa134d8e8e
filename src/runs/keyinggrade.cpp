// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/keyinggrade.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace blinket {

namespace {

// The International code's length of each element, in dots.
double idealDots(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Dot:
    case ElementKind::ElementGap:
        return 1.0;
    case ElementKind::Dash:
    case ElementKind::LetterGap:
        return 3.0;
    case ElementKind::WordGap:
        return 7.0;
    }
    return 1.0;
}

bool isMark(ElementKind kind)
{
    return kind == ElementKind::Dot || kind == ElementKind::Dash;
}

// The lengths of one kind, each over the learner's dot where it was keyed.
std::vector<double> inDots(const KeyReading &reading, ElementKind kind)
{
    std::vector<double> lengths;
    for (const ReadElement &element : reading.elements) {
        if (element.kind == kind && element.unit > 0.0)
            lengths.push_back(element.length / element.unit);
    }
    return lengths;
}

double mean(const std::vector<double> &values)
{
    return values.empty()
               ? 0.0
               : std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

// Standard deviation over mean; none for fewer than two.
double spread(const std::vector<double> &values)
{
    if (values.size() < 2)
        return 0.0;
    const double centre = mean(values);
    double squares = 0.0;
    for (const double v : values)
        squares += (v - centre) * (v - centre);
    return std::sqrt(squares / double(values.size() - 1)) / centre;
}

// What a proportion off its ideal costs: nothing when exact, all of weight when it is half or
// double the ideal or further off; nothing when there was none to measure.
double proportionCost(double ratio, double ideal, double weight)
{
    if (ratio <= 0.0)
        return 0.0;
    return weight * std::min(1.0, std::abs(std::log(ratio / ideal)) / std::log(2.0));
}

// What uneven elements cost: nothing for a spread of 8 % (a steady hand's), all of weight at
// 40 %, where a dot and a dash of the same hand begin to meet.
double spreadCost(double spreads, double weight)
{
    return weight * std::clamp((spreads - 0.08) / 0.32, 0.0, 1.0);
}

// What signs that are no character cost: all of weight when none is one. Letters run
// together with gaps no longer than those inside a letter read so, however even the hand.
double unreadableCost(const QString &read, double weight)
{
    const qsizetype signs = read.size() - read.count(u' ');
    return signs == 0 ? 0.0 : weight * double(read.count(u'*')) / double(signs);
}

} // namespace

KeyingGrade gradeKeying(const QString &asked, const KeyReading &reading)
{
    KeyingGrade grade;
    grade.asked = asked;
    grade.read = reading.text;
    KeyingFigures &figures = grade.figures;

    const std::vector<double> dots = inDots(reading, ElementKind::Dot);
    const std::vector<double> dashes = inDots(reading, ElementKind::Dash);
    const std::vector<double> inner = inDots(reading, ElementKind::ElementGap);
    const std::vector<double> between = inDots(reading, ElementKind::LetterGap);
    const std::vector<double> words = inDots(reading, ElementKind::WordGap);
    // Everything is over the dot where it was keyed, so the mean dot is about one: the ratios
    // are over it all the same, for a hand whose dots are all long or all short.
    const double dot = dots.empty() ? 1.0 : mean(dots);
    const auto ratio = [dot](const std::vector<double> &lengths) {
        return lengths.empty() ? 0.0 : mean(lengths) / dot;
    };
    figures.dashRatio = ratio(dashes);
    figures.elementGapRatio = ratio(inner);
    figures.letterGapRatio = ratio(between);
    figures.wordGapRatio = ratio(words);
    figures.dotSpread = spread(dots);
    figures.dashSpread = spread(dashes);

    double keyed = 0.0;
    double idealTotal = 0.0;
    for (const ReadElement &element : reading.elements) {
        keyed += element.length;
        idealTotal += idealDots(element.kind);
    }
    // PARIS and the gap after it are 50 dots: a dot of 1200 / wpm milliseconds.
    figures.wordsPerMinute = keyed > 0.0 ? 1.2 * idealTotal / keyed : 0.0;

    std::vector<double> spreads;
    for (const auto *lengths : {&dots, &dashes, &inner}) {
        if (lengths->size() >= 2)
            spreads.push_back(spread(*lengths));
    }
    const double cost = proportionCost(figures.dashRatio, 3.0, 40.0) +
                        proportionCost(figures.letterGapRatio, 3.0, 25.0) +
                        proportionCost(figures.elementGapRatio, 1.0, 15.0) +
                        proportionCost(figures.wordGapRatio, 7.0, 5.0) +
                        spreadCost(spreads.empty() ? 0.0 : mean(spreads), 30.0) +
                        unreadableCost(reading.text, 40.0);
    figures.merit = int(std::lround(std::clamp(100.0 - cost, 0.0, 100.0)));

    double idealAt = 0.0;
    for (const ReadElement &element : reading.elements) {
        KeyedBar bar;
        bar.kind = element.kind;
        bar.start = element.start;
        bar.length = element.length;
        bar.idealStart = idealAt;
        bar.idealLength = idealDots(element.kind) * element.unit;
        idealAt += bar.idealLength;
        const double off = bar.idealLength > 0.0 ? element.length / bar.idealLength : 1.0;
        const bool badlyFormed = off > 1.5 || off < 2.0 / 3.0;
        const qsizetype at = element.character;
        const bool wrong =
            isMark(element.kind) && (at >= asked.size() || asked.at(at) != reading.text.at(at));
        bar.flagged = badlyFormed || wrong;
        grade.bars.push_back(bar);
    }
    return grade;
}

} // namespace blinket
