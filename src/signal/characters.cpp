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

constexpr std::array<CharacterRow, 47> rows{{
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
    // The Hebrew letters, each one sign; a final form is sent as its letter.
    {u'\u05D0', ".-", CharacterGroup::HebrewLetters},
    {u'\u05D1', "-...", CharacterGroup::HebrewLetters},
    {u'\u05D2', "--.", CharacterGroup::HebrewLetters},
    {u'\u05D3', "-..", CharacterGroup::HebrewLetters},
    {u'\u05D4', "---", CharacterGroup::HebrewLetters},
    {u'\u05D5', ".", CharacterGroup::HebrewLetters},
    {u'\u05D6', "--..", CharacterGroup::HebrewLetters},
    {u'\u05D7', "....", CharacterGroup::HebrewLetters},
    {u'\u05D8', "..-", CharacterGroup::HebrewLetters},
    {u'\u05D9', "..", CharacterGroup::HebrewLetters},
    {u'\u05DB', "-.-", CharacterGroup::HebrewLetters},
    {u'\u05DC', ".-..", CharacterGroup::HebrewLetters},
    {u'\u05DE', "--", CharacterGroup::HebrewLetters},
    {u'\u05E0', "-.", CharacterGroup::HebrewLetters},
    {u'\u05E1', "-.-.", CharacterGroup::HebrewLetters},
    {u'\u05E2', ".---", CharacterGroup::HebrewLetters},
    {u'\u05E4', ".--.", CharacterGroup::HebrewLetters},
    {u'\u05E6', ".--", CharacterGroup::HebrewLetters},
    {u'\u05E7', "--.-", CharacterGroup::HebrewLetters},
    {u'\u05E8', ".-.", CharacterGroup::HebrewLetters},
    {u'\u05E9', "...", CharacterGroup::HebrewLetters},
    {u'\u05EA', "-", CharacterGroup::HebrewLetters},
}};

const CharacterRow *rowOf(QChar c)
{
    const auto found =
        std::ranges::find(rows, withoutFinalForm(c).unicode(), &CharacterRow::character);
    return found == rows.end() ? nullptr : &*found;
}

static_assert(26 + rows.size() == sendableCount);

constexpr int hebrewCount = 22;

} // namespace

QStringView hebrewLetters()
{
    return sendableCharacters().last(hebrewCount);
}

QChar withoutFinalForm(QChar c)
{
    switch (c.unicode()) {
    case u'\u05DA':
        return QChar(u'\u05DB');
    case u'\u05DD':
        return QChar(u'\u05DE');
    case u'\u05DF':
        return QChar(u'\u05E0');
    case u'\u05E3':
        return QChar(u'\u05E4');
    case u'\u05E5':
        return QChar(u'\u05E6');
    default:
        return c;
    }
}

bool isHebrewLetter(QChar c)
{
    return c >= u'\u05D0' && c <= u'\u05EA';
}

bool holdsHebrewLetters(QStringView text)
{
    return std::ranges::any_of(text, &isHebrewLetter);
}

QChar latinOfSameSign(QChar c)
{
    if (!isHebrewLetter(c))
        return {};
    const std::string_view sign = morseElements(c);
    for (const QChar latin : sendableCharacters().first(26)) {
        if (morseElements(latin) == sign)
            return latin;
    }
    return {};
}

QChar hebrewOfSameSign(QChar c)
{
    const std::string_view sign = morseElements(c);
    if (!letterCode(QString(c)))
        return {};
    for (const QChar hebrew : hebrewLetters()) {
        if (morseElements(hebrew) == sign)
            return hebrew;
    }
    return {};
}

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
    return int(sendableCharacters().indexOf(withoutFinalForm(c)));
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
    const bool none = !choice.letters && !choice.figures && !choice.punctuation &&
                      !choice.procedure && !choice.hebrew;
    const std::array<std::pair<bool, CharacterGroup>, 5> groups{{
        {(choice.letters || none) && !choice.hebrew, CharacterGroup::Letters},
        {choice.hebrew, CharacterGroup::HebrewLetters},
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
    if (typed == tavOrComma)
        return sent == u'\u05EA' || sent == u',';
    return withoutFinalForm(typed) == withoutFinalForm(sent);
}

QChar readAt(QChar typed, QChar sent)
{
    if (typed == qOrSlash)
        return sent == u'/' ? sent : QChar(u'Q');
    if (typed == wOrApostrophe)
        return sent == u'\'' ? sent : QChar(u'W');
    if (typed == tavOrComma)
        return sent == u',' ? sent : QChar(u'\u05EA');
    return typed;
}

} // namespace blinket
