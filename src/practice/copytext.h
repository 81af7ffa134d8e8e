// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace blinket {

// What a typed character stands for in a copy of a run, or null when it stands for nothing
// there. A letter of either case is its upper case; a letter of the Israeli Hebrew keyboard is
// the Latin letter on its key (ק on the E key is E), so that a learner typing with that layout
// active loses nothing. It counts when it is a letter A to Z or one of the run's other
// characters (runCharacters: what the run draws from); spaces, line ends and everything else
// stand for nothing. '/' and the apostrophe are the Hebrew layout's Q and W unless the run
// sends them itself. In a run of Hebrew letters (one whose characters hold any) it is the other
// way about: a Hebrew letter is itself, a final form too, and a Latin letter the Hebrew letter
// on its key (E is ק).
QChar copyCharacter(QChar typed, QStringView runCharacters);

// The characters of a typed text that count in a copy of a run, in order, at most limit of
// them (no limit when negative); *leftOut, when asked, says how many more there were.
QString copyCharacters(QStringView typed, QStringView runCharacters, int limit = -1,
                       int *leftOut = nullptr);

// The most characters a copy of a run that sent `sent` characters may hold: enough for every
// slip a reader makes, while checking stays quick whatever is pasted.
inline int copyLimit(qsizetype sent)
{
    return int(qMin<qsizetype>(2 * sent + 50, 1 << 29));
}

} // namespace blinket
