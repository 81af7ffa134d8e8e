// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/wordbytes.h"

#include <QByteArrayView>

#include <algorithm>

namespace blinket {

namespace {

// The white space beyond ASCII, as UTF-8: next line, no-break space, ogham space, the spaces
// U+2000 to U+200A, zero-width space, line and paragraph separators, narrow no-break space,
// medium mathematical space, ideographic space, and the byte-order mark some editors put at
// the start of a file (a zero-width no-break space).
constexpr auto longerSpaces = std::to_array<QByteArrayView>(
    {"\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
     "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
     "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\x8B", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF",
     "\xE2\x81\x9F", "\xE3\x80\x80", "\xEF\xBB\xBF"});

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
}

int WordBytes::longerSpaceAt(const char *text, qsizetype size)
{
    const QByteArrayView start(text, std::min<qsizetype>(size, longestSpace));
    for (const QByteArrayView longer : longerSpaces) {
        if (start.startsWith(longer))
            return int(longer.size());
    }
    return 0;
}

} // namespace blinket
