// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/wordbytes.h"

#include "signal/characters.h"

#include <QByteArrayView>

#include <algorithm>

namespace blinket {

namespace {

// The maqaf joins two words as a hyphen does; a learner reads the two. It is white space in a
// text of Hebrew words.
constexpr QByteArrayView maqaf = "\xD6\xBE";

// The white space beyond ASCII, as UTF-8: next line, no-break space, ogham space, the spaces
// U+2000 to U+200A, zero-width space, line and paragraph separators, narrow no-break space,
// medium mathematical space, ideographic space, and the byte-order mark some editors put at
// the start of a file (a zero-width no-break space).
constexpr auto longerSpaces = std::to_array<QByteArrayView>(
    {"\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
     "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
     "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\x8B", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF",
     "\xE2\x81\x9F", "\xE3\x80\x80", "\xEF\xBB\xBF"});

// The cantillation marks, then the points (vowels, dagesh, rafe, the dots of shin and sin, the
// upper and lower dots): a reader of the letters reads past them. So too past the marks around
// the letters: paseq, the sof pasuq that ends a verse, nun hafukha, geresh and gershayim (צה״ל
// is read as its letters).
constexpr bool isDropped(char16_t c)
{
    return (c >= u'\u0591' && c <= u'\u05C7' && c != u'\u05BE') || c == u'\u05F3' || c == u'\u05F4';
}

} // namespace

WordBytes::WordBytes(QStringView sendable)
{
    for (const QChar c : sendable) {
        const char16_t upper = c.toUpper().unicode();
        if (upper > u' ' && upper < 0x7F)
            m_kinds[upper] = char(upper);
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        const char upper = char(c - 'a' + 'A');
        m_kinds[static_cast<unsigned char>(c)] = m_kinds[static_cast<unsigned char>(upper)];
    }
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'})
        m_kinds[static_cast<unsigned char>(c)] = space;
    for (const QByteArrayView longer : longerSpaces)
        m_kinds[static_cast<unsigned char>(longer.front())] = maybeSpace;
    bool hebrew = false;
    for (char16_t c = u'\u0580'; c <= u'\u05FF'; ++c) {
        const bool sent = isHebrewLetter(c) && sendable.contains(withoutFinalForm(c));
        hebrew = hebrew || sent;
        if (sent || isDropped(c))
            m_hebrew[c - u'\u0580'] = sent ? c : dropped;
    }
    if (hebrew)
        m_kinds[pointsFirst] = maybeSpace; // the maqaf's first byte
    else
        m_hebrew.fill(0); // a text of Latin words keeps every mark as a character not sent
}

int WordBytes::longerSpaceAt(const char *text, qsizetype size)
{
    const QByteArrayView start(text, std::min<qsizetype>(size, longestSpace));
    // In a text of Hebrew words: the maqaf, or a point of the word.
    if (static_cast<unsigned char>(text[0]) == pointsFirst)
        return start.startsWith(maqaf) ? int(maqaf.size()) : 0;
    for (const QByteArrayView longer : longerSpaces) {
        if (start.startsWith(longer))
            return int(longer.size());
    }
    return 0;
}

} // namespace blinket
