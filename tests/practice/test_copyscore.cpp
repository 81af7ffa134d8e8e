// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/alignment.h"
#include "practice/copyscore.h"
#include "practice/copytext.h"
#include "practice/runrecord.h"
#include "signal/characters.h"

#include "copywitherrors.h"
#include "fulltablealignment.h"

#include <QTest>

#include <array>
#include <random>

using namespace blinket;

namespace {

// A reading as short words: A right, A/X read as X, A- missed, +X extra.
QString describe(const std::vector<AlignedLetter> &aligned)
{
    QStringList words;
    for (const AlignedLetter &place : aligned) {
        switch (place.mark) {
        case Mark::Right:
            words << QString(place.sent);
            break;
        case Mark::Wrong:
            words << place.sent + QLatin1Char('/') + place.typed;
            break;
        case Mark::Missed:
            words << place.sent + QLatin1Char('-');
            break;
        case Mark::Extra:
            words << QLatin1Char('+') + place.typed;
            break;
        }
    }
    return words.join(QLatin1Char(' '));
}

} // namespace

class TestCopyScore : public QObject
{
    Q_OBJECT
private slots:
    void countsWhatStandsForACharacterOfTheRun_data();
    void countsWhatStandsForACharacterOfTheRun();
    void alignsCopy_data();
    void alignsCopy();
    void theQAndWKeysReadAsWhatWasSentThere_data();
    void theQAndWKeysReadAsWhatWasSentThere();
    void talliesEachLetter();
    void takesTheEarliestLetterOnATie();
    void summarises_data();
    void summarises();
    void hebrewFinalFormsReadAsTheirLetters_data();
    void hebrewFinalFormsReadAsTheirLetters();
    void summarisesACopyWithNothingSent();
    void agreesWithTheFullTable_data();
    void agreesWithTheFullTable();
    void scoresALongCopyWithinTheErrorsPutIn();
};

void TestCopyScore::countsWhatStandsForACharacterOfTheRun_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("runCharacters"); // besides A to Z
    QTest::addColumn<QString>("counted");
    const auto row = [](const char *name, const char *typed, const char *run, const char *counted) {
        QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(run)
                            << QString::fromUtf8(counted);
    };
    row("empty", "", "", "");
    row("upper case", "PARIS", "", "PARIS");
    row("lower case", "paris", "", "PARIS");
    row("spaces, digits, punctuation", " a1b, c-d!\t\n9z ", "", "ABCDZ");
    row("accented and other Latin letters", "ÄéßøA", "", "A");
    row("full-width letters", "ＡＢC", "", "C");
    // The Israeli Hebrew keyboard: each letter is the Latin letter on its key.
    row("Hebrew keyboard, A to M", "שנבגקכעיןחלךצ", "", "ABCDEFGHIJKLM");
    row("Hebrew keyboard, N to Z", "מםפ/רדאוה'סטז", "", "NOPQRSTUVWXYZ");
    row("Hebrew letters on no letter key", "ףץת", "", "");
    row("the comma and full stop keys, when the run sends them", "תץ", ",.", ",.");
    row("figures and marks the run sends", "a1b/=c9", "19/=", "A1B/=C9");
    row("the run's own slash is no Q", "/'", "/'", "/'");
    // The Israeli layout's Q and W keys: their letters, or either character where the run
    // sends the mark.
    row("the Q and W keys in a run of letters", "\uE051\uE057", "", "QW");
    row("the Q and W keys in a run that sends the marks", "\uE051\uE057", "/'", "\uE051\uE057");
    // In a run of Hebrew letters, the other way about: a Latin key is the Hebrew letter on it.
    const char *hebrew = "אבגדהוזחטיכלמנסעפצקרשת";
    row("Latin keys in a Hebrew run, A to M", "abcdefghijklm", hebrew, "שנבגקכעינחלכצ");
    row("Latin keys in a Hebrew run, N to Z", "NOPQRSTUVWXYZ", hebrew, "ממפרדאוהסטז");
    row("Hebrew letters as typed, finals kept", "שלום ךןץ", hebrew, "שלוםךןץ");
    row("the keys of ת, ף and ץ", ",;.", hebrew, "תפצ");
    row("the marks where the run sends them", ",.", "אבת,.", ",.");
    row("ת's key (the comma's on a Latin layout)", "\uE0EA\uE0EA", "אבת", "תת");
    row("ת's key where the run sends the comma", "\uE0EA", "אבת,", "\uE0EA");
    row("ת's key in a run of Latin letters", "\uE0EA\uE0EA", ",", ",,");
    row("figures in a Hebrew run", "א1ב2", "אב12", "א1ב2");
}

void TestCopyScore::countsWhatStandsForACharacterOfTheRun()
{
    QFETCH(QString, typed);
    QFETCH(QString, runCharacters);
    QFETCH(QString, counted);
    QCOMPARE(copyCharacters(typed, runCharacters), counted);
}

void TestCopyScore::alignsCopy_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QList<int>>("rightWrongMissedExtra");
    const auto row = [](const char *name, const char *sent, const char *copy, const char *reading,
                        QList<int> counts) {
        QTest::newRow(name) << QString::fromUtf8(sent) << QString::fromUtf8(copy)
                            << QString::fromUtf8(reading) << counts;
    };
    row("identical", "PARIS", "PARIS", "P A R I S", {5, 0, 0, 0});
    row("empty copy", "ABC", "", "A- B- C-", {0, 0, 3, 0});
    row("empty sent", "", "XY", "+X +Y", {0, 0, 0, 2});
    row("both empty", "", "", "", {0, 0, 0, 0});
    row("one wrong letter", "ABCD", "ABXD", "A B C/X D", {3, 1, 0, 0});
    row("all wrong", "ABC", "XYZ", "A/X B/Y C/Z", {0, 3, 0, 0});
    row("one missed letter in the middle", "ABCDE", "ACDE", "A B- C D E", {4, 0, 1, 0});
    row("doubled letter typed once", "ABBC", "ABC", "A B- B C", {3, 0, 1, 0});
    row("one extra letter", "ABC", "ABXC", "A B +X C", {3, 0, 0, 1});
    row("skipped letter and a stray one", "AB", "BX", "A- B +X", {1, 0, 1, 1});
    row("copy one short", "AB", "X", "A/X B-", {0, 1, 1, 0});
    row("swap", "AB", "BA", "A- B +A", {1, 0, 1, 1});
    row("swap at the end", "QRSAB", "QRSBA", "Q R S A- B +A", {4, 0, 1, 1});
    row("swap at the start", "ABQRS", "BAQRS", "A- B +A Q R S", {4, 0, 1, 1});
    row("swap in the middle", "KLMABXYZ", "KLMBAXYZ", "K L M A- B +A X Y Z", {7, 0, 1, 1});
    row("copy much longer than sent", "AB", "XXAXXBXX", "+X +X A +X +X B +X +X", {2, 0, 0, 6});
    row("lower case copy", "ABC", "abc", "A B C", {3, 0, 0, 0});
    row("lower case sent", "abc", "ABC", "A B C", {3, 0, 0, 0});
    row("spaces and digits", "AB CD", " a1b c-d! 7", "A B C D", {4, 0, 0, 0});
    row("letters outside A to Z", "ABC", "AßéC", "A B- C", {2, 0, 1, 0});
}

void TestCopyScore::alignsCopy()
{
    QFETCH(QString, sent);
    QFETCH(QString, copy);
    QFETCH(QString, reading);
    QFETCH(QList<int>, rightWrongMissedExtra);
    const CopyScore score = scoreCopy(sent, copy);
    QCOMPARE(describe(score.aligned), reading);
    QCOMPARE(QList<int>({score.right, score.wrong, score.missed, score.extra}),
             rightWrongMissedExtra);
    QCOMPARE(score.sent, copyCharacters(sent, {}).size());
}

void TestCopyScore::theQAndWKeysReadAsWhatWasSentThere_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("copy"); // U+E051 the Q key, U+E057 the W key of the Israeli layout
    QTest::addColumn<QString>("reading");
    const auto row = [](const char *name, const char *sent, const char *copy, const char *reading) {
        QTest::newRow(name) << QString::fromUtf8(sent) << QString::fromUtf8(copy)
                            << QString::fromUtf8(reading);
    };
    row("Q and the slash", "Q/Q", "\uE051\uE051\uE051", "Q / Q");
    row("W and the apostrophe", "W'", "\uE057\uE057", "W '");
    row("a message's copy", "NAWS/", "NA\uE057S\uE051", "N A W S /");
    row("neither sent there", "AB", "\uE051\uE057", "A/Q B/W");
    row("one too many", "Q", "\uE051\uE051", "+Q Q");
}

void TestCopyScore::hebrewFinalFormsReadAsTheirLetters_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("runCharacters");
    QTest::addColumn<int>("right");
    const auto row = [](const char *name, const char *sent, const char *copy, const char *run,
                        int right) {
        QTest::newRow(name) << QString::fromUtf8(sent) << QString::fromUtf8(copy)
                            << QString::fromUtf8(run) << right;
    };
    const char *hebrew = "אבגדהוזחטיכלמנסעפצקרשת,";
    row("final sent, letter typed", "שלום", "שלומ", hebrew, 4);
    row("letter sent, final typed", "מכנ", "םךן", hebrew, 3);
    row("typed on a Latin layout", "שלום", "akuo", hebrew, 4);
    row("a final form is no other letter", "ץ", "פ", hebrew, 0);
    row("ת's key standing for the comma", "ת,", "\uE0EA\uE0EA", hebrew, 2);
    // Long enough for the aligner's letter masks.
    row("a long run", QByteArray("צץ").repeated(200).constData(),
        QByteArray("צצ").repeated(200).constData(), hebrew, 400);
}

void TestCopyScore::hebrewFinalFormsReadAsTheirLetters()
{
    QFETCH(QString, sent);
    QFETCH(QString, copy);
    QFETCH(QString, runCharacters);
    QFETCH(int, right);
    const CopyScore score = scoreCopy(sent, copy, runCharacters);
    QCOMPARE(score.right, right);
    QCOMPARE(score.wrong + score.missed, score.sent - right);
    // Tallied by letter, a final form as its own.
    if (right == 400)
        QCOMPARE(score.letters[std::size_t(characterIndex(u'צ'))].right, 400);
}

void TestCopyScore::theQAndWKeysReadAsWhatWasSentThere()
{
    QFETCH(QString, sent);
    QFETCH(QString, copy);
    QFETCH(QString, reading);
    QCOMPARE(describe(scoreCopy(sent, copy, u"/'").aligned), reading);
}

void TestCopyScore::talliesEachLetter()
{
    const CopyScore score = scoreCopy(QStringLiteral("AAAAB CCDE"), QStringLiteral("AXYXB YXE"));
    QCOMPARE(describe(score.aligned), QStringLiteral("A A/X A/Y A/X B C/Y C/X D- E"));

    const LetterTally &a = score.letters[0];
    QCOMPARE(a.sent, 4);
    QCOMPARE(a.right, 1);
    QCOMPARE(a.missed, 0);
    QCOMPARE(a.readAs[u'X' - u'A'], 2);
    QCOMPARE(a.readAs[u'Y' - u'A'], 1);
    QCOMPARE(a.mostOftenReadAs(), QChar(u'X'));

    const LetterTally &c = score.letters[2];
    QCOMPARE(c.sent, 2);
    QCOMPARE(c.right, 0);
    QCOMPARE(c.readAs[u'X' - u'A'], 1);
    QCOMPARE(c.readAs[u'Y' - u'A'], 1);
    QCOMPARE(c.mostOftenReadAs(), QChar(u'X'));

    const LetterTally &d = score.letters[3];
    QCOMPARE(d.sent, 1);
    QCOMPARE(d.missed, 1);
    QCOMPARE(d.mostOftenReadAs(), QChar()); // missed is not a wrong reading

    QCOMPARE(score.letters[1].sent, 1);
    QCOMPARE(score.letters[1].right, 1);
    QCOMPARE(score.letters[1].mostOftenReadAs(), QChar());
    QCOMPARE(score.letters[4].right, 1);
    QCOMPARE(score.letters[25].sent, 0);
    QCOMPARE(score.letters[25].mostOftenReadAs(), QChar());
}

void TestCopyScore::takesTheEarliestLetterOnATie()
{
    LetterTally tally;
    tally.readAs[u'T' - u'A'] = 3;
    tally.readAs[u'E' - u'A'] = 3;
    tally.readAs[u'B' - u'A'] = 2;
    QCOMPARE(tally.mostOftenReadAs(), QChar(u'E'));
    tally.readAs[u'Z' - u'A'] = 4;
    QCOMPARE(tally.mostOftenReadAs(), QChar(u'Z'));
}

void TestCopyScore::summarises_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("extra");
    QTest::addColumn<QString>("summary");
    const auto row = [](const char *name, int right, int sent, int extra, const char *text) {
        QTest::newRow(name) << right << sent << extra << QString::fromUtf8(text);
    };
    // Cut down to the whole percent below: a score never shows more than was read.
    row("nine of ten", 9, 10, 0, "9 of 10 right (90 %)");
    row("nothing sent", 0, 0, 0, "0 of 0 right (0 %)");
    row("none right", 0, 5, 0, "0 of 5 right (0 %)");
    row("all right", 10, 10, 0, "10 of 10 right (100 %)");
    row("66.7 down", 2, 3, 0, "2 of 3 right (66 %)");
    row("89.58 is short of mastery", 43, 48, 0, "43 of 48 right (89 %)");
    row("99.5 is not perfect", 199, 200, 0, "199 of 200 right (99 %)");
    row("0.5 down", 1, 200, 0, "1 of 200 right (0 %)");
    // Extra letters count against the score as readings that were not right.
    row("every letter and junk", 3, 3, 200000, "3 of 3 right (0 %)");
    row("one extra", 9, 9, 1, "9 of 9 right (90 %)");
    row("only extra", 0, 0, 4, "0 of 0 right (0 %)");
    row("large counts stay exact", 1999999, 2000000, 1, "1999999 of 2000000 right (99 %)");
}

void TestCopyScore::summarises()
{
    QFETCH(int, right);
    QFETCH(int, sent);
    QFETCH(int, extra);
    QFETCH(QString, summary);
    CopyScore score;
    score.right = right;
    score.sent = sent;
    score.extra = extra;
    QCOMPARE(score.summary(), summary);
    RunRecord run;
    run.sent = QString(sent, u'E');
    run.right = right;
    run.extra = extra;
    // A stored run is judged by the same rule from its counts.
    QCOMPARE(run.accuracy(), score.percent());
}

void TestCopyScore::summarisesACopyWithNothingSent()
{
    const CopyScore score = scoreCopy(QStringLiteral(" 1 "), QStringLiteral("XY"));
    QCOMPARE(score.extra, 2);
    QCOMPARE(score.summary(), QStringLiteral("0 of 0 right (0 %)"));
}

void TestCopyScore::agreesWithTheFullTable_data()
{
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<QList<int>>("sentLengths");
    QTest::addColumn<QList<int>>("copyLengths"); // none: one at random and the longest, 2 n + 50
    QTest::addColumn<int>("rounds");
    const auto upTo = [](int last) {
        QList<int> lengths;
        for (int length = 0; length <= last; ++length)
            lengths << length;
        return lengths;
    };
    // The scorer works 64 rows (letters sent) to a word, and walks back through blocks of 64
    // columns (letters typed), or of the square root of the letters typed for longer copies:
    // 64 x 64 and 65 x 65 letters fill their last block, one more letter starts a new one.
    const QList<int> wordEdges{63, 64, 65, 127, 128, 129, 191, 192, 193};
    const QList<int> blockEdges{0, 1, 63, 64, 65, 127, 128, 129, 4096, 4097, 4225, 4226};
    const QString aToZ = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    // Few letters make many readings of the same cost, where only the order of preference
    // decides.
    QTest::newRow("one letter") << QStringLiteral("A") << upTo(12) << QList<int>() << 8;
    QTest::newRow("two letters") << QStringLiteral("AB") << upTo(12) << QList<int>() << 8;
    QTest::newRow("four letters") << QStringLiteral("ABCD") << upTo(12) << QList<int>() << 8;
    QTest::newRow("three letters, word edges")
        << QStringLiteral("ABC") << wordEdges << QList<int>() << 4;
    QTest::newRow("A to Z, word edges") << aToZ << wordEdges << QList<int>() << 4;
    QTest::newRow("A to Z, longer") << aToZ << QList<int>{300, 500} << QList<int>() << 4;
    QTest::newRow("two letters, block edges")
        << QStringLiteral("AB") << QList<int>{0, 1, 40, 64, 129} << blockEdges << 1;
    QTest::newRow("figures, punctuation, other letters")
        << QStringLiteral("AE0159./=+\u00DF\u05D0") << QList<int>{1, 17, 64, 65, 150}
        << QList<int>() << 4;
}

void TestCopyScore::agreesWithTheFullTable()
{
    QFETCH(QString, alphabet);
    QFETCH(QList<int>, sentLengths);
    QFETCH(QList<int>, copyLengths);
    QFETCH(int, rounds);
    const int letters = int(alphabet.size());
    // The first letters of A to Z drawn stand for the alphabet's letters.
    const auto spelled = [&](const QString &drawn) {
        QString text;
        for (const QChar letter : drawn)
            text.append(alphabet[letter.unicode() - u'A']);
        return text;
    };
    const std::array rates{0.0, 0.05, 0.2, 0.5};
    std::mt19937 random(20240611);
    for (const int sentLength : sentLengths) {
        const int longest = 2 * sentLength + 50;
        for (int round = 0; round < rounds; ++round) {
            const QString sent = randomLetters(sentLength, random, letters);
            const double rate = rates[std::size_t(round) % rates.size()];
            const QString typed =
                letters > 1 ? copyWithErrors(sent, rate, random, letters).copy : sent;
            const QString tail = randomLetters(longest, random, letters);
            QList<int> lengths = copyLengths;
            if (lengths.isEmpty())
                lengths = {std::uniform_int_distribution<int>(0, longest)(random), longest};
            for (const int length : lengths) {
                // The copy cut short or followed by extra letters, and one unrelated to it.
                for (const QString &drawn :
                     {(typed + tail).left(length), randomLetters(length, random, letters)}) {
                    const QString sentText = spelled(sent);
                    const QString copy = spelled(drawn);
                    const QString expected = describe(fullTableAlignment(sentText, copy));
                    QVERIFY2(describe(alignCopy(sentText, copy)) == expected,
                             qPrintable(sentText + QLatin1Char(' ') + copy));
                }
            }
        }
    }
}

void TestCopyScore::scoresALongCopyWithinTheErrorsPutIn()
{
    std::mt19937 random(7);
    const QString sent = randomLetters(3000, random);
    const CopyWithErrors copy = copyWithErrors(sent, 0.10, random);
    const CopyScore score = scoreCopy(sent, copy.copy);

    QCOMPARE(score.sent, 3000);
    // The errors put in are one way to read the copy, so the cheapest costs no more; chance
    // (an extra letter that repeats its neighbour) only rarely makes it cheaper still.
    const int counted = score.wrong + score.missed + score.extra;
    const QString counts = QStringLiteral("%1 counted, %2 put in").arg(counted).arg(copy.errors);
    QVERIFY2(counted <= copy.errors, qPrintable(counts));
    QVERIFY2(counted >= copy.errors * 9 / 10, qPrintable(counts));
    QVERIFY(score.right >= score.sent - copy.errors);
    QCOMPARE(describe(score.aligned), describe(fullTableAlignment(sent, copy.copy)));
}

QTEST_GUILESS_MAIN(TestCopyScore)
#include "test_copyscore.moc"
