// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace blinket {

// One press of the lamp key: when it went down and when it came up, in seconds on one clock.
struct KeyStroke
{
    double down = 0.0;
    double up = 0.0;
};

// What a mark or a space of keying was read as.
enum class ElementKind { Dot, Dash, ElementGap, LetterGap, WordGap };

// A mark or the space after it, as read: where it starts (seconds after the first press), how
// long it lasted, and the learner's dot there (seconds), which follows a hand that speeds up
// or slows down.
struct ReadElement
{
    ElementKind kind = ElementKind::Dot;
    double start = 0.0;
    double length = 0.0;
    double unit = 0.0;
    int character = 0; // the place in the text read of the character it belongs to
};

// Keying read back: the text (a sign that is no character reads as '*', a word gap as a
// space), the marks and the spaces between them in order, and the learner's dot over the
// whole keying (seconds). The last letter is read as it stands; a space after the last stroke
// at least closingSpace long (seconds) closes it.
struct KeyReading
{
    QString text;
    std::vector<ReadElement> elements;
    double unit = 0.0;
    double closingSpace = 0.0;
};

// Reads strokes (in order, not overlapping) by their own proportions: marks into dots and
// dashes, spaces into the gaps inside a letter, between letters and between words, with no
// speed given. priorUnit (seconds) is the dot to assume while the keying alone cannot tell (a
// single mark, marks all alike with no gap inside a letter). A letter's sign reads as a Hebrew
// letter when hebrew is set, else as A to Z.
KeyReading readKeying(const std::vector<KeyStroke> &strokes, double priorUnit, bool hebrew = false);

// The characters a keying of what was asked is scored by, as a copy is: those that can be sent,
// of asked's alphabet. A sign that is no character ('*') is not among them: the character asked
// there counts as not keyed.
QString keyedCharacters(QStringView asked);

} // namespace blinket
