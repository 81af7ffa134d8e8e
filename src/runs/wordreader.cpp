// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/wordreader.h"

#include <algorithm>
#include <cstring>

namespace blinket {

namespace {

constexpr qsizetype pieceSize = 64 * 1024;

} // namespace

WordReader::WordReader(std::unique_ptr<QIODevice> device, QStringView sendable)
    : m_device(std::move(device)), m_bytes(sendable), m_piece(pieceSize)
{}

void WordReader::seek(qint64 offset, qint64 end)
{
    m_at = 0;
    m_size = 0;
    m_pieceStart = offset;
    m_end = end;
    m_error.clear();
    m_endCutsWord = false;
    m_atEnd = !m_device->seek(offset);
    if (m_atEnd)
        m_error = m_device->errorString();
}

bool WordReader::next()
{
    bool inWord = false;
    qsizetype length = 0;
    bool sendable = true;
    bool wordEnded = false;
    while (!wordEnded) {
        if (m_size - m_at < WordBytes::longestSpace && !readMore() && m_at == m_size)
            break;
        // White space beyond ASCII takes several bytes: look only at the bytes whose white
        // space would be whole in the piece, then read more. Locals, for speed.
        const char *const piece = m_piece.data();
        const qsizetype size = m_size;
        const qsizetype whole = m_atEnd ? size : size - (WordBytes::longestSpace - 1);
        qsizetype at = m_at;
        while (at < whole) {
            const int space = m_bytes.spaceAt(piece + at, size - at);
            if (space > 0) {
                at += space;
                if (!inWord)
                    continue;
                wordEnded = true;
                break;
            }
            if (!inWord) {
                inWord = true;
                m_wordOffset = m_pieceStart + at;
            }
            char16_t send =
                static_cast<unsigned char>(m_bytes.sendAs(static_cast<unsigned char>(piece[at])));
            if (send == 0) [[unlikely]] {
                // Beyond ASCII: a Hebrew letter, a mark the word drops, or a character not sent.
                const WordBytes::Wide wide = m_bytes.wideAt(piece + at, size - at);
                if (wide.sends == WordBytes::dropped) {
                    at += wide.bytes;
                    continue;
                }
                at += wide.bytes - 1;
                send = wide.sends;
            }
            if (send != 0 && length < longestWord)
                m_word[size_t(length++)] = send;
            else
                sendable = false;
            ++at;
        }
        m_at = at;
    }
    m_length = length;
    // Where the text's end cuts a word, what came before it is no word; nor are marks alone.
    m_sendable = sendable && length > 0 && (wordEnded || !m_endCutsWord);
    return inWord;
}

bool WordReader::readMore()
{
    if (m_atEnd)
        return false;
    // The bytes not yet looked at move to the front of the piece, the rest is read after them.
    const qsizetype left = m_size - m_at;
    std::memmove(m_piece.data(), m_piece.data() + m_at, size_t(left));
    m_pieceStart += m_at;
    m_at = 0;
    m_size = left;
    const qint64 wanted = std::min<qint64>(pieceSize - left, m_end - (m_pieceStart + left));
    const qint64 read = wanted > 0 ? m_device->read(m_piece.data() + left, wanted) : 0;
    if (read <= 0) {
        m_atEnd = true;
        // The text's end cuts a word when the file got shorter than it was, or when the text is
        // only the start of a larger file.
        m_endCutsWord = wanted > 0 || m_device->size() > m_end;
        if (read < 0)
            m_error = m_device->errorString();
        return false;
    }
    m_size += read;
    return true;
}

} // namespace blinket
