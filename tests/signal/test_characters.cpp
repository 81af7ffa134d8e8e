// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "signal/characters.h"
#include "signal/signalelements.h"

#include <QTest>

using namespace blinket;

class TestCharacters : public QObject
{
    Q_OBJECT
private slots:
    void charactersAreSentAsOneSign_data();
    void charactersAreSentAsOneSign();
    void groupsChooseTheirCharactersOnce_data();
    void groupsChooseTheirCharactersOnce();
    void hebrewLettersFollowTheirCode_data();
    void hebrewLettersFollowTheirCode();
};

void TestCharacters::charactersAreSentAsOneSign_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sleeps"); // at a unit of 400 ms: + lit, - dark
    QTest::addColumn<QString>("sign");
    const auto row = [](const char *name, const char *text, const char *sleeps,
                        const char *sign = "") {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(sleeps)
                            << QString::fromLatin1(sign);
    };
    row("0", "0", "+1000 -200 +1000 -200 +1000 -200 +1000 -200 +1000 -1000");
    row("7", "7", "+1000 -200 +1000 -200 +200 -200 +200 -200 +200 -1000");
    row("?", "?", "+200 -200 +200 -200 +1000 -200 +1000 -200 +200 -200 +200 -1000");
    row("@", "@", "+200 -200 +1000 -200 +1000 -200 +200 -200 +1000 -200 +200 -1000");
    // No letter gap between the A and the R of AR, nor between the S and the K of SK.
    row("AR", "+", "+200 -200 +1000 -200 +200 -200 +1000 -200 +200 -1000", "AR");
    row("SK", "%", "+200 -200 +200 -200 +200 -200 +1000 -200 +200 -200 +1000 -1000", "SK");
    row("BT, also a mark", "=", "+1000 -200 +200 -200 +200 -200 +200 -200 +1000 -1000", "BT");
    // Only K, D and G keep their extra gap.
    row("K", "K", "+1000 -200 +200 -200 +1000 -200 -1000");
    row("6", "6", "+1000 -200 +200 -200 +200 -200 +200 -200 +200 -1000");
    // A Hebrew letter as the Latin letter of its sign, the extra gap too; a final form as its
    // letter.
    row("ו, E's sign", "ו", "+200 -1000");
    row("ה, O's sign", "ה", "+1000 -200 +1000 -200 +1000 -1000");
    row("כ, K's sign", "כ", "+1000 -200 +200 -200 +1000 -200 -1000");
    row("ך, final כ", "ך", "+1000 -200 +200 -200 +1000 -200 -1000");
    row("ם, final מ", "ם", "+1000 -200 +1000 -1000");
    row("a point", "\u05B4", "");
    row("maqaf", "\u05BE", "");
    // Nothing else is sent, and no event is handled.
    row("hyphen, a missed character", "-", "");
    row("exclamation mark", "!", "");
    row("lower case", "e", "");
    row("accented", "É", "");
    row("empty", "", "");
    row("two figures", "55", "");
}

void TestCharacters::charactersAreSentAsOneSign()
{
    QFETCH(QString, text);
    QFETCH(QString, sleeps);
    QFETCH(QString, sign);
    FakePlatform platform;
    qint16 unit = 400;
    SignalElements elements(platform, platform, unit);
    elements.sendCharacter(text);

    QCOMPARE(platform.sleeps().join(QLatin1Char(' ')), sleeps);
    // Events are processed before every element, and once more inside it.
    QCOMPARE(platform.timeline().count(QStringLiteral("ev")), 2 * platform.sleeps().size());
    if (text.size() == 1) {
        QCOMPARE(characterIndex(text.front()) >= 0, !sleeps.isEmpty());
        QCOMPARE(procedureSignName(text.front()), sign);
    }
}

void TestCharacters::groupsChooseTheirCharactersOnce_data()
{
    QTest::addColumn<CharacterChoice>("choice");
    QTest::addColumn<QString>("characters");
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QTest::newRow("letters") << CharacterChoice{true, false, false, false} << letters;
    QTest::newRow("none: the letters") << CharacterChoice{false, false, false, false} << letters;
    QTest::newRow("figures") << CharacterChoice{false, true, false, false}
                             << QStringLiteral("0123456789");
    QTest::newRow("signs") << CharacterChoice{false, false, false, true}
                           << QStringLiteral("=(^+&%");
    QTest::newRow("marks and signs")
        << CharacterChoice{false, false, true, true} << QStringLiteral(R"(.,?/=:'"()@^+&%)");
    QTest::newRow("all") << CharacterChoice{true, true, true, true}
                         << letters + QStringLiteral(R"(0123456789.,?/=:'"()@^+&%)");
    const QString hebrew = QStringLiteral("אבגדהוזחטיכלמנסעפצקרשת");
    QTest::newRow("Hebrew letters") << CharacterChoice{false, false, false, false, true} << hebrew;
    QTest::newRow("Hebrew letters in place of A to Z")
        << CharacterChoice{true, true, false, false, true} << QStringLiteral("0123456789") + hebrew;
}

void TestCharacters::hebrewLettersFollowTheirCode_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QChar>("latin"); // sent alike
    const auto row = [](char16_t letter, const char *sign, char latin) {
        QTest::newRow(QString(QChar(letter)).toUtf8())
            << QChar(letter) << QString::fromLatin1(sign) << QChar(char16_t(latin));
    };
    row(u'א', ".-", 'A');
    row(u'ב', "-...", 'B');
    row(u'ג', "--.", 'G');
    row(u'ד', "-..", 'D');
    row(u'ה', "---", 'O');
    row(u'ו', ".", 'E');
    row(u'ז', "--..", 'Z');
    row(u'ח', "....", 'H');
    row(u'ט', "..-", 'U');
    row(u'י', "..", 'I');
    row(u'כ', "-.-", 'K');
    row(u'ך', "-.-", 'K');
    row(u'ל', ".-..", 'L');
    row(u'מ', "--", 'M');
    row(u'ם', "--", 'M');
    row(u'נ', "-.", 'N');
    row(u'ן', "-.", 'N');
    row(u'ס', "-.-.", 'C');
    row(u'ע', ".---", 'J');
    row(u'פ', ".--.", 'P');
    row(u'ף', ".--.", 'P');
    row(u'צ', ".--", 'W');
    row(u'ץ', ".--", 'W');
    row(u'ק', "--.-", 'Q');
    row(u'ר', ".-.", 'R');
    row(u'ש', "...", 'S');
    row(u'ת', "-", 'T');
}

void TestCharacters::hebrewLettersFollowTheirCode()
{
    QFETCH(QChar, letter);
    QFETCH(QString, sign);
    QFETCH(QChar, latin);
    QCOMPARE(QString::fromLatin1(morseElements(letter)), sign);
    QCOMPARE(latinOfSameSign(letter), latin);
    QVERIFY(belongsTo(letter, CharacterGroup::HebrewLetters));
    QVERIFY(!belongsTo(letter, CharacterGroup::Letters));
    // A final form has no place of its own: it is its letter, in tables and in a copy.
    const QChar own = characterAt(characterIndex(letter));
    QCOMPARE(own, withoutFinalForm(letter));
    QVERIFY(hebrewLetters().contains(own));
    QCOMPARE(hebrewOfSameSign(latin), own);
    QVERIFY(readsAs(own, letter) && readsAs(letter, own));
}

void TestCharacters::groupsChooseTheirCharactersOnce()
{
    QFETCH(CharacterChoice, choice);
    QFETCH(QString, characters);
    QCOMPARE(charactersOf(choice), characters);
    for (const QChar c : characters)
        QCOMPARE(sendableCharacters().at(characterIndex(c)), c);
}

QTEST_GUILESS_MAIN(TestCharacters)
#include "test_characters.moc"
