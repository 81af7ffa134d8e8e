// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/wordbytes.h"

#include <QByteArrayView>
#include <QIODevice>

#include <array>
#include <memory>
#include <vector>

namespace blinket {

// Reads the words of a UTF-8 text from a device it owns, one after another, a small piece at a
// time: it never holds more of the text than one piece, however long the text or its lines.
// A word is whatever stands between white space; it is sendable when every one of its
// characters can be sent, or is a mark it drops (see WordBytes), and it holds at least one
// character and no more than the longest word a run sends.
class WordReader
{
public:
    // Words longer than this are passed over: no one reads a signal that long as one word.
    static constexpr int longestWord = 50;

    WordReader(std::unique_ptr<QIODevice> device, QStringView sendable);

    // From now on, words are sendable by these characters.
    void setSendable(QStringView sendable) { m_bytes = WordBytes(sendable); }
    // Goes to this byte of the text; the text ends at byte `end` or where the device ends. A
    // word cut by the end, because the device holds more or less than `end` bytes, is not
    // sendable.
    void seek(qint64 offset, qint64 end);
    // Moves to the next word; false at the end of the text, or when the device fails.
    bool next();

    // Of the word moved to: the byte it starts at, whether it is sendable, and if so its text
    // in upper case (valid until the next call of next()).
    qint64 wordOffset() const { return m_wordOffset; }
    bool sendable() const { return m_sendable; }
    QStringView sendableText() const { return {m_word.data(), m_length}; }

    // Why the device failed, empty when it did not.
    QString error() const { return m_error; }

private:
    std::unique_ptr<QIODevice> m_device;
    WordBytes m_bytes;
    std::vector<char> m_piece;
    qsizetype m_at = 0;      // the next byte to look at in the piece
    qsizetype m_size = 0;    // the bytes in the piece
    qint64 m_pieceStart = 0; // the place of the piece's first byte in the text
    qint64 m_end = 0;
    bool m_atEnd = false;
    bool m_endCutsWord = false;
    QString m_error;

    qint64 m_wordOffset = 0;
    bool m_sendable = false;
    qsizetype m_length = 0;
    std::array<char16_t, longestWord> m_word{};

    bool readMore();
};

} // namespace blinket
