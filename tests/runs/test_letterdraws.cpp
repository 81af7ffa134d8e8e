// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakerunview.h"
#include "runs/hebrewlessons.h"
#include "runs/lessons.h"
#include "signal/characters.h"

#include <QTest>

#include <algorithm>
#include <map>

using namespace blinket;

namespace {

// Letters sent by a long fast run, counted.
std::map<QChar, int> countLetters(const QString &results)
{
    std::map<QChar, int> counts;
    for (const QChar c : results.section(QStringLiteral("\r\n"), 0, 0)) {
        if (c != QLatin1Char(' '))
            ++counts[c];
    }
    return counts;
}

double chiSquare(const std::map<QChar, int> &counts, int categories)
{
    int total = 0;
    for (const auto &[letter, count] : counts)
        total += count;
    const double expected = double(total) / categories;
    double sum = 0;
    for (const auto &[letter, count] : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

// Chi-square values a fair draw exceeds once in a thousand runs, by degrees of freedom.
double criticalValue(int degrees)
{
    switch (degrees) {
    case 1:
        return 10.83;
    case 2:
        return 13.82;
    case 3:
        return 16.27;
    default:
        return 52.62; // 25
    }
}

} // namespace

class TestLetterDraws : public QObject
{
    Q_OBJECT
private slots:
    void lessonsSendOnlyAndAllTheirLetters_data();
    void lessonsSendOnlyAndAllTheirLetters();
    void randomRunsCoverTheAlphabetEvenly();
    void theLargestDrawStaysInRange();
    void indexElevenHasNoLesson();
    void hebrewLessonsTeachEachLetterOnce();
};

void TestLetterDraws::lessonsSendOnlyAndAllTheirLetters_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("letters");
    QTest::newRow("AUV") << 0 << QStringLiteral("AUV");
    QTest::newRow("TMO") << 1 << QStringLiteral("TMO");
    QTest::newRow("NDB") << 2 << QStringLiteral("NDB");
    QTest::newRow("EISH") << 3 << QStringLiteral("EISH");
    QTest::newRow("WG") << 4 << QStringLiteral("WG");
    QTest::newRow("KR") << 5 << QStringLiteral("KR");
    QTest::newRow("PX") << 6 << QStringLiteral("PX");
    QTest::newRow("YQ") << 7 << QStringLiteral("YQ");
    QTest::newRow("DU") << 8 << QStringLiteral("DU");
    QTest::newRow("NA") << 9 << QStringLiteral("NA");
    QTest::newRow("LF") << 10 << QStringLiteral("LF");
    QTest::newRow("ZJC") << 12 << QStringLiteral("ZJC");
}

void TestLetterDraws::lessonsSendOnlyAndAllTheirLetters()
{
    QFETCH(int, index);
    QFETCH(QString, letters);
    RunHarness run;
    run.platform.Randomize(1234.5f);
    run.view.combo1 = QStringLiteral("1600"); // a unit of 1 ms
    run.view.text2 = QStringLiteral("0.5");
    run.runs.Command3_Click(qint16(index));
    const std::map<QChar, int> counts = countLetters(run.view.text1Value);
    QCOMPARE(int(counts.size()), letters.size());
    int total = 0;
    for (const auto &[letter, count] : counts) {
        QVERIFY2(letters.contains(letter), qPrintable(QString(letter)));
        total += count;
    }
    QVERIFY(total > 1000);
    QVERIFY2(chiSquare(counts, int(letters.size())) < criticalValue(int(letters.size()) - 1),
             qPrintable(QString::number(chiSquare(counts, int(letters.size())))));
}

void TestLetterDraws::randomRunsCoverTheAlphabetEvenly()
{
    RunHarness run;
    run.platform.Randomize(98765.25f);
    run.view.combo1 = QStringLiteral("1600");
    run.view.text2 = QStringLiteral("1");
    run.aToZ();
    const std::map<QChar, int> counts = countLetters(run.view.text1Value);
    QCOMPARE(int(counts.size()), 26);
    QCOMPARE(counts.begin()->first, QLatin1Char('A'));
    QCOMPARE(counts.rbegin()->first, QLatin1Char('Z'));
    QVERIFY2(chiSquare(counts, 26) < criticalValue(25),
             qPrintable(QString::number(chiSquare(counts, 26))));
}

void TestLetterDraws::theLargestDrawStaysInRange()
{
    // In single precision this draw would make code 91, one past Z.
    const float largest = std::nextafter(1.0f, 0.0f);
    RunHarness run;
    run.view.text2 = QStringLiteral("0.001");
    run.platform.scriptDraws({largest});
    run.aToZ();
    QCOMPARE(run.view.text1Value.left(1), QStringLiteral("Z"));

    RunHarness lesson;
    lesson.view.text2 = QStringLiteral("0.001");
    lesson.platform.scriptDraws({largest, 0.0f});
    lesson.runs.Command3_Click(3);
    QCOMPARE(lesson.view.text1Value.left(1), QStringLiteral("H"));
}

void TestLetterDraws::indexElevenHasNoLesson()
{
    QVERIFY(!lessonAt(11).has_value());
    RunHarness run;
    run.runs.Command3_Click(11);
    QVERIFY(run.platform.steps().empty());
}

void TestLetterDraws::hebrewLessonsTeachEachLetterOnce()
{
    // By the Latin letters of the same signs: the dots, the dashes, then by length.
    QStringList sameSigns;
    QString taught;
    for (const HebrewLesson &lesson : hebrewLessons) {
        QCOMPARE(lesson.number, int(sameSigns.size()) + 1);
        QString latin;
        for (const QChar letter : QStringView(lesson.letters)) {
            QVERIFY(isHebrewLetter(letter) && withoutFinalForm(letter) == letter);
            latin += latinOfSameSign(letter);
            taught += letter;
        }
        sameSigns << latin;
    }
    QCOMPARE(sameSigns.join(u' '), QStringLiteral("EIS TMO HAU NDB KR WG LPJ ZQC"));
    std::ranges::sort(taught);
    QCOMPARE(taught, hebrewLetters().toString());
}

QTEST_GUILESS_MAIN(TestLetterDraws)
#include "test_letterdraws.moc"
