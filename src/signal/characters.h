// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

namespace blinket {

// The groups a learner can choose characters from. A character may belong to two: the
// procedure signs BT and KN are sent as the same codes as = and (. The Hebrew letters share the
// Latin letters' signs (ו is E's), so a run sends one alphabet or the other, never both.
enum class CharacterGroup { Letters, Figures, Punctuation, Procedure, HebrewLetters };

// Which groups a run draws from; with none chosen, the letters alone. The Hebrew letters, when
// chosen, take the place of the Latin ones.
struct CharacterChoice
{
    bool letters = true;
    bool figures = false;
    bool punctuation = false;
    bool procedure = false;
    bool hebrew = false;
};

// Every character the program can send, each once: A to Z, 0 to 9, the punctuation marks,
// the procedure signs that are no punctuation mark (^ AA, + AR, & AS, % SK), then the 22
// Hebrew letters from א to ת (final forms are no place of their own: they are their letter).
QStringView sendableCharacters();
// How many there are, for tables with a place for each.
inline constexpr int sendableCount = 73;
// The Hebrew letters, א to ת, as sendableCharacters() ends with them.
QStringView hebrewLetters();

// A Hebrew final form's letter (ך is כ, ם מ, ן נ, ף פ, ץ צ); any other character itself.
QChar withoutFinalForm(QChar c);
// Whether c is a Hebrew letter, a final form too.
bool isHebrewLetter(QChar c);
// Whether text holds any Hebrew letter: a run's characters, what it sends or what was asked.
bool holdsHebrewLetters(QStringView text);
// The Latin letter sent with the same sign as a Hebrew letter (ו is E); null for any other.
QChar latinOfSameSign(QChar c);
// The Hebrew letter sent with the same sign as a Latin letter (E is ו); null for any other
// character, and for F, V, X and Y, whose signs no Hebrew letter has.
QChar hebrewOfSameSign(QChar c);
// The character at a place of sendableCharacters().
QChar characterAt(int index);

// The place of c in sendableCharacters() (a final form's letter's), or -1 when it cannot be
// sent.
int characterIndex(QChar c);

// The dots ('.') and dashes ('-') of c, a procedure sign as one sign without a letter gap
// inside; empty for anything that cannot be sent.
std::string_view morseElements(QChar c);

// Whether c is sent and belongs to group.
bool belongsTo(QChar c, CharacterGroup group);

// The characters of the chosen groups, in the order of sendableCharacters(), each once.
QString charactersOf(const CharacterChoice &choice);

// The two letters a procedure sign is known by ("AR" for '+'); empty for any other character.
QString procedureSignName(QChar c);

// A key typed that stands for either of two characters: the Israeli layout writes '/' on the Q
// key and the apostrophe on the W key, so that there a learner reading a run that sends both
// has one key for the two. It reads as whichever of them was sent where it was typed.
inline constexpr QChar qOrSlash(u'\uE051');
inline constexpr QChar wOrApostrophe(u'\uE057');
// In a run of Hebrew letters, the key of ת writes the comma on a Latin layout.
inline constexpr QChar tavOrComma(u'\uE0EA');
// Whether a character typed reads as the one sent: the same, a Hebrew letter for its final form,
// or a key that stands for it.
bool readsAs(QChar typed, QChar sent);
// What a character typed where sent was sent stands for: a key for two characters the one sent
// there when it is either, else its letter; any other character itself.
QChar readAt(QChar typed, QChar sent);

} // namespace blinket
