// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/characters.h"

#include "signal/lettercode.h"

#include <algorithm>
#include <array>

namespace blinket {

namespace {

// The characters beyond the letters; the letters keep their own table, which also knows
// the extra gap of K, D and G.
struct CharacterRow
{
    char16_t character;
    std::string_view elements;
    CharacterGroup group;
    const char16_t *procedureSign = nullptr; // its name, when it is one
};

constexpr std::array<CharacterRow, 25> rows{{
    {u'0', "-----", CharacterGroup::Figures},
    {u'1', ".----", CharacterGroup::Figures},
    {u'2', "..---", CharacterGroup::Figures},
    {u'3', "...--", CharacterGroup::Figures},
    {u'4', "....-", CharacterGroup::Figures},
    {u'5', ".....", CharacterGroup::Figures},
    {u'6', "-....", CharacterGroup::Figures},
    {u'7', "--...", CharacterGroup::Figures},
    {u'8', "---..", CharacterGroup::Figures},
    {u'9', "----.", CharacterGroup::Figures},
    {u'.', ".-.-.-", CharacterGroup::Punctuation},
    {u',', "--..--", CharacterGroup::Punctuation},
    {u'?', "..--..", CharacterGroup::Punctuation},
    {u'/', "-..-.", CharacterGroup::Punctuation},
    {u'=', "-...-", CharacterGroup::Punctuation, u"BT"},
    {u':', "---...", CharacterGroup::Punctuation},
    {u'\'', ".----.", CharacterGroup::Punctuation},
    {u'"', ".-..-.", CharacterGroup::Punctuation},
    {u'(', "-.--.", CharacterGroup::Punctuation, u"KN"},
    {u')', "-.--.-", CharacterGroup::Punctuation},
    {u'@', ".--.-.", CharacterGroup::Punctuation},
    {u'^', ".-.-", CharacterGroup::Procedure, u"AA"},
    {u'+', ".-.-.", CharacterGroup::Procedure, u"AR"},
    {u'&', ".-...", CharacterGroup::Procedure, u"AS"},
    {u'%', "...-.-", CharacterGroup::Procedure, u"SK"},
}};

const CharacterRow *rowOf(QChar c)
{
    const auto found = std::ranges::find(rows, c.unicode(), &CharacterRow::character);
    return found == rows.end() ? nullptr : &*found;
}

static_assert(26 + rows.size() == sendableCount);

} // namespace

QStringView sendableCharacters()
{
    static const QString all = [] {
        QString text;
        for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
            text += QChar(letter);
        for (const CharacterRow &row : rows)
            text += QChar(row.character);
        return text;
    }();
    return all;
}

QChar characterAt(int index)
{
    return sendableCharacters()[index];
}

int characterIndex(QChar c)
{
    return int(sendableCharacters().indexOf(c));
}

std::string_view morseElements(QChar c)
{
    if (const std::optional<LetterCode> code = letterCode(QString(c)))
        return code->elements;
    const CharacterRow *row = rowOf(c);
    return row ? row->elements : std::string_view();
}

bool belongsTo(QChar c, CharacterGroup group)
{
    if (letterCode(QString(c)))
        return group == CharacterGroup::Letters;
    const CharacterRow *row = rowOf(c);
    if (!row)
        return false;
    return row->group == group || (group == CharacterGroup::Procedure && row->procedureSign);
}

QString charactersOf(const CharacterChoice &choice)
{
    const bool none =
        !choice.letters && !choice.figures && !choice.punctuation && !choice.procedure;
    const std::array<std::pair<bool, CharacterGroup>, 4> groups{{
        {choice.letters || none, CharacterGroup::Letters},
        {choice.figures, CharacterGroup::Figures},
        {choice.punctuation, CharacterGroup::Punctuation},
        {choice.procedure, CharacterGroup::Procedure},
    }};
    QString chosen;
    for (const QChar c : sendableCharacters()) {
        if (std::ranges::any_of(groups, [c](const auto &group) {
                return group.first && belongsTo(c, group.second);
            }))
            chosen += c;
    }
    return chosen;
}

QString procedureSignName(QChar c)
{
    const CharacterRow *row = rowOf(c);
    return row && row->procedureSign ? QString::fromUtf16(row->procedureSign) : QString();
}

bool readsAs(QChar typed, QChar sent)
{
    if (typed == qOrSlash)
        return sent == u'Q' || sent == u'/';
    if (typed == wOrApostrophe)
        return sent == u'W' || sent == u'\'';
    return typed == sent;
}

QChar readAt(QChar typed, QChar sent)
{
    if (typed == qOrSlash)
        return sent == u'/' ? sent : QChar(u'Q');
    if (typed == wOrApostrophe)
        return sent == u'\'' ? sent : QChar(u'W');
    return typed;
}

} // namespace blinket
