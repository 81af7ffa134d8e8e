// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/copytext.h"

#include "signal/characters.h"

#include <array>

namespace blinket {

namespace {

// The Israeli Hebrew keyboard: what the Latin layout has on the key of each Hebrew letter,
// from א (U+05D0) to ת (U+05EA); ף stands on the semicolon key, ץ on the full stop's and ת on
// the comma's.
constexpr std::array<char16_t, 27> latinOnHebrewKeys{
    u'T', u'C', u'D', u'S', u'V', u'U', u'Z', u'J', u'Y', u'H', u'L', u'F', u'K', u'O',
    u'N', u'I', u'B', u'X', u'G', u';', u'P', u'.', u'M', u'E', u'R', u'A', u',',
};

} // namespace

QChar copyCharacter(QChar typed, QStringView runCharacters)
{
    const char16_t c = typed.unicode();
    if (c >= u'A' && c <= u'Z')
        return typed;
    if (c >= u'a' && c <= u'z')
        return QChar(char16_t(c - u'a' + u'A'));
    if (c >= u'\u05D0' && c <= u'\u05EA') {
        const QChar latin(latinOnHebrewKeys[c - u'\u05D0']);
        return latin.isLetter() || runCharacters.contains(latin) ? latin : QChar();
    }
    if (runCharacters.contains(typed))
        return typed;
    if (c == u'/')
        return QChar(u'Q');
    if (c == u'\'')
        return QChar(u'W');
    // The Q or W key of the Israeli layout: either character while the run sends the mark.
    if (typed == qOrSlash || typed == wOrApostrophe) {
        const QChar mark = readAt(typed, typed == qOrSlash ? QChar(u'/') : QChar(u'\''));
        return runCharacters.contains(mark) ? typed : readAt(typed, QChar());
    }
    return QChar();
}

QString copyCharacters(QStringView typed, QStringView runCharacters, int limit, int *leftOut)
{
    QString copy;
    int over = 0;
    for (const QChar c : typed) {
        const QChar counted = copyCharacter(c, runCharacters);
        if (counted.isNull())
            continue;
        if (limit >= 0 && copy.size() >= limit)
            ++over;
        else
            copy.append(counted);
    }
    if (leftOut)
        *leftOut = over;
    return copy;
}

} // namespace blinket
