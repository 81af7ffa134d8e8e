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
    void unsendableTextSendsNothing_data();
    void unsendableTextSendsNothing();
    void groupsChooseTheirCharactersOnce_data();
    void groupsChooseTheirCharactersOnce();
};

void TestCharacters::charactersAreSentAsOneSign_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("sleeps"); // at a unit of 400 ms: + lit, - dark
    QTest::addColumn<QString>("sign");
    const auto row = [](const char *name, QString character, const char *code, const char *sleeps,
                        QString sign = {}) {
        QTest::newRow(name) << character << QString::fromLatin1(code) << QString::fromLatin1(sleeps)
                            << sign;
    };
    row("0", QStringLiteral("0"), "-----",
        "+1000 -200 +1000 -200 +1000 -200 +1000 -200 +1000 -1000");
    row("7", QStringLiteral("7"), "--...", "+1000 -200 +1000 -200 +200 -200 +200 -200 +200 -1000");
    row("question mark", QStringLiteral("?"), "..--..",
        "+200 -200 +200 -200 +1000 -200 +1000 -200 +200 -200 +200 -1000");
    row("at", QStringLiteral("@"), ".--.-.",
        "+200 -200 +1000 -200 +1000 -200 +200 -200 +1000 -200 +200 -1000");
    // No letter gap between the A and the R of AR, nor between the S and the K of SK.
    row("AR", QStringLiteral("+"), ".-.-.", "+200 -200 +1000 -200 +200 -200 +1000 -200 +200 -1000",
        QStringLiteral("AR"));
    row("SK", QStringLiteral("%"), "...-.-",
        "+200 -200 +200 -200 +200 -200 +1000 -200 +200 -200 +1000 -1000", QStringLiteral("SK"));
    // A sign that is also a punctuation mark.
    row("BT", QStringLiteral("="), "-...-", "+1000 -200 +200 -200 +200 -200 +200 -200 +1000 -1000",
        QStringLiteral("BT"));
    // Only K, D and G keep their extra gap; a figure ending in a dot does not.
    row("K", QStringLiteral("K"), "-.-", "+1000 -200 +200 -200 +1000 -200 -1000");
    row("6", QStringLiteral("6"), "-....", "+1000 -200 +200 -200 +200 -200 +200 -200 +200 -1000");
}

void TestCharacters::charactersAreSentAsOneSign()
{
    QFETCH(QString, character);
    QFETCH(QString, code);
    QFETCH(QString, sleeps);
    QFETCH(QString, sign);
    FakePlatform platform;
    qint16 unit = 400;
    SignalElements elements(platform, platform, unit);
    elements.sendCharacter(character);

    QCOMPARE(QString::fromLatin1(morseElements(character.front())), code);
    QCOMPARE(platform.sleeps().join(QLatin1Char(' ')), sleeps);
    // Events are processed before every element, and once more inside it.
    QCOMPARE(platform.timeline().count(QStringLiteral("ev")), 2 * int(platform.sleeps().size()));
    QCOMPARE(procedureSignName(character.front()), sign);
}

void TestCharacters::unsendableTextSendsNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("hyphen, the mark of a missed character") << QStringLiteral("-");
    QTest::newRow("exclamation mark") << QStringLiteral("!");
    QTest::newRow("lower case") << QStringLiteral("e");
    QTest::newRow("space") << QStringLiteral(" ");
    QTest::newRow("empty") << QString();
    QTest::newRow("two figures") << QStringLiteral("55");
    QTest::newRow("accented") << QStringLiteral("É");
}

void TestCharacters::unsendableTextSendsNothing()
{
    QFETCH(QString, text);
    FakePlatform platform;
    qint16 unit = 400;
    SignalElements elements(platform, platform, unit);
    bool handlerRan = false;
    platform.at(0, [&] { handlerRan = true; });
    elements.sendCharacter(text);
    QVERIFY(platform.steps().empty());
    QVERIFY(!handlerRan);
    if (text.size() == 1)
        QCOMPARE(characterIndex(text.front()), -1);
}

void TestCharacters::groupsChooseTheirCharactersOnce_data()
{
    QTest::addColumn<bool>("letters");
    QTest::addColumn<bool>("figures");
    QTest::addColumn<bool>("punctuation");
    QTest::addColumn<bool>("procedure");
    QTest::addColumn<QString>("characters");
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QTest::newRow("letters") << true << false << false << false << letters;
    QTest::newRow("none: the letters") << false << false << false << false << letters;
    QTest::newRow("figures") << false << true << false << false << QStringLiteral("0123456789");
    QTest::newRow("procedure signs") << false << false << false << true << QStringLiteral("=(^+&%");
    QTest::newRow("punctuation and signs")
        << false << false << true << true << QStringLiteral(R"(.,?/=:'"()@^+&%)");
    QTest::newRow("all") << true << true << true << true
                         << letters + QStringLiteral(R"(0123456789.,?/=:'"()@^+&%)");
}

void TestCharacters::groupsChooseTheirCharactersOnce()
{
    QFETCH(bool, letters);
    QFETCH(bool, figures);
    QFETCH(bool, punctuation);
    QFETCH(bool, procedure);
    QFETCH(QString, characters);
    QCOMPARE(charactersOf({letters, figures, punctuation, procedure}), characters);
    for (const QChar c : characters)
        QCOMPARE(sendableCharacters().at(characterIndex(c)), c);
}

QTEST_GUILESS_MAIN(TestCharacters)
#include "test_characters.moc"
