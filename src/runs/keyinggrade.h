// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/keyingfigures.h"
#include "runs/keyreading.h"

#include <QString>

#include <vector>

namespace blinket {

// A mark or a space on the picture of a keying: as keyed, and as the International code
// would have it at the learner's own dot (the same elements, each its whole number of dots,
// one after another from the first press). A flagged element is wrong (in a character read
// other than asked) or badly formed (more than half as long again, or shorter by a third,
// than its ideal).
struct KeyedBar
{
    ElementKind kind = ElementKind::Dot;
    double start = 0.0; // seconds after the first press
    double length = 0.0;
    double idealStart = 0.0;
    double idealLength = 0.0;
    bool flagged = false;
};

// A keying graded: what was asked and read, the figures and the merit, and the picture.
struct KeyingGrade
{
    QString asked;
    QString read;
    KeyingFigures figures;
    std::vector<KeyedBar> bars;
};

KeyingGrade gradeKeying(const QString &asked, const KeyReading &reading);

} // namespace blinket
