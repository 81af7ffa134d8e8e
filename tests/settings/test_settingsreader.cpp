// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/runtimeerror.h"
#include "settings/settingsreader.h"
#include "settings/settingswriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace blinket;

namespace {

// Notes every value handed over, in order.
class RecordingTarget : public SettingsTarget
{
public:
    void setSpeed(const QString &text) override { calls << QStringLiteral("speed ") + text; }
    void setMinutes(const QString &text) override { calls << QStringLiteral("minutes ") + text; }
    void setLampSize(qint16 twips) override { calls << QStringLiteral("size %1").arg(twips); }
    void setLampColour(ColourValue colour) override
    {
        calls << QStringLiteral("lamp %1").arg(colour);
    }
    void setWindowColour(ColourValue colour) override
    {
        calls << QStringLiteral("window %1").arg(colour);
    }

    QStringList calls;
};

const QByteArray example = "4\r\n3\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n";

} // namespace

class TestSettingsReader : public QObject
{
    Q_OBJECT
private slots:
    void appliesFieldsInOrderUntilOneFails_data();
    void appliesFieldsInOrderUntilOneFails();
    void textsComeBackAsSaved_data();
    void textsComeBackAsSaved();
    void loadsAFile();
    void missingFileAppliesNothing();
    void directoryIsNoFile();
    void pipeIsNotWaitedFor();
};

void TestSettingsReader::appliesFieldsInOrderUntilOneFails_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("error"); // 0 when all five came in

    const QString speed4 = QStringLiteral("speed 4");
    const QString minutes3 = QStringLiteral("minutes 3");
    const QString size555 = QStringLiteral("size 555");
    const QString lampSystem5 = QStringLiteral("lamp -2147483643");
    const QString windowGrey = QStringLiteral("window 8421504");
    const QStringList all{speed4, minutes3, size555, lampSystem5, windowGrey};

    QTest::newRow("fresh example") << example << all << 0;
    QTest::newRow("comma in line 1")
        << QByteArray("5, 3\r\n3\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n")
        << QStringList{QStringLiteral("speed 5"), minutes3, QStringLiteral("size 3"),
                       QStringLiteral("lamp 555"), QStringLiteral("window -2147483643")}
        << 0;
    QTest::newRow("empty file") << QByteArray() << QStringList() << 62;
    QTest::newRow("cut after line 4") << example.left(27) << all.mid(0, 4) << 62;
    QTest::newRow("cut inside line 3")
        << example.left(9) << all.mid(0, 2) + QStringList{QStringLiteral("size 55")} << 62;
    QTest::newRow("text for the size")
        << QByteArray("4\r\n3\r\nbig\r\n 0 \r\n 0 \r\n") << all.mid(0, 2) << 13;
    QTest::newRow("size over 16 bits")
        << QByteArray("4\r\n3\r\n 40000 \r\n 0 \r\n 0 \r\n") << all.mid(0, 2) << 6;
    QTest::newRow("lamp colour over 32 bits")
        << QByteArray("4\r\n3\r\n 555 \r\n 2147483648 \r\n 0 \r\n") << all.mid(0, 3) << 6;
    QTest::newRow("window colour under 32 bits")
        << QByteArray("4\r\n3\r\n 555 \r\n 0 \r\n-2147483649 \r\n")
        << all.mid(0, 3) + QStringList{QStringLiteral("lamp 0")} << 6;
    QTest::newRow("leading zero and half sizes")
        << QByteArray("04\r\n03.50\r\n 554.5 \r\n 255.5 \r\n 0 \r\n")
        << QStringList{speed4, QStringLiteral("minutes 3.5"), QStringLiteral("size 554"),
                       QStringLiteral("lamp 256"), QStringLiteral("window 0")}
        << 0;
    QTest::newRow("empty fields") << QByteArray("\r\n\r\n\r\n,\r\n")
                                  << QStringList{QStringLiteral("speed "),
                                                 QStringLiteral("minutes "),
                                                 QStringLiteral("size 0"), QStringLiteral("lamp 0"),
                                                 QStringLiteral("window 0")}
                                  << 0;
    QTest::newRow("quoted fields")
        << QByteArray("\"5, 3\"\r\n\" 10 \"\r\n\"1200\"\r\n\"255\"\r\n \"0\"\r\n")
        << QStringList{QStringLiteral("speed 5, 3"), QStringLiteral("minutes  10 "),
                       QStringLiteral("size 1200"), QStringLiteral("lamp 255"),
                       QStringLiteral("window 0")}
        << 0;
    QTest::newRow("texts with words")
        << QByteArray("fast\r\nlong\r\n 555 \r\n 0 \r\n 0 \r\n")
        << QStringList{QStringLiteral("speed fast"), QStringLiteral("minutes long"), size555,
                       QStringLiteral("lamp 0"), QStringLiteral("window 0")}
        << 0;
}

void TestSettingsReader::appliesFieldsInOrderUntilOneFails()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, calls);
    QFETCH(int, error);
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    RecordingTarget target;
    int raised = 0;
    try {
        readSettings(buffer, target);
    } catch (const RuntimeError &failure) {
        raised = failure.number();
    }
    QCOMPARE(target.calls, calls);
    QCOMPARE(raised, error);
}

void TestSettingsReader::textsComeBackAsSaved_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("decimal comma") << QStringLiteral("6,5");
    QTest::newRow("comma list") << QStringLiteral("5, 3");
    QTest::newRow("double quote") << QStringLiteral("a\"b");
    QTest::newRow("quoted") << QStringLiteral("\"6\"");
    QTest::newRow("only quotes") << QStringLiteral("\"\"");
    QTest::newRow("line end") << QStringLiteral("4\r\n5");
    QTest::newRow("comma at the end") << QStringLiteral("4,");
    QTest::newRow("words") << QStringLiteral("four");
}

void TestSettingsReader::textsComeBackAsSaved()
{
    QFETCH(QString, text);
    QByteArray file = settingsFileBytes(
        {text, text, 555, SystemColour::WindowBackground, rgbColour(0x80, 0x80, 0x80)});
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    RecordingTarget target;
    readSettings(buffer, target);
    QCOMPARE(target.calls,
             (QStringList{QStringLiteral("speed ") + text, QStringLiteral("minutes ") + text,
                          QStringLiteral("size 555"), QStringLiteral("lamp -2147483643"),
                          QStringLiteral("window 8421504")}));
}

void TestSettingsReader::loadsAFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("blinket.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(example);
    file.close();
    RecordingTarget target;
    QVERIFY(loadSettingsFile(path, target));
    QCOMPARE(target.calls.size(), 5);
}

void TestSettingsReader::missingFileAppliesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    RecordingTarget target;
    QVERIFY(!loadSettingsFile(dir.filePath(QStringLiteral("blinket.txt")), target));
    QVERIFY(target.calls.isEmpty());
}

void TestSettingsReader::directoryIsNoFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blinket.txt")));
    RecordingTarget target;
    QVERIFY(!loadSettingsFile(dir.filePath(QStringLiteral("blinket.txt")), target));
    QVERIFY(target.calls.isEmpty());
}

void TestSettingsReader::pipeIsNotWaitedFor()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("blinket.txt"));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // Opening a pipe with no writer would block for ever; the load must refuse it at once.
    RecordingTarget target;
    QVERIFY(!loadSettingsFile(path, target));
    QVERIFY(target.calls.isEmpty());
}

QTEST_GUILESS_MAIN(TestSettingsReader)
#include "test_settingsreader.moc"
