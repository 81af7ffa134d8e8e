// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/numeric.h"
#include "platform/runtimeerror.h"

#include <QTest>

#include <limits>

using namespace blinket;

class TestNumeric : public QObject
{
    Q_OBJECT
private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void sixteenBitConversionOverflows();
    void sixteenBitArithmeticOverflows();
    void divisionErrors();
    void readsNumbers_data();
    void readsNumbers();
    void rejectsNonNumbers_data();
    void rejectsNonNumbers();
    void hugeNumbersOverflow();
    void formatsSingles_data();
    void formatsSingles();
};

void TestNumeric::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("12.5") << 12.5 << 12.0;
    QTest::newRow("17.5") << 17.5 << 18.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("266.67") << 1600.0 / 6.0 << 267.0;
    QTest::newRow("2.4999") << 2.4999 << 2.0;
    QTest::newRow("2.5001") << 2.5001 << 3.0;
}

void TestNumeric::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(roundHalfEven(value), expected);
}

void TestNumeric::sixteenBitConversionOverflows()
{
    QCOMPARE(toInt16(32767.4), qint16(32767));
    QCOMPARE(toInt16(-32768.5), qint16(-32768));
    QCOMPARE(toInt16(1600.0 / 640.0), qint16(2));
    QCOMPARE(toInt16(1600.0 / 3200.0), qint16(0));
    for (const double bad :
         {32767.5, 32768.0, -32769.0, -32768.6, std::numeric_limits<double>::quiet_NaN()}) {
        try {
            toInt16(bad);
            QFAIL(qPrintable(QStringLiteral("no overflow for %1").arg(bad)));
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 6);
            QCOMPARE(error.description(), QStringLiteral("Overflow"));
        }
    }
    QCOMPARE(toInt32(-2147483648.0), std::numeric_limits<qint32>::min());
    QVERIFY_THROWS_EXCEPTION(RuntimeError, toInt32(2147483647.5));
}

void TestNumeric::sixteenBitArithmeticOverflows()
{
    QCOMPARE(multiply16(8191, 4), qint16(32764));
    QCOMPARE(multiply16(-8192, 4), qint16(-32768));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, multiply16(8192, 4));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, multiply16(-8193, 4));
    QCOMPARE(add16(32766, 1), qint16(32767));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, add16(32767, 1));
}

void TestNumeric::divisionErrors()
{
    QCOMPARE(divide(1600, 4), 400.0);
    try {
        divide(1600, 0);
        QFAIL("1600 / 0 went through");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 11);
        QCOMPARE(error.report(), QStringLiteral("Run-time error '11': Division by zero"));
    }
    try {
        divide(0, 0);
        QFAIL("0 / 0 went through");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
    }
    QVERIFY_THROWS_EXCEPTION(RuntimeError, divide(1e300, 1e-300));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, multiply(1e300, 1e300));
}

void TestNumeric::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("4") << QStringLiteral("4") << 4.0;
    QTest::newRow("leading zero") << QStringLiteral("04") << 4.0;
    QTest::newRow("spaces") << QStringLiteral("  6 ") << 6.0;
    QTest::newRow("fraction") << QStringLiteral("6.5") << 6.5;
    QTest::newRow("point first") << QStringLiteral(".5") << 0.5;
    QTest::newRow("point last") << QStringLiteral("5.") << 5.0;
    QTest::newRow("negative") << QStringLiteral("-3") << -3.0;
    QTest::newRow("plus") << QStringLiteral("+3") << 3.0;
    QTest::newRow("exponent") << QStringLiteral("1E3") << 1000.0;
    QTest::newRow("tiny") << QStringLiteral("1e-400") << 0.0;
}

void TestNumeric::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(textToNumber(text), expected);
}

void TestNumeric::rejectsNonNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("space") << QStringLiteral(" ");
    QTest::newRow("word") << QStringLiteral("four");
    QTest::newRow("point") << QStringLiteral(".");
    QTest::newRow("sign") << QStringLiteral("-");
    QTest::newRow("trailing letter") << QStringLiteral("4x");
    QTest::newRow("two numbers") << QStringLiteral("4 6");
    QTest::newRow("inf") << QStringLiteral("inf");
    QTest::newRow("nan") << QStringLiteral("nan");
    QTest::newRow("hebrew") << QStringLiteral("ארבע");
    QTest::newRow("comma list") << QStringLiteral("5, 3");
}

void TestNumeric::rejectsNonNumbers()
{
    QFETCH(QString, text);
    try {
        textToNumber(text);
        QFAIL("accepted");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.report(), QStringLiteral("Run-time error '13': Type mismatch"));
    }
}

void TestNumeric::hugeNumbersOverflow()
{
    try {
        textToNumber(QStringLiteral("1e400"));
        QFAIL("accepted");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
    }
}

void TestNumeric::formatsSingles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 180.0f << QStringLiteral("180");
    QTest::newRow("fraction") << 172.8f << QStringLiteral("172.8");
    QTest::newRow("zero") << 0.0f << QStringLiteral("0");
    QTest::newRow("half") << 0.5f << QStringLiteral("0.5");
    QTest::newRow("negative") << -3.25f << QStringLiteral("-3.25");
    QTest::newRow("seven digits") << 1234.567f << QStringLiteral("1234.567");
    QTest::newRow("rounded to seven") << 2.0f / 3.0f << QStringLiteral("0.6666667");
    QTest::newRow("large") << 12345678.0f << QStringLiteral("1.234568E+07");
    QTest::newRow("small") << 0.00001f << QStringLiteral("1E-05");
}

void TestNumeric::formatsSingles()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(double(value), singleDigits), expected);
}

QTEST_GUILESS_MAIN(TestNumeric)
#include "test_numeric.moc"
