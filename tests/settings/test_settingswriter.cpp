// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/runtimeerror.h"
#include "settings/settingserrors.h"
#include "settings/settingswriter.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <limits>

using namespace blinket;

namespace {

const SettingsValues freshWindow{QStringLiteral("4"), QStringLiteral("3"), 555,
                                 SystemColour::WindowBackground, rgbColour(0x80, 0x80, 0x80)};

} // namespace

class TestSettingsWriter : public QObject
{
    Q_OBJECT
private slots:
    void writesNumberForm_data();
    void writesNumberForm();
    void writesTheFreshWindowIn38Bytes();
    void writesTheRedLampOnBlack();
    void writesSystemColoursAsNegativeNumbers();
    void writesTextsAsTheyStand_data();
    void writesTextsAsTheyStand();
    void writesTheFileAndReplacesAnOldOne();
    void namesFileErrors_data();
    void namesFileErrors();
    void missingDirectoryIsAnError();
    void fullDiskKeepsTheOldFile();
};

void TestSettingsWriter::writesNumberForm_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QByteArray>("form");
    QTest::newRow("zero") << qint64(0) << QByteArray(" 0 ");
    QTest::newRow("555") << qint64(555) << QByteArray(" 555 ");
    QTest::newRow("minus one") << qint64(-1) << QByteArray("-1 ");
    QTest::newRow("16-bit top") << qint64(32767) << QByteArray(" 32767 ");
    QTest::newRow("16-bit bottom") << qint64(-32768) << QByteArray("-32768 ");
    QTest::newRow("system colour 5") << qint64(-2147483643) << QByteArray("-2147483643 ");
    QTest::newRow("32-bit bottom")
        << qint64(std::numeric_limits<qint32>::min()) << QByteArray("-2147483648 ");
    QTest::newRow("64-bit bottom")
        << std::numeric_limits<qint64>::min() << QByteArray("-9223372036854775808 ");
}

void TestSettingsWriter::writesNumberForm()
{
    QFETCH(qint64, value);
    QFETCH(QByteArray, form);
    QCOMPARE(numberForm(value), form);
}

void TestSettingsWriter::writesTheFreshWindowIn38Bytes()
{
    const QByteArray bytes = settingsFileBytes(freshWindow);
    QCOMPARE(bytes, QByteArray("4\r\n3\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n"));
    QCOMPARE(bytes.size(), 38);
}

void TestSettingsWriter::writesTheRedLampOnBlack()
{
    SettingsValues values = freshWindow;
    values.lampColour = rgbColour(0xFF, 0, 0);
    values.windowColour = rgbColour(0, 0, 0);
    QCOMPARE(settingsFileBytes(values), QByteArray("4\r\n3\r\n 555 \r\n 255 \r\n 0 \r\n"));
}

void TestSettingsWriter::writesSystemColoursAsNegativeNumbers()
{
    SettingsValues values = freshWindow;
    values.lampColour = SystemColour::HighlightText;
    values.windowColour = SystemColour::ButtonFace;
    values.lampSize = 2222;
    QCOMPARE(settingsFileBytes(values),
             QByteArray("4\r\n3\r\n 2222 \r\n-2147483634 \r\n-2147483633 \r\n"));
}

void TestSettingsWriter::writesTextsAsTheyStand_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("empty") << QString() << QString() << QByteArray("\r\n\r\n");
    QTest::newRow("leading zero") << QStringLiteral("04") << QStringLiteral("3")
                                  << QByteArray("04\r\n3\r\n");
    // Texts that would read back as two fields, or cut short, are quoted.
    QTest::newRow("comma") << QStringLiteral("5, 3") << QStringLiteral("1,5")
                           << QByteArray("\"5, 3\"\r\n\"1,5\"\r\n");
    QTest::newRow("quotes") << QStringLiteral("\"6\"") << QStringLiteral("a\"b")
                            << QByteArray("\"\"\"6\"\"\"\r\n\"a\"\"b\"\r\n");
    QTest::newRow("line ends") << QStringLiteral("4\r\n") << QStringLiteral("a\nb")
                               << QByteArray("\"4\r\n\"\r\n\"a\nb\"\r\n");
    QTest::newRow("spaces") << QStringLiteral("  8 ") << QStringLiteral(" ")
                            << QByteArray("  8 \r\n \r\n");
    QTest::newRow("fraction") << QStringLiteral("6.5") << QStringLiteral("-2")
                              << QByteArray("6.5\r\n-2\r\n");
    QTest::newRow("hebrew") << QStringLiteral("ארבע") << QStringLiteral("שלוש")
                            << QStringLiteral("ארבע\r\nשלוש\r\n").toLocal8Bit();
}

void TestSettingsWriter::writesTextsAsTheyStand()
{
    QFETCH(QString, speed);
    QFETCH(QString, minutes);
    QFETCH(QByteArray, lines);
    SettingsValues values = freshWindow;
    values.speed = speed;
    values.minutes = minutes;
    QCOMPARE(settingsFileBytes(values), lines + " 555 \r\n-2147483643 \r\n 8421504 \r\n");
}

void TestSettingsWriter::writesTheFileAndReplacesAnOldOne()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("blinket.txt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
    }
    writeSettingsFile(path, freshWindow);
    QCOMPARE(contentsOf(path), settingsFileBytes(freshWindow));
    // Nothing is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("blinket.txt")}));
}

void TestSettingsWriter::namesFileErrors_data()
{
    QTest::addColumn<int>("systemError");
    QTest::addColumn<QString>("report");
    const QString permission = QStringLiteral("Run-time error '70': Permission denied");
    const QString full = QStringLiteral("Run-time error '61': Disk full");
    const QString path = QStringLiteral("Run-time error '75': Path/File access error");
    QTest::newRow("EACCES") << EACCES << permission;
    QTest::newRow("EPERM") << EPERM << permission;
    QTest::newRow("EROFS") << EROFS << permission;
    QTest::newRow("ENOSPC") << ENOSPC << full;
    QTest::newRow("EDQUOT") << EDQUOT << full;
    QTest::newRow("EFBIG") << EFBIG << full;
    QTest::newRow("ENOENT") << ENOENT << QStringLiteral("Run-time error '76': Path not found");
    QTest::newRow("EISDIR") << EISDIR << path;
    QTest::newRow("EIO") << EIO << path;
    QTest::newRow("unknown") << 0 << path;
}

void TestSettingsWriter::namesFileErrors()
{
    QFETCH(int, systemError);
    QFETCH(QString, report);
    QCOMPARE(fileErrorFor(systemError).report(), report);
}

void TestSettingsWriter::missingDirectoryIsAnError()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("gone/blinket.txt"));
    try {
        writeSettingsFile(path, freshWindow);
        QFAIL("a file was written into a directory that does not exist");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 76);
    }
    QVERIFY(!QFile::exists(path));
}

void TestSettingsWriter::fullDiskKeepsTheOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("blinket.txt"));
    const QByteArray old = "6\r\n10\r\n 1200 \r\n 255 \r\n 0 \r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    int number = 0;
    {
        // Room for the first ten bytes only, as on a disk that fills up during the write.
        FileSizeLimit limit(10);
        try {
            writeSettingsFile(path, freshWindow);
        } catch (const RuntimeError &error) {
            number = error.number();
        }
    }
    QCOMPARE(number, 61);
    QCOMPARE(contentsOf(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("blinket.txt")}));
}

QTEST_GUILESS_MAIN(TestSettingsWriter)
#include "test_settingswriter.moc"
