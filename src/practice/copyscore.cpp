// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/copyscore.h"

#include "practice/accuracy.h"
#include "practice/alignment.h"
#include "practice/copytext.h"
#include "signal/characters.h"

namespace blinket {

QChar LetterTally::mostOftenReadAs() const
{
    int best = 0;
    QChar letter;
    for (int i = 0; i < int(readAs.size()); ++i) {
        if (readAs[i] > best) {
            best = readAs[i];
            letter = characterAt(i);
        }
    }
    return letter;
}

int CopyScore::percent() const
{
    return wholePercent(right, sent, extra);
}

QString CopyScore::summary() const
{
    return QStringLiteral("%1 of %2 right (%3)")
        .arg(QString::number(right), QString::number(sent), percentText(percent()));
}

CopyScore scoreCopy(const QString &sent, const QString &copy, QStringView runCharacters)
{
    CopyScore score;
    const QString sentCharacters = copyCharacters(sent, runCharacters);
    const QString copied =
        copyCharacters(copy, runCharacters, copyLimit(sentCharacters.size()), &score.leftOut);
    score.aligned = alignCopy(sentCharacters, copied);
    for (const AlignedLetter &place : score.aligned) {
        if (place.mark == Mark::Extra) {
            ++score.extra;
            continue;
        }
        ++score.sent;
        // A character outside the table (a caller's own, in a test) is scored but not tallied.
        const int sent = characterIndex(place.sent);
        LetterTally unlisted;
        LetterTally &tally = sent >= 0 ? score.letters[std::size_t(sent)] : unlisted;
        ++tally.sent;
        switch (place.mark) {
        case Mark::Right:
            ++score.right;
            ++tally.right;
            break;
        case Mark::Wrong:
            ++score.wrong;
            if (const int typed = characterIndex(place.typed); typed >= 0)
                ++tally.readAs[std::size_t(typed)];
            break;
        case Mark::Missed:
            ++score.missed;
            ++tally.missed;
            break;
        case Mark::Extra:
            break;
        }
    }
    return score;
}

} // namespace blinket
