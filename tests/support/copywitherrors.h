// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

#include <random>

namespace blinket {

// Random letters A to Z.
inline QString randomLetters(int count, std::mt19937 &random, int alphabet = 26)
{
    std::uniform_int_distribution<int> letter(0, alphabet - 1);
    QString letters;
    letters.reserve(count);
    for (int i = 0; i < count; ++i)
        letters.append(QChar(u'A' + letter(random)));
    return letters;
}

struct CopyWithErrors
{
    QString copy;
    int errors = 0; // wrong, missed and extra letters put in
};

// A copy of the letters sent where each letter, at the given rate, is instead read wrong,
// missed, or followed by an extra letter, the three alike often. The alphabet has at least
// two letters.
inline CopyWithErrors copyWithErrors(const QString &sent, double rate, std::mt19937 &random,
                                     int alphabet = 26)
{
    std::bernoulli_distribution error(rate);
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_int_distribution<int> otherLetter(1, alphabet - 1);
    std::uniform_int_distribution<int> anyLetter(0, alphabet - 1);
    CopyWithErrors result;
    result.copy.reserve(sent.size() + sent.size() / 10);
    for (const QChar letter : sent) {
        if (!error(random)) {
            result.copy.append(letter);
            continue;
        }
        ++result.errors;
        switch (kind(random)) {
        case 0: // wrong: another letter
            result.copy.append(
                QChar(u'A' + (letter.unicode() - u'A' + otherLetter(random)) % alphabet));
            break;
        case 1: // missed
            break;
        default: // extra
            result.copy.append(letter);
            result.copy.append(QChar(u'A' + anyLetter(random)));
            break;
        }
    }
    return result;
}

} // namespace blinket
