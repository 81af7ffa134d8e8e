// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/wordreader.h"
#include "runs/wordsource.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace blinket {

// The words of a text run: the built-in words, or the words of the learner's text file, in
// their order. A word is a run of characters between white space; one that holds a character
// that cannot be sent (a letter with an accent, a letter of the alphabet not chosen, '!'), or
// is longer than WordReader::longestWord characters, is passed over. With Hebrew letters among
// the characters, the words are Hebrew ones: their points and cantillation marks are dropped,
// and a maqaf parts two words (see WordBytes).
//
// A file is read, never mapped: a mapped file that another program cuts short kills the
// program that reads it (SIGBUS). It is read once when opened, a piece at a time, to count its
// words and to note where every so many of them start; later words are read from the file as
// they are taken. Only the first largestText bytes of a file are read, so that no file, however
// large, holds the program up for long.
class TextSource : public WordSource
{
public:
    // The bytes of a file that give words; about twenty million words.
    static constexpr qint64 largestText = qint64(128) * 1024 * 1024;

    // The built-in words, those of them that can be sent: the Hebrew ones when sendable holds
    // Hebrew letters.
    static TextSource builtIn(QStringView sendable);
    // The learner's text file; on failure nothing, and *error says why in a sentence for the
    // learner ("The text file /x/y.txt could not be read: No such file or directory.").
    static std::optional<TextSource> fromFile(const QString &path, QStringView sendable,
                                              QString *error);

    // The words it can send.
    qsizetype wordCount() const { return m_wordCount; }
    // The words passed over.
    qsizetype skippedCount() const { return m_skippedCount; }

    // Makes the word at this place the next one, for a draw 0 <= r < 1: the first word of a run.
    void startAt(float r);
    // The next word, in order, back to the first after the last; empty only when there are no
    // words at all. When the file changed since it was opened, the words it holds now, or, if
    // it holds none, its first words as they were.
    QString nextWord() override;

private:
    WordReader m_reader;
    qint64 m_end = 0;
    qsizetype m_wordCount = 0;
    qsizetype m_skippedCount = 0;
    // Where every m_stride-th word starts, so that a run can start at any word quickly.
    std::vector<qint64> m_starts;
    qsizetype m_stride = 1;
    // The first words, kept for a file that no longer holds any.
    QStringList m_firstWords;
    qsizetype m_firstWordsAt = -1; // the next of them to send, once the file holds none
    bool m_endReached = false;     // since the run started
    bool m_wordSinceEnd = false;

    TextSource(std::unique_ptr<QIODevice> device, QStringView sendable, qint64 size);
    bool readAll(); // false when the device failed
    // Whether the text holds a word that these characters send; the reader keeps them.
    bool holdsAWordWith(QStringView sendable);
};

} // namespace blinket
