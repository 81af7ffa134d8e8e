// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "keyedtimeline.h"
#include "signal/characters.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// Header only: the keyer builds its timeline with it, and a test checks it without an X server.

namespace blinket {

// The dot at a speed in words a minute, in milliseconds: PARIS with the word gap that closes
// it is 50 dots.
inline double dotMs(double wordsPerMinute)
{
    return 1200.0 / wordsPerMinute;
}

// The marks and spaces (milliseconds, a mark first) that key text by hand at a speed: the
// strokes of keyedStrokes, the last word closed by a word gap as the others are, which strays
// as they do. Nothing when the text holds no word, or a character with no code.
inline std::optional<std::vector<double>> keyingTimeline(QStringView text, double wordsPerMinute,
                                                         const Hand &hand = {}, quint32 seed = 1)
{
    const QString upper = text.toString().toUpper();
    for (const QChar c : upper) {
        if (c != u' ' && morseElements(c).empty())
            return std::nullopt;
    }
    const std::vector<KeyStroke> strokes =
        keyedStrokes(upper, dotMs(wordsPerMinute) / 1000.0, hand, seed);
    if (strokes.empty())
        return std::nullopt;
    std::vector<double> timeline;
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        timeline.push_back((strokes[i].up - strokes[i].down) * 1000.0);
        if (i + 1 < strokes.size())
            timeline.push_back((strokes[i + 1].down - strokes[i].up) * 1000.0);
    }
    QRandomGenerator closing(~seed);
    timeline.push_back(hand.wordGap * dotMs(wordsPerMinute) *
                       (1.0 + hand.spread * (2.0 * closing.generateDouble() - 1.0)));
    return timeline;
}

} // namespace blinket
