// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/runtimeerror.h"
#include "settings/fieldreader.h"

#include <QBuffer>
#include <QTest>

using namespace blinket;

namespace {

// Each field as a short word: <> nothing, #n a number, [t] text; then <end> when the file
// ran out, or the error that stopped the reading.
QString describe(const Field &field)
{
    switch (field.kind) {
    case Field::Kind::Empty:
        return QStringLiteral("<>");
    case Field::Kind::Number:
        return QLatin1Char('#') + QString::number(field.number, 'g', 17);
    case Field::Kind::Text:
        break;
    }
    return QLatin1Char('[') + field.text + QLatin1Char(']');
}

QStringList readAll(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    FieldReader reader(buffer);
    QStringList fields;
    try {
        for (int i = 0; i < 20; ++i)
            fields << describe(reader.next());
        fields << QStringLiteral("<still reading>");
    } catch (const RuntimeError &error) {
        fields << (error.number() == 62 ? QStringLiteral("<end>")
                                        : QStringLiteral("<error%1>").arg(error.number()));
    }
    return fields;
}

QStringList words(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '));
}

} // namespace

class TestFieldReader : public QObject
{
    Q_OBJECT
private slots:
    void readsFields_data();
    void readsFields();
    void keepsSpacesInsideAndAfterText();
    void keepsZeroBytes();
    void readsHebrewText();
    void showsNumbersInTheirDecimalForm_data();
    void showsNumbersInTheirDecimalForm();
    void turnsFieldsIntoNumbers();
};

void TestFieldReader::readsFields_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields");

    const auto row = [](const char *name, const QByteArray &file, const char *fields) {
        QTest::newRow(name) << file << words(fields);
    };
    row("fresh example", "4\r\n3\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n",
        "#4 #3 #555 #-2147483643 #8421504 <end>");
    row("empty file", "", "<end>");
    row("comma splits a line", "5, 3\r\n", "#5 #3 <end>");
    row("nothing between commas", "a,,b", "[a] <> [b] <end>");
    row("empty lines", "\r\n\r\nx", "<> <> [x] <end>");
    row("comma then line end", "5,\r\n3", "#5 <> #3 <end>");
    row("line end then comma", "a\r\n,b", "[a] <> [b] <end>");
    row("lone LF", "a\nb", "[a] [b] <end>");
    row("lone CR", "a\rb", "[a] [b] <end>");
    row("LF CR is two ends", "a\n\rb", "[a] <> [b] <end>");
    row("trailing comma", "a,", "[a] <end>");
    row("spaces at the end", "a\r\n   ", "[a] <end>");
    row("no final line end", "4\r\n 0 ", "#4 #0 <end>");
    row("spaces before", "   abc", "[abc] <end>");
    row("spaces after a number", "555   \r\n", "#555 <end>");
    row("leading zeros", "04", "#4 <end>");
    row("plus sign", "+7", "#7 <end>");
    row("minus sign", "-7", "#-7 <end>");
    row("point first", "-.5", "#-0.5 <end>");
    row("point last", "5.", "#5 <end>");
    row("fraction", "2.25", "#2.25 <end>");
    row("minus zero", "-0", "#0 <end>");
    row("exponent is text", "1e5", "[1e5] <end>");
    row("two points", "1.2.3", "[1.2.3] <end>");
    row("sign alone", "-", "[-] <end>");
    row("point alone", ".", "[.] <end>");
    row("two signs", "--5", "[--5] <end>");
    row("space inside", "5 5", "[5_5] <end>");
    row("hex", "0x10", "[0x10] <end>");
    row("digits then letters", " 12a", "[12a] <end>");
    row("tab is not a space", "\t5", "[\t5] <end>");
    row("quoted comma", "\"a, b\",c", "[a,_b] [c] <end>");
    row("quoted line end", "\"a\r\nb\"\r\nc", "[a\r\nb] [c] <end>");
    row("quoted number is text", "\"04\"", "[04] <end>");
    row("quoted empty is text", "\"\",x", "[] [x] <end>");
    row("after the closing quote", "\"ab\"cd,e", "[ab] [e] <end>");
    row("doubled quote inside", "\"a\"\"b\",c", "[a\"b] [c] <end>");
    row("only a doubled quote", "\"\"\"\"\r\nc", "[\"] [c] <end>");
    row("quoted quotes", "\"\"\"6\"\"\"", "[\"6\"] <end>");
    row("spaces then quote", "  \"a\"", "[a] <end>");
    row("quote inside text", "a\"b\",c", "[a\"b\"] [c] <end>");
    row("unclosed quote", "\"abc,def\r\n", "[abc,def\r\n] <end>");
    row("huge number", "1" + QByteArray(400, '0'), "<error6>");
    row("tiny number", "0." + QByteArray(400, '0') + "1", "#0 <end>");
    row("twenty digits", "12345678901234567890", "#1.2345678901234567e+19 <end>");
}

void TestFieldReader::readsFields()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);
    // Underscores in the table stand for spaces inside a field.
    for (QString &field : fields)
        field.replace(QLatin1Char('_'), QLatin1Char(' '));
    QCOMPARE(readAll(file), fields);
}

void TestFieldReader::keepsSpacesInsideAndAfterText()
{
    QCOMPARE(readAll("  five  ,  5 5 \r\n"),
             QStringList(
                 {QStringLiteral("[five  ]"), QStringLiteral("[5 5 ]"), QStringLiteral("<end>")}));
}

void TestFieldReader::keepsZeroBytes()
{
    const QStringList fields = readAll(QByteArray("a\0b,c", 5));
    QCOMPARE(fields.size(), 3);
    QCOMPARE(fields[0], QStringLiteral("[a") + QChar(0) + QStringLiteral("b]"));
    QCOMPARE(fields[1], QStringLiteral("[c]"));
}

void TestFieldReader::readsHebrewText()
{
    QCOMPARE(
        readAll(QStringLiteral("ארבע\r\nשלוש").toLocal8Bit()),
        QStringList({QStringLiteral("[ארבע]"), QStringLiteral("[שלוש]"), QStringLiteral("<end>")}));
}

void TestFieldReader::showsNumbersInTheirDecimalForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("4") << 4.0 << QStringLiteral("4");
    QTest::newRow("4.5") << 4.5 << QStringLiteral("4.5");
    QTest::newRow("-12") << -12.0 << QStringLiteral("-12");
    QTest::newRow("minus zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("fifteen digits") << 123456789012345.0 << QStringLiteral("123456789012345");
    QTest::newRow("1e15") << 1e15 << QStringLiteral("1E+15");
    QTest::newRow("twenty digits")
        << 12345678901234567890.0 << QStringLiteral("1.23456789012346E+19");
    QTest::newRow("0.0001") << 0.0001 << QStringLiteral("0.0001");
    QTest::newRow("1e-5") << 1e-5 << QStringLiteral("1E-05");
}

void TestFieldReader::showsNumbersInTheirDecimalForm()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(fieldText({Field::Kind::Number, value, QString()}), shown);
}

void TestFieldReader::turnsFieldsIntoNumbers()
{
    QCOMPARE(fieldText({}), QString());
    QCOMPARE(fieldText({Field::Kind::Text, 0.0, QStringLiteral(" x ")}), QStringLiteral(" x "));
    QCOMPARE(fieldNumber({}), 0.0);
    QCOMPARE(fieldNumber({Field::Kind::Number, -3.5, QString()}), -3.5);
    QCOMPARE(fieldNumber({Field::Kind::Text, 0.0, QStringLiteral("555")}), 555.0);
    try {
        fieldNumber({Field::Kind::Text, 0.0, QStringLiteral("big")});
        QFAIL("text that is no number was taken as one");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 13);
    }
    try {
        fieldNumber({Field::Kind::Text, 0.0, QString()});
        QFAIL("empty text was taken as a number");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 13);
    }
}

QTEST_GUILESS_MAIN(TestFieldReader)
#include "test_fieldreader.moc"
