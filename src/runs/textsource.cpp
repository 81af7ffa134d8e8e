// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/textsource.h"

#include "platform/textbytes.h"
#include "runs/builtinwords.h"
#include "signal/characters.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace blinket {

namespace {

// Enough places to start a run anywhere without reading far, in little memory.
constexpr qsizetype mostStarts = 64 * 1024;
// More than a run sends.
constexpr qsizetype firstWordsKept = 500;

// The place of a draw 0 <= r < 1 among so many words; a draw out of range still gives one.
qsizetype placeOf(float r, qsizetype count)
{
    const double share = std::isfinite(r) ? std::clamp(double(r), 0.0, 1.0) : 0.0;
    return std::min(qsizetype(share * double(count)), count - 1);
}

// The same characters with the other alphabet's letters in place of the chosen one's.
QString otherAlphabet(QStringView sendable)
{
    const QStringView latin = sendableCharacters().first(26);
    const bool hebrew = holdsHebrewLetters(sendable);
    QString other = hebrew ? latin.toString() : hebrewLetters().toString();
    for (const QChar c : sendable) {
        if (!isHebrewLetter(c) && !latin.contains(c))
            other += c;
    }
    return other;
}

QString notRead(const QString &path, const QString &why)
{
    return QCoreApplication::translate("TextSource", "The text file %1 could not be read: %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

} // namespace

TextSource::TextSource(std::unique_ptr<QIODevice> device, QStringView sendable, qint64 size)
    : m_reader(std::move(device), sendable), m_end(std::min(size, largestText))
{
    // Every word takes at least two bytes, itself and the white space after it.
    const qint64 mostWords = (m_end + 1) / 2;
    m_stride = qsizetype(std::max<qint64>(1, (mostWords + mostStarts - 1) / mostStarts));
}

TextSource TextSource::builtIn(QStringView sendable)
{
    QByteArray text;
    if (holdsHebrewLetters(sendable)) {
        for (const std::u16string_view word : hebrewBuiltInWords()) {
            text += QStringView(word).toUtf8();
            text += ' ';
        }
    } else {
        for (const std::string_view word : builtInWords()) {
            text += QByteArrayView(word.data(), qsizetype(word.size()));
            text += ' ';
        }
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(text);
    buffer->open(QIODevice::ReadOnly);
    TextSource source(std::move(buffer), sendable, text.size());
    source.readAll(); // text in memory is never cut short
    return source;
}

std::optional<TextSource> TextSource::fromFile(const QString &path, QStringView sendable,
                                               QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto fail = [error](const QString &why) -> std::optional<TextSource> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    // Not blocking, so that a named pipe chosen by mistake cannot hold the program up before
    // it is seen not to be an ordinary file; an ordinary file ignores the flag.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return fail(notRead(path, qt_error_string(errno)));
    struct stat status = {};
    const bool known = ::fstat(descriptor, &status) == 0;
    const int statusError = errno;
    if (!known || !S_ISREG(status.st_mode) || status.st_size == 0) {
        ::close(descriptor);
        if (!known)
            return fail(notRead(path, qt_error_string(statusError)));
        if (S_ISDIR(status.st_mode))
            return fail(QCoreApplication::translate("TextSource",
                                                    "The text file %1 is a folder, not a file.")
                            .arg(shown));
        if (!S_ISREG(status.st_mode))
            return fail(QCoreApplication::translate(
                            "TextSource",
                            "The text file %1 is not an ordinary file, so it cannot be "
                            "read as text.")
                            .arg(shown));
        return fail(
            QCoreApplication::translate("TextSource", "The text file %1 is empty.").arg(shown));
    }
    QByteArray start(qsizetype(std::min<qint64>(status.st_size, textProbeBytes)), '\0');
    const ssize_t startRead = ::pread(descriptor, start.data(), size_t(start.size()), 0);
    if (startRead >= 0 && !looksLikeText(QByteArrayView(start).first(startRead))) {
        ::close(descriptor);
        return fail(QCoreApplication::translate(
                        "TextSource",
                        "The text file %1 is not text: it holds data of another kind, as a "
                        "program or a picture does.")
                        .arg(shown));
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fail(notRead(path, file->errorString()));
    }

    TextSource source(std::move(file), sendable, status.st_size);
    if (!source.readAll())
        return fail(notRead(path, source.m_reader.error()));
    if (source.m_wordCount > 0)
        return source;
    if (source.m_skippedCount == 0)
        return fail(QCoreApplication::translate(
                        "TextSource", "The text file %1 holds only white space, no words.")
                        .arg(shown));
    // Words written in the alphabet not chosen are a choice to make, not a fault of the file.
    if (source.holdsAWordWith(otherAlphabet(sendable))) {
        if (holdsHebrewLetters(sendable))
            return fail(QCoreApplication::translate(
                            "TextSource",
                            "The text file %1 holds no word in Hebrew letters, the letters "
                            "chosen: its words are written in the letters A to Z. Untick "
                            "Hebrew letters in Options to send them.")
                            .arg(shown));
        return fail(QCoreApplication::translate(
                        "TextSource",
                        "The text file %1 holds no word in the letters A to Z, the letters "
                        "chosen: its words are written in Hebrew letters. Tick Hebrew letters "
                        "in Options to send them.")
                        .arg(shown));
    }
    return fail(QCoreApplication::translate(
                    "TextSource",
                    "The text file %1 holds no word that can be sent: every word in it "
                    "holds a character that cannot be sent, or is too long.")
                    .arg(shown));
}

bool TextSource::readAll()
{
    m_reader.seek(0, m_end);
    qsizetype sinceStart = 0; // counted, not divided: a division a word shows in the time
    while (m_reader.next()) {
        if (!m_reader.sendable()) {
            ++m_skippedCount;
            continue;
        }
        if (sinceStart == 0)
            m_starts.push_back(m_reader.wordOffset());
        sinceStart = sinceStart + 1 == m_stride ? 0 : sinceStart + 1;
        if (m_firstWords.size() < firstWordsKept)
            m_firstWords.append(m_reader.sendableText().toString());
        ++m_wordCount;
    }
    if (!m_reader.error().isEmpty())
        return false;
    m_reader.seek(0, m_end);
    return true;
}

bool TextSource::holdsAWordWith(QStringView sendable)
{
    m_reader.setSendable(sendable);
    m_reader.seek(0, m_end);
    while (m_reader.next()) {
        if (m_reader.sendable())
            return true;
    }
    return false;
}

void TextSource::startAt(float r)
{
    m_endReached = false;
    m_wordSinceEnd = false;
    if (m_wordCount == 0)
        return;
    if (m_firstWordsAt >= 0) {
        m_firstWordsAt = placeOf(r, m_firstWords.size());
        return;
    }
    const qsizetype place = placeOf(r, m_wordCount);
    m_reader.seek(m_starts[size_t(place / m_stride)], m_end);
    for (qsizetype passed = 0; passed < place % m_stride && m_reader.next();) {
        if (m_reader.sendable())
            ++passed;
    }
}

QString TextSource::nextWord()
{
    if (m_wordCount == 0)
        return {};
    while (m_firstWordsAt < 0) {
        if (m_reader.next()) {
            if (m_reader.sendable()) {
                m_wordSinceEnd = true;
                return m_reader.sendableText().toString();
            }
            continue;
        }
        // A whole pass from the first byte to the end without a word: the file changed, and
        // holds none now.
        if (m_endReached && !m_wordSinceEnd) {
            m_firstWordsAt = 0;
            break;
        }
        m_endReached = true;
        m_wordSinceEnd = false;
        m_reader.seek(0, m_end);
    }
    const QString word = m_firstWords.at(m_firstWordsAt);
    m_firstWordsAt = (m_firstWordsAt + 1) % m_firstWords.size();
    return word;
}

} // namespace blinket
