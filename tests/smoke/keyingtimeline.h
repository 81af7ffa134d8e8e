// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "signal/characters.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <random>
#include <vector>

// Header only: the keyer builds its timeline with it, and a test checks it without an X server.

namespace blinket {

// The lengths of a hand's keying in dots (a dot is 1); International proportions by default.
struct KeyingProportions
{
    double dash = 3.0;
    double elementGap = 1.0;
    double letterGap = 3.0;
    double wordGap = 7.0;
};

// The dot at a speed in words a minute: PARIS with the word gap that closes it is 50 dots.
inline double dotMs(double wordsPerMinute)
{
    return 1200.0 / wordsPerMinute;
}

// The marks and spaces (milliseconds, a mark first) that key text: any character the program
// sends, words parted by spaces, the last word closed by a word gap as the others are. Each
// element is stretched or shrunk by its own factor drawn evenly from 1 - spread to 1 + spread,
// the draws fixed by seed. Nothing when the text holds no word, or a character with no code.
inline std::optional<std::vector<double>> keyingTimeline(QStringView text, double wordsPerMinute,
                                                         const KeyingProportions &proportions = {},
                                                         double spread = 0.0, unsigned seed = 0)
{
    std::vector<double> dots;
    for (const QStringView word : text.split(u' ', Qt::SkipEmptyParts)) {
        for (qsizetype i = 0; i < word.size(); ++i) {
            const std::string_view elements = morseElements(word[i].toUpper());
            if (elements.empty())
                return std::nullopt;
            if (i > 0)
                dots.back() = proportions.letterGap;
            for (const char element : elements) {
                dots.push_back(element == '-' ? proportions.dash : 1.0);
                dots.push_back(proportions.elementGap);
            }
        }
        dots.back() = proportions.wordGap;
    }
    if (dots.empty())
        return std::nullopt;

    std::mt19937 random(seed);
    std::uniform_real_distribution<double> factor(1.0 - spread, 1.0 + spread);
    std::vector<double> timeline;
    for (const double length : dots)
        timeline.push_back(length * dotMs(wordsPerMinute) * (spread > 0 ? factor(random) : 1.0));
    return timeline;
}

} // namespace blinket
