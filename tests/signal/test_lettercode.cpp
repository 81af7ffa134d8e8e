// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/lettercode.h"

#include <QTest>

using namespace blinket;

class TestLetterCode : public QObject
{
    Q_OBJECT
private slots:
    void onlyTheTwentySixCapitalsHaveARow_data();
    void onlyTheTwentySixCapitalsHaveARow();
};

void TestLetterCode::onlyTheTwentySixCapitalsHaveARow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasRow");
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        QTest::newRow(std::string(1, letter).c_str()) << QString(QLatin1Char(letter)) << true;
    QTest::newRow("lower case") << QStringLiteral("e") << false;
    QTest::newRow("space") << QStringLiteral(" ") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("digit") << QStringLiteral("7") << false;
    QTest::newRow("two letters") << QStringLiteral("AB") << false;
    QTest::newRow("padded") << QStringLiteral(" A") << false;
    QTest::newRow("before A") << QStringLiteral("@") << false;
    QTest::newRow("after Z") << QStringLiteral("[") << false;
    QTest::newRow("full-width A") << QStringLiteral("Ａ") << false;
    QTest::newRow("hebrew") << QStringLiteral("א") << false;
}

void TestLetterCode::onlyTheTwentySixCapitalsHaveARow()
{
    QFETCH(QString, text);
    QFETCH(bool, hasRow);
    const auto row = letterCode(text);
    QCOMPARE(row.has_value(), hasRow);
    if (row)
        QCOMPARE(QChar(QLatin1Char(row->letter)), text.front());
}

QTEST_GUILESS_MAIN(TestLetterCode)
#include "test_lettercode.moc"
