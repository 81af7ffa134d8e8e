// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/keyreading.h"
#include "signal/characters.h"

#include <QRandomGenerator>
#include <QStringView>

#include <vector>

namespace blinket {

// A hand's proportions, in dots, and how far each element strays from them at random (0.2:
// anywhere within a fifth either way).
struct Hand
{
    double dash = 3.0;
    double elementGap = 1.0;
    double letterGap = 3.0;
    double wordGap = 7.0;
    double spread = 0.0;
};

// The strokes of text keyed by hand, its dot going evenly from firstDot to lastDot seconds
// (the same for a steady pace) over the keying.
inline std::vector<KeyStroke> keyedStrokes(QStringView text, double firstDot, const Hand &hand = {},
                                           quint32 seed = 1, double lastDot = 0.0)
{
    if (lastDot <= 0.0)
        lastDot = firstDot;
    QRandomGenerator random(seed);
    std::vector<std::pair<bool, double>> elements; // lit, dots
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ')
            continue;
        if (!elements.empty())
            elements.back().second = (i > 0 && text[i - 1] == u' ') ? hand.wordGap : hand.letterGap;
        for (const char element : morseElements(text[i])) {
            elements.push_back({true, element == '-' ? hand.dash : 1.0});
            elements.push_back({false, hand.elementGap});
        }
    }
    if (!elements.empty())
        elements.pop_back();
    std::vector<KeyStroke> strokes;
    double at = 10.0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const double along = elements.size() > 1 ? double(i) / double(elements.size() - 1) : 0.0;
        const double dot = firstDot + (lastDot - firstDot) * along;
        const double stray = 1.0 + hand.spread * (2.0 * random.generateDouble() - 1.0);
        const double length = elements[i].second * dot * stray;
        if (elements[i].first)
            strokes.push_back({at, at + length});
        at += length;
    }
    return strokes;
}

} // namespace blinket
