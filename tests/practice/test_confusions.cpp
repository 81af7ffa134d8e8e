// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/practicestats.h"

#include <QTest>

using namespace blinket;

class TestConfusions : public QObject
{
    Q_OBJECT
private slots:
    void rankedByCountThenAlphabet_data();
    void rankedByCountThenAlphabet();
    void countedOverEveryRun();
    void text_data();
    void text();
};

void TestConfusions::rankedByCountThenAlphabet_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QStringList>("ranked");

    QTest::newRow("no runs") << QString() << QString() << QStringList();
    QTest::newRow("all right") << QStringLiteral("SOS") << QStringLiteral("SOS") << QStringList();
    QTest::newRow("missed letters are not confusions")
        << QStringLiteral("SOS") << QStringLiteral("S--") << QStringList();
    QTest::newRow("highest count first")
        << QStringLiteral("SSSHEEEM") << QStringLiteral("HHHSIII-")
        << QStringList{QStringLiteral("E read as I: 3"), QStringLiteral("S read as H: 3"),
                       QStringLiteral("H read as S: 1")};
    QTest::newRow("equal counts by the letter sent, then the letter read")
        << QStringLiteral("SSSSAAZZ") << QStringLiteral("IIHHNNAA")
        << QStringList{QStringLiteral("A read as N: 2"), QStringLiteral("S read as H: 2"),
                       QStringLiteral("S read as I: 2"), QStringLiteral("Z read as A: 2")};
    QTest::newRow("one letter read several ways")
        << QStringLiteral("KKKKKK") << QStringLiteral("RRRNKC")
        << QStringList{QStringLiteral("K read as R: 3"), QStringLiteral("K read as C: 1"),
                       QStringLiteral("K read as N: 1")};
}

void TestConfusions::rankedByCountThenAlphabet()
{
    QFETCH(QString, sent);
    QFETCH(QString, read);
    QFETCH(QStringList, ranked);
    std::vector<RunRecord> runs;
    if (!sent.isEmpty())
        runs.push_back(madeRun(sent, read));
    QStringList got;
    for (const Confusion &confusion : confusions(runs))
        got << confusionText(confusion);
    QCOMPARE(got, ranked);
}

void TestConfusions::countedOverEveryRun()
{
    const std::vector<RunRecord> runs =
        oneMinuteApart({madeRun(QStringLiteral("SH"), QStringLiteral("HH")),
                        madeRun(QStringLiteral("HS"), QStringLiteral("SH")),
                        madeRun(QStringLiteral("S"), QStringLiteral("H"))});
    const std::vector<Confusion> expected = {{u'S', u'H', 3}, {u'H', u'S', 1}};
    QCOMPARE(confusions(runs), expected);
}

void TestConfusions::text_data()
{
    QTest::addColumn<QChar>("sent");
    QTest::addColumn<QChar>("readAs");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("seven") << QChar(u'S') << QChar(u'H') << 7 << QStringLiteral("S read as H: 7");
    QTest::newRow("many") << QChar(u'Q') << QChar(u'Y') << 1234
                          << QStringLiteral("Q read as Y: 1234");
}

void TestConfusions::text()
{
    QFETCH(QChar, sent);
    QFETCH(QChar, readAs);
    QFETCH(int, count);
    QFETCH(QString, text);
    QCOMPARE(confusionText({sent, readAs, count}), text);
}

QTEST_GUILESS_MAIN(TestConfusions)
#include "test_confusions.moc"
