// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/runscsv.h"

#include <QLocale>
#include <QTest>

using namespace blinket;

Q_DECLARE_METATYPE(RunRecord)

// The columns of a keying's figures, after the columns every run has, and the timing and light.
#define KEYING_HEADER                                                                              \
    "merit,keyed_wpm,dash_ratio,element_gap_ratio,letter_gap_ratio,word_gap_ratio,dot_spread,"     \
    "dash_spread,timing,light"

class TestRunsCsv : public QObject
{
    Q_OBJECT
private slots:
    void field_data();
    void field();
    void headerAlone();
    void oneRowPerRun();
    void textFieldsWithCommasAndQuotes();
    void lastColumns_data();
    void lastColumns();
};

void TestRunsCsv::field_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << QStringLiteral("13") << QStringLiteral("13");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("spaces stay bare") << QStringLiteral(" 10 ") << QStringLiteral(" 10 ");
    QTest::newRow("comma") << QStringLiteral("5, 3") << QStringLiteral("\"5, 3\"");
    QTest::newRow("quote") << QStringLiteral("say \"fast\"")
                           << QStringLiteral("\"say \"\"fast\"\"\"");
    QTest::newRow("only a quote") << QStringLiteral("\"") << QStringLiteral("\"\"\"\"");
    QTest::newRow("line feed") << QStringLiteral("a\nb") << QStringLiteral("\"a\nb\"");
    QTest::newRow("carriage return") << QStringLiteral("a\rb") << QStringLiteral("\"a\rb\"");
    QTest::newRow("Hebrew") << QStringLiteral("מהיר") << QStringLiteral("מהיר");
}

void TestRunsCsv::field()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(csvField(text), field);
}

void TestRunsCsv::headerAlone()
{
    QCOMPARE(runsAsCsv({}), QByteArray("id,started,kind,lesson,speed,unit,minutes,"
                                       "elapsed_seconds,sent,copy,right,wrong,missed,extra,"
                                       "accuracy,readings,repeats," KEYING_HEADER "\r\n"));
}

void TestRunsCsv::oneRowPerRun()
{
    RunRecord first =
        madeRun(QStringLiteral("PARIS"), QStringLiteral("P-RES"), 0, RunKind::Lesson, 4);
    first.elapsedSeconds = 61.25;
    first.extra = 2;
    RunRecord second =
        madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"), 1, RunKind::WeakLetters);
    second.speed = QStringLiteral("20");
    second.unit = 60;
    second.minutes = QStringLiteral("1");
    second.elapsedSeconds = 60;
    const std::vector<RunRecord> runs = oneMinuteApart({first, second});
    QCOMPARE(runsAsCsv(runs),
             QByteArray("id,started,kind,lesson,speed,unit,minutes,elapsed_seconds,sent,copy,"
                        "right,wrong,missed,extra,accuracy,readings,repeats," KEYING_HEADER "\r\n"
                        "1,2026-12-08T15:00:00.000Z,lesson,4,13,92,3,61.25,PARIS,PRES,"
                        "3,1,1,2,42,P-RES,0,,,,,,,,,own,\r\n"
                        "2,2026-12-08T15:01:00.000Z,weak,0,20,60,1,60,SOS,SOS,"
                        "3,0,0,0,100,SOS,0,,,,,,,,,own,\r\n"));
}

void TestRunsCsv::textFieldsWithCommasAndQuotes()
{
    RunRecord run = madeRun(QStringLiteral("TWO"), QStringLiteral("TW-"));
    run.id = 7;
    run.speed = QStringLiteral("5, \"fast\"");
    run.minutes = QStringLiteral("1\r\n2");
    QCOMPARE(runsAsCsv({run}),
             QByteArray("id,started,kind,lesson,speed,unit,minutes,elapsed_seconds,sent,copy,"
                        "right,wrong,missed,extra,accuracy,readings,repeats," KEYING_HEADER "\r\n"
                        "7,2026-12-08T15:00:00.000Z,atoz,0,\"5, \"\"fast\"\"\",92,\"1\r\n2\","
                        "180.5,TWO,TW,2,0,1,0,66,TW-,0,,,,,,,,,own,\r\n"));
    // A drill's characters may be a comma or a quote themselves.
    RunRecord drill = madeRun(QStringLiteral("A,\""), QStringLiteral("A,-"), 0, RunKind::Drill);
    drill.id = 8;
    drill.repeats = 2;
    QVERIFY(runsAsCsv({drill}).endsWith("8,2026-12-08T15:00:00.000Z,drill,0,13,92,3,180.5,\"A,"
                                        "\"\"\",\"A,\",2,0,1,0,66,\"A,-\",2,,,,,,,,,own,\r\n"));
}

void TestRunsCsv::lastColumns_data()
{
    QTest::addColumn<RunRecord>("run");
    QTest::addColumn<QByteArray>("row");
    RunRecord keying = madeRun(QStringLiteral("SOS"), QStringLiteral("SOH"), 0, RunKind::Keying);
    keying.keying = KeyingFigures{87, 17.96, 3.14159, 0.996, 3.004, 6.7, 0.1049, 0.0};
    QTest::newRow("keying") << keying
                            << QByteArray("0,2026-12-08T15:00:00.000Z,keying,0,13,92,3,180.5,SOS,"
                                          "SOH,2,1,0,0,66,SOH,0,87,18.0,3.14,1.00,3.00,6.70,0.10,"
                                          "0.00,own,\r\n");
    QTest::newRow("another run") << madeRun(QStringLiteral("SEA"), QStringLiteral("SEA"), 0,
                                            RunKind::Text)
                                 << QByteArray(
                                        "0,2026-12-08T15:00:00.000Z,text,0,13,92,3,180.5,SEA,SEA,"
                                        "3,0,0,0,100,SEA,0,,,,,,,,,own,\r\n");
    RunRecord lit = madeRun(QStringLiteral("SEA"), QStringLiteral("SEA"), 0, RunKind::Text);
    lit.timing = Timing::International;
    lit.light = {false, 40, 0, Sky::Night, 0, 10};
    QTest::newRow("International under a light")
        << lit
        << QByteArray("0,2026-12-08T15:00:00.000Z,text,0,13,92,3,180.5,SEA,SEA,3,0,0,0,100,SEA,0,"
                      ",,,,,,,,international,haze=40 sky=night hand=10\r\n");
}

void TestRunsCsv::lastColumns()
{
    QFETCH(RunRecord, run);
    QFETCH(QByteArray, row);
    // Written with a dot also where the desktop writes a decimal comma.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    const QByteArray csv = runsAsCsv({run});
    QLocale::setDefault(before);
    QCOMPARE(csv.mid(csv.indexOf('\n') + 1), row);
}

QTEST_GUILESS_MAIN(TestRunsCsv)
#include "test_runscsv.moc"
