// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Times what a text run does with the learner's text file before its first signal: opening
// the file and taking the first 200 words from a drawn place. Makes text files of words of
// 10 MB and 100 MB (lines of about ten words, some in lower case and some that cannot be sent),
// and one of 100 MB of Hebrew words (some with points, some that cannot be sent) read in a run
// of Hebrew letters, in a temporary folder, and prints for each the median time of several tries
// and the peak memory of the process while they ran (VmHWM, reset before each file through
// /proc/self/clear_refs), with its growth over the size just before. The files were just
// written, so they are read from the page cache, as a file the learner just chose would be.
//
// Usage: bench_textfile

#include "runs/builtinwords.h"
#include "runs/textsource.h"
#include "timing.h"

#include "memory.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

using namespace blinket;

namespace {

// The characters of a run of A to Z, and of a run of Hebrew letters.
const QString sendable = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/=:'\"()@^+&%");
const QString hebrewSendable =
    QString::fromUtf16(u"אבגדהוזחטיכלמנסעפצקרשת0123456789.,?/=:'\"()@^+&%");

// The built-in words of either alphabet, as UTF-8.
QList<QByteArray> wordsOf(bool hebrew)
{
    QList<QByteArray> words;
    if (hebrew) {
        for (const std::u16string_view word : hebrewBuiltInWords())
            words << QStringView(word).toUtf8();
    } else {
        for (const std::string_view word : builtInWords())
            words << QByteArray(word.data(), qsizetype(word.size()));
    }
    return words;
}

bool writeWords(const QString &path, qint64 size, std::mt19937 &random, bool hebrew = false)
{
    const QList<QByteArray> words = wordsOf(hebrew);
    std::uniform_int_distribution<qsizetype> pick(0, words.size() - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray line;
    while (file.size() < size) {
        line.clear();
        for (int i = 0; i < 10; ++i) {
            QByteArray word = words[pick(random)];
            const int kind = percent(random);
            if (kind < 20 && hebrew)
                word.insert(2, "\xD6\xB8"); // a qamats under the first letter
            else if (kind < 20)
                word = word.toLower();
            else if (kind < 22)
                word += '!'; // cannot be sent
            line += word;
            line += i < 9 ? ' ' : '\n';
        }
        if (file.write(line) != line.size())
            return false;
    }
    return true;
}

void measureFile(const char *what, const QString &path, int tries,
                 const QString &characters = sendable)
{
    const bool reset = resetPeak();
    const double before = statusMegabytes("VmRSS");
    std::mt19937 random(7);
    std::uniform_real_distribution<float> draw(0.0f, 1.0f);
    qsizetype words = 0;
    qsizetype skipped = 0;
    QString error;
    measure(what, tries, [&] {
        std::optional<TextSource> source = TextSource::fromFile(path, characters, &error);
        if (!source)
            return;
        source->startAt(draw(random));
        for (int i = 0; i < 200; ++i)
            source->nextWord();
        words = source->wordCount();
        skipped = source->skippedCount();
    });
    const double peak = statusMegabytes("VmHWM");
    if (!error.isEmpty())
        std::printf("  %s\n", qPrintable(error));
    std::printf("  %lld words, %lld passed over; peak memory %.1f MB, %.1f MB over the %.1f MB "
                "before%s\n",
                static_cast<long long>(words), static_cast<long long>(skipped), peak, peak - before,
                before, reset ? "" : " (peak not reset)");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    std::mt19937 random(2026);
    const QString small = folder.filePath(QStringLiteral("10mb.txt"));
    const QString large = folder.filePath(QStringLiteral("100mb.txt"));
    const QString hebrew = folder.filePath(QStringLiteral("100mb-hebrew.txt"));
    if (!folder.isValid() || !writeWords(small, 10'000'000, random) ||
        !writeWords(large, 100'000'000, random) || !writeWords(hebrew, 100'000'000, random, true)) {
        std::fputs("the text files could not be written\n", stderr);
        return 1;
    }
    measureFile("10 MB file: open, start, take 200 words", small, 11);
    measureFile("100 MB file: open, start, take 200 words", large, 5);
    measureFile("100 MB file of Hebrew words: open, start, take 200 words", hebrew, 5,
                hebrewSendable);
    return 0;
}
