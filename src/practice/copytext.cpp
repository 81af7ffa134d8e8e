// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/copytext.h"

#include "signal/characters.h"

#include <algorithm>
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

// The Hebrew letter on the key of each Latin letter A to Z of the Israeli Hebrew keyboard, a
// final form as its letter (ך on the L key is כ); none on Q and W, which write '/' and the
// apostrophe there.
constexpr std::array<char16_t, 26> hebrewOnLatinKeys{
    u'\u05E9', u'\u05E0', u'\u05D1', u'\u05D2', u'\u05E7', u'\u05DB', u'\u05E2',
    u'\u05D9', u'\u05E0', u'\u05D7', u'\u05DC', u'\u05DB', u'\u05E6', u'\u05DE',
    u'\u05DE', u'\u05E4', 0,         u'\u05E8', u'\u05D3', u'\u05D0', u'\u05D5',
    u'\u05D4', 0,         u'\u05E1', u'\u05D8', u'\u05D6',
};

QChar latinRunCharacter(QChar typed, QStringView runCharacters)
{
    const char16_t c = typed.unicode();
    if (c >= u'A' && c <= u'Z')
        return typed;
    if (c >= u'a' && c <= u'z')
        return QChar(char16_t(c - u'a' + u'A'));
    if (isHebrewLetter(typed)) {
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
    if (typed == tavOrComma && runCharacters.contains(u','))
        return QChar(u',');
    return QChar();
}

// In a run of Hebrew letters: a Hebrew letter as typed (a final form stays one: it reads as its
// letter), a Latin letter as the Hebrew letter on its key. The keys of ת, ף and ץ write the
// comma, the semicolon and the full stop on a Latin layout: each is its letter unless the run
// sends the mark, and ת's key (tavOrComma) stands for either then.
QChar hebrewRunCharacter(QChar typed, QStringView runCharacters)
{
    const char16_t c = typed.unicode();
    if (isHebrewLetter(typed))
        return typed;
    if (c >= u'a' && c <= u'z')
        return QChar(hebrewOnLatinKeys[c - u'a']);
    if (c >= u'A' && c <= u'Z')
        return QChar(hebrewOnLatinKeys[c - u'A']);
    if (runCharacters.contains(typed))
        return typed;
    if (c == u',')
        return QChar(u'\u05EA');
    if (c == u'.')
        return QChar(u'\u05E6');
    if (c == u';')
        return QChar(u'\u05E4');
    if (typed == tavOrComma)
        return runCharacters.contains(u',') ? typed : QChar(u'\u05EA');
    return QChar();
}

} // namespace

QChar copyCharacter(QChar typed, QStringView runCharacters)
{
    return holdsHebrewLetters(runCharacters) ? hebrewRunCharacter(typed, runCharacters)
                                             : latinRunCharacter(typed, runCharacters);
}

QString copyCharacters(QStringView typed, QStringView runCharacters, int limit, int *leftOut)
{
    QString copy;
    int over = 0;
    const auto counts =
        holdsHebrewLetters(runCharacters) ? &hebrewRunCharacter : &latinRunCharacter;
    for (const QChar c : typed) {
        const QChar counted = counts(c, runCharacters);
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
