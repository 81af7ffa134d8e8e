// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/builtinwords.h"
#include "runs/textsource.h"
#include "signal/characters.h"
#include "testfiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace blinket;

namespace {

QStringList take(TextSource &source, qsizetype count)
{
    QStringList words;
    for (qsizetype i = 0; i < count; ++i)
        words << source.nextWord();
    return words;
}

// "W00000 W00001 ...": words that say where they stand.
QByteArray numberedWords(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += 'W' + QByteArray::number(i).rightJustified(5, '0') + ' ';
    return text;
}

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(u' ');
}

enum class Make { Nothing, Folder, File, Pipe, Unreadable };

// The characters of a run of words, as the run controller gives them.
QString runCharacters(bool hebrew)
{
    return charactersOf({!hebrew, true, true, true, hebrew});
}

QByteArray utf8(const char16_t *text)
{
    return QString::fromUtf16(text).toUtf8();
}

} // namespace

class TestTextSource : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void keepsTheWordsThatCanBeSent_data();
    void keepsTheWordsThatCanBeSent();
    void readsOnlyTheStartOfAHugeFile();
    void badFilesAreExplained_data();
    void badFilesAreExplained();
    void runsFromTheDrawnWordAndWrapsAround_data();
    void runsFromTheDrawnWordAndWrapsAround();
    void survivesAFileChangedWhileOpen_data();
    void survivesAFileChangedWhileOpen();
    void readsHebrewWordsAsTheyAreSent_data();
    void readsHebrewWordsAsTheyAreSent();
    void builtInWordsAreSendableAndDistinct_data();
    void builtInWordsAreSendableAndDistinct();

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("text.txt")); }
};

void TestTextSource::keepsTheWordsThatCanBeSent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("skipped");
    const auto row = [](const char *name, const QByteArray &bytes, const QStringList &kept,
                        int skipped) { QTest::newRow(name) << bytes << kept << skipped; };
    row("ASCII white space", "  ONE TWO\tTHREE\nFOUR\vFIVE\fSIX  ",
        words("ONE TWO THREE FOUR FIVE SIX"), 0);
    row("Windows line ends", "CQ CQ DE\r\nSHIP\r\n\r\nK\r\n", words("CQ CQ DE SHIP K"), 0);
    row("lower case", "Anchor aweigh at 0600", words("ANCHOR AWEIGH AT 0600"), 0);
    row("punctuation that can be sent", "ETA 10:30, QTH? \"PORT\" (A/B) X=Y 5% @ ^ + & 'S",
        words("ETA 10:30, QTH? \"PORT\" (A/B) X=Y 5% @ ^ + & 'S"), 0);
    row("characters that cannot be sent", utf8(u"STOP! café Ωμέγα OK ~ ok_ok"), words("OK"), 5);
    row("white space beyond ASCII",
        utf8(u"A\u00A0B\u2000C\u200AD\u200BE\u3000F\u202FG\u0085H\u2028I\u1680J"),
        words("A B C D E F G H I J"), 0);
    row("byte-order mark", utf8(u"\uFEFFFIRST WORD"), words("FIRST WORD"), 0);
    row("invalid UTF-8", "GOOD \xFF\xFE BAD\xC3 \xC2 \xE2\x80 END \xE2\x80", words("GOOD END"), 5);
    row("bytes of no character", QByteArrayLiteral("\x80\x81 TEXT \x7F\xFE"), words("TEXT"), 2);
    row("the longest word", QByteArray(50, 'A') + ' ' + QByteArray(51, 'B') + "\nC",
        {QString(50, u'A'), QStringLiteral("C")}, 1);
    // A file is read 64 KiB at a time: white space and words cut by the end of a read.
    for (int padding = 65536 - 8; padding <= 65536 + 2; ++padding) {
        QTest::addRow("%d bytes of space first", padding)
            << QByteArray(padding, ' ') + "ONE\xE3\x80\x80TWO\xC2\xA0THREE"
            << words("ONE TWO THREE") << 0;
    }
    row("a line of 200,000 words, and a word of 3 MB",
        QByteArray("WORD ").repeated(200000) + QByteArray(3 << 20, 'X'),
        QStringList(200000, QStringLiteral("WORD")), 1);
}

void TestTextSource::keepsTheWordsThatCanBeSent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    QFETCH(int, skipped);
    QVERIFY(writeFile(path(), bytes));
    QString error;
    std::optional<TextSource> source = TextSource::fromFile(path(), sendableCharacters(), &error);
    QVERIFY2(source, qPrintable(error));
    QCOMPARE(source->skippedCount(), skipped);
    QCOMPARE(source->wordCount(), words.size());
    source->startAt(0);
    QCOMPARE(take(*source, words.size()), words);
}

void TestTextSource::readsOnlyTheStartOfAHugeFile()
{
    // Text, then mostly a hole of zero bytes, which takes no room on the disk; the last word in
    // what is read is cut by its end.
    const qint64 end = TextSource::largestText;
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("FIRST " + QByteArray(64 * 1024, ' ')), 6 + 64 * 1024);
        QVERIFY(file.seek(end - 4));
        QCOMPARE(file.write(" LASTWORD AFTER"), 15);
    }
    std::optional<TextSource> source = TextSource::fromFile(path(), sendableCharacters(), nullptr);
    QVERIFY(source);
    QCOMPARE(source->wordCount(), 1);
    QCOMPARE(source->skippedCount(), 2);
}

void TestTextSource::badFilesAreExplained_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why");
    const auto row = [](const char *name, Make make, const QByteArray &bytes, const char *why) {
        QTest::newRow(name) << make << bytes << QString::fromLatin1(why);
    };
    row("missing", Make::Nothing, {}, "could not be read: No such file or directory.");
    row("folder", Make::Folder, {}, "is a folder, not a file.");
    row("named pipe", Make::Pipe, {}, "is not an ordinary file");
    row("unreadable", Make::Unreadable, "WORDS", "could not be read: Permission denied.");
    row("0 bytes", Make::File, {}, "is empty.");
    row("white space only", Make::File, " \r\n\t\xC2\xA0\r\n", "holds only white space, no words.");
    row("no word that can be sent", Make::File,
        QByteArrayLiteral("\xC2\xA1Hola! se\xC3\xB1or\r\n\xFF\xFE"),
        "holds no word that can be sent");
    // A program chosen by mistake: its words would be noise.
    row("a program", Make::File,
        QByteArrayLiteral("\x7F"
                          "ELF\x02\x01\x01\x00\x00\x00 GNU LIBC WORDS"),
        "is not text");
    row("control characters", Make::File, "WORDS" + QByteArray(10, '\x1B') + "WORDS",
        "is not text");
}

void TestTextSource::badFilesAreExplained()
{
    QFETCH(Make, make);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    const QString name = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    if (make == Make::Folder)
        QVERIFY(QDir().mkdir(name));
    if (make == Make::Pipe)
        QCOMPARE(mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    if (make == Make::File || make == Make::Unreadable)
        QVERIFY(writeFile(name, bytes));
    // Root may read anything; as root, read as an ordinary user.
    std::optional<OrdinaryUser> user;
    if (make == Make::Unreadable) {
        QVERIFY(QFile::setPermissions(name, {}));
        QVERIFY(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ExeOwner | QFile::ExeOther));
        user.emplace();
    }
    QString error;
    const std::optional<TextSource> source =
        TextSource::fromFile(name, sendableCharacters(), &error);
    QVERIFY(!source);
    QCOMPARE(error.left(error.indexOf(name) + name.size()),
             QStringLiteral("The text file %1").arg(name));
    QVERIFY2(error.contains(why), qPrintable(error));
}

void TestTextSource::runsFromTheDrawnWordAndWrapsAround_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<float>("draw");
    QTest::addColumn<QStringList>("words");
    const QByteArray five = "ONE TWO THREE\r\nFOUR FIVE\r\n";
    QTest::newRow("first") << five << 0.0f << words("ONE TWO THREE FOUR FIVE ONE TWO");
    QTest::newRow("middle") << five << 0.5f << words("THREE FOUR FIVE ONE TWO THREE");
    QTest::newRow("a word's first draw") << five << 0.2f << words("TWO THREE");
    QTest::newRow("last") << five << 0.99f << words("FIVE ONE TWO");
    // Far into a long text, past the places it notes, and round its end.
    const QByteArray long100k = numberedWords(100000);
    QTest::newRow("long, middle") << long100k << 0.5f << words("W50000 W50001");
    QTest::newRow("long, 3/8") << long100k << 0.375f << words("W37500 W37501");
    QTest::newRow("long, 1/128") << long100k << 0.0078125f << words("W00781 W00782");
    QTest::newRow("long, end") << long100k << 1.0f - 1.0f / 65536
                               << words("W99998 W99999 W00000 W00001");
}

void TestTextSource::runsFromTheDrawnWordAndWrapsAround()
{
    QFETCH(QByteArray, bytes);
    QFETCH(float, draw);
    QFETCH(QStringList, words);
    QVERIFY(writeFile(path(), bytes));
    std::optional<TextSource> source = TextSource::fromFile(path(), sendableCharacters(), nullptr);
    QVERIFY(source);
    source->nextWord(); // a run already under way starts again at the draw
    source->startAt(draw);
    QCOMPARE(take(*source, words.size()), words);
}

void TestTextSource::survivesAFileChangedWhileOpen_data()
{
    // The file holds 20,000 words of 7 bytes.
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lastWords"); // what the words end on, as a pattern
    QTest::newRow("cut to nothing") << qint64(0) << QByteArray() << QStringLiteral("W00[0-4]..");
    QTest::newRow("cut in half") << qint64(70000) << QByteArray() << QStringLiteral("W0....");
    QTest::newRow("overwritten with binary")
        << qint64(140000) << QByteArray(140000, '\xFF') << QStringLiteral("W00[0-4]..");
    QTest::newRow("replaced by other words")
        << qint64(0) << QByteArray("NEW ").repeated(30000) << QStringLiteral("NEW");
}

void TestTextSource::survivesAFileChangedWhileOpen()
{
    QFETCH(qint64, size);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, lastWords);
    QVERIFY(writeFile(path(), numberedWords(20000)));
    std::optional<TextSource> source = TextSource::fromFile(path(), sendableCharacters(), nullptr);
    QVERIFY(source);
    source->startAt(0.5f);
    QCOMPARE(source->nextWord(), QStringLiteral("W10000"));
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(size));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    // Several passes over what is left: every word one of the file's, then or now.
    const QRegularExpression fileWord(QStringLiteral("^(W[0-9]{5}|NEW)$"));
    const QStringList words = take(*source, 50000);
    for (const QString &word : words)
        QVERIFY2(fileWord.match(word).hasMatch(), qPrintable(word));
    const QRegularExpression last(QRegularExpression::anchoredPattern(lastWords));
    for (const QString &word : words.mid(words.size() - 1000))
        QVERIFY2(last.match(word).hasMatch(), qPrintable(word));
}

void TestTextSource::readsHebrewWordsAsTheyAreSent_data()
{
    QTest::addColumn<bool>("hebrew");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("skipped");
    const auto row = [](const char *name, bool hebrew, const QByteArray &bytes, QStringView kept,
                        int skipped) {
        QTest::newRow(name) << hebrew << bytes << kept.toString().split(u' ') << skipped;
    };
    row("points dropped", true, utf8(u"שָׁלוֹם קֻבּוּץ ש\u05C2ר ב\u05BFית א\u05C4ב\u05C5ל"),
        u"שלום קבוץ שר בית אבל", 0);
    row("cantillation dropped", true, utf8(u"בְּרֵאשִׁ֖ית בָּרָ֣א"), u"בראשית ברא", 0);
    row("final forms kept as written", true, utf8(u"ךםןףץ מלך כמנפצ"), u"ךםןףץ מלך כמנפצ", 0);
    row("the maqaf parts two words", true, utf8(u"כָּל־הָאָרֶץ ־ בית־"), u"כל הארץ בית", 0);
    row("figures and punctuation", true, utf8(u"ים 10:30, ק?"), u"ים 10:30, ק?", 0);
    // Skipped: a Latin word, marks of no letter.
    row("what a Hebrew run cannot send", true, utf8(u"ים SEA Sea \u05B0 ׃ אש"), u"ים אש", 4);
    row("the marks around the letters", true, utf8(u"צה״ל ארץ׃ מ׳ א ׀ ב"), u"צהל ארץ מ א ב", 1);
    row("a Hebrew word in a Latin run", false, utf8(u"SEA שלום כל־הארץ \u05BE WIND"), u"SEA WIND",
        3);
    // Letters are counted, not bytes nor points; a letter cut short is none.
    row("the longest word", true, utf8(u"שָׁ").repeated(50) + ' ' + utf8(u"ש").repeated(51) + " \xD7",
        QString(50, u'ש'), 2);
    // A file is read 64 KiB at a time: letters, points and maqaf cut by the end of a read.
    for (int padding = 65536 - 6; padding <= 65536 + 1; ++padding) {
        QTest::addRow("%d bytes of space first", padding)
            << true << QByteArray(padding, ' ') + utf8(u"כָּל־הָאָרֶץ")
            << QString::fromUtf16(u"כל הארץ").split(u' ') << 0;
    }
}

void TestTextSource::readsHebrewWordsAsTheyAreSent()
{
    QFETCH(bool, hebrew);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    QFETCH(int, skipped);
    QVERIFY(writeFile(path(), bytes));
    QString error;
    std::optional<TextSource> source = TextSource::fromFile(path(), runCharacters(hebrew), &error);
    QVERIFY2(source, qPrintable(error));
    QCOMPARE(source->skippedCount(), skipped);
    source->startAt(0);
    QCOMPARE(take(*source, words.size() + 1), words + words.mid(0, 1)); // and round again
}

void TestTextSource::builtInWordsAreSendableAndDistinct_data()
{
    QTest::addColumn<bool>("hebrew");
    QTest::addColumn<QStringList>("words");
    QStringList latin;
    for (const std::string_view word : builtInWords())
        latin << QString::fromLatin1(word.data(), qsizetype(word.size()));
    QStringList hebrew;
    for (const std::u16string_view word : hebrewBuiltInWords())
        hebrew << QStringView(word).toString();
    QTest::newRow("Latin") << false << latin;
    QTest::newRow("Hebrew") << true << hebrew;
}

void TestTextSource::builtInWordsAreSendableAndDistinct()
{
    QFETCH(bool, hebrew);
    QFETCH(QStringList, words);
    QVERIFY2(words.size() >= 300 && words.size() <= 500, qPrintable(QString::number(words.size())));
    TextSource source = TextSource::builtIn(runCharacters(hebrew));
    QCOMPARE(source.skippedCount(), 0);
    source.startAt(0);
    for (const QString &word : words)
        QCOMPARE(source.nextWord(), word); // as written
    QCOMPARE(QSet<QString>(words.cbegin(), words.cend()).size(), words.size());
    // Letters only; a final form ends a word, and no word ends in a letter that has one (each
    // final form stands just before its letter).
    const QString letters = charactersOf({!hebrew, false, false, false, hebrew});
    QCOMPARE(TextSource::builtIn(letters).wordCount(), words.size());
    const auto hasFinalForm = [](QChar c) { return withoutFinalForm(QChar(c.unicode() - 1)) == c; };
    for (const QString &word : words) {
        for (qsizetype i = 0; i < word.size(); ++i) {
            const bool final = withoutFinalForm(word[i]) != word[i];
            QVERIFY2(i + 1 == word.size() ? !hasFinalForm(word[i]) : !final, qPrintable(word));
        }
    }
}

QTEST_GUILESS_MAIN(TestTextSource)
#include "test_textsource.moc"
