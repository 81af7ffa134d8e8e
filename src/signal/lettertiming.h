// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QtGlobal>

#include <optional>

namespace blinket {

// Letters sent faster than the run: the elements of a letter and the gaps inside it take the
// letter unit, the gaps that close letters and the pauses of a run take the longer spacing
// unit, so that the run keeps the pace of its speed.
struct LetterTiming
{
    qint16 letterUnit;  // milliseconds
    double spacingUnit; // milliseconds
};

// The whole milliseconds an element of the given units lasts at unit (halfway to even).
qint32 elementMs(qint16 unit, double units);

// The timing that keeps a group of five (PARIS, with the run's group pause of
// groupPauseUnits) as long as at unit, its letters at letterUnit: the milliseconds the letters
// save are spread evenly over the units of its closing gaps and its pause. Nothing when the
// letters are not faster (letterUnit >= unit), when unit is not positive, or when letterUnit
// is negative (a negative letter speed is no faster speed).
std::optional<LetterTiming> letterTiming(qint16 unit, qint16 letterUnit, double groupPauseUnits);

} // namespace blinket
