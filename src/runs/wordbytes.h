// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QStringView>

#include <array>

namespace blinket {

// What each byte of a UTF-8 text is to the words in it. Every character that can be sent is
// ASCII, so the text is never decoded: a byte of any other character only marks its word as
// one that cannot be sent, and the few other characters that are white space are matched as
// byte sequences.
class WordBytes
{
public:
    // The most bytes one piece of white space takes.
    static constexpr int longestSpace = 3;

    // From the characters that can be sent; a to z count as A to Z.
    explicit WordBytes(QStringView sendable);

    // The character a byte sends, upper case, or 0 when it sends none.
    char sendAs(unsigned char byte) const { return m_kinds[byte] > maybeSpace ? m_kinds[byte] : 0; }
    // The number of bytes of the white space that starts a text, 0 when it starts otherwise.
    int spaceAt(const char *text, qsizetype size) const
    {
        const char kind = m_kinds[static_cast<unsigned char>(text[0])];
        return kind == space ? 1 : kind == maybeSpace ? longerSpaceAt(text, size) : 0;
    }

private:
    static constexpr char cannotSend = 0;
    static constexpr char space = 1;
    static constexpr char maybeSpace = 2; // the first byte of some white space beyond ASCII
    // Every byte that can be sent is printable ASCII, above these three.
    std::array<char, 256> m_kinds{};

    static int longerSpaceAt(const char *text, qsizetype size);
};

} // namespace blinket
