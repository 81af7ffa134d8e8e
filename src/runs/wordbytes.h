// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QStringView>

#include <array>

namespace blinket {

// What each byte of a UTF-8 text is to the words in it. The text is never decoded as a whole:
// every character that can be sent is ASCII but the Hebrew letters, which take two bytes each;
// a byte of any other character only marks its word as one that cannot be sent, and the few
// other characters that are white space are matched as byte sequences.
//
// When the characters that can be sent hold Hebrew letters, a word drops the points and
// cantillation marks written over and under its letters (a reader reads the letters), keeps a
// final form as written (it is sent as its letter), and the maqaf that joins two words is
// white space between them.
class WordBytes
{
public:
    // The most bytes one piece of white space takes.
    static constexpr int longestSpace = 3;

    // What a character beyond ASCII that starts a text is to a word: its bytes, and the
    // character it sends, `dropped` for a mark the word leaves out, or 0 when it cannot be sent.
    struct Wide
    {
        int bytes;
        char16_t sends;
    };
    static constexpr char16_t dropped = 1;

    // From the characters that can be sent; a to z count as A to Z, a Hebrew letter's final form
    // as the letter.
    explicit WordBytes(QStringView sendable);

    // The character a byte sends, upper case, or 0 when it sends none.
    char sendAs(unsigned char byte) const { return m_kinds[byte] > maybeSpace ? m_kinds[byte] : 0; }
    // Of the character that starts a text, when its first byte sends none.
    Wide wideAt(const char *text, qsizetype size) const
    {
        const auto first = static_cast<unsigned char>(text[0]);
        const auto second = static_cast<unsigned char>(size > 1 ? text[1] : 0);
        if ((first != pointsFirst && first != lettersFirst) || (second & 0xC0) != 0x80)
            return {1, 0};
        return {2, m_hebrew[size_t(((first & 1) << 6) | (second & 0x3F))]};
    }
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
    // The first byte of the two-byte characters U+0580 to U+05BF, the points and the maqaf among
    // them, and of U+05C0 to U+05FF, the Hebrew letters among them.
    static constexpr unsigned char pointsFirst = 0xD6;
    static constexpr unsigned char lettersFirst = 0xD7;
    // Every byte that can be sent is printable ASCII, above these three.
    std::array<char, 256> m_kinds{};
    // What the two-byte characters from U+0580 to U+05FF send, by their last six bits after the
    // first byte's last bit: the Hebrew letters and the marks a word drops.
    std::array<char16_t, 128> m_hebrew{};

    static int longerSpaceAt(const char *text, qsizetype size);
};

} // namespace blinket
