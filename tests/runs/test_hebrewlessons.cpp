// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakerunview.h"
#include "runs/hebrewlessons.h"
#include "runs/runkind.h"
#include "runs/timedruns.h"
#include "signal/characters.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace blinket;

class TestHebrewLessons : public QObject
{
    Q_OBJECT
private slots:
    void lessonsInTeachingOrder_data();
    void lessonsInTeachingOrder();
    void everyHebrewLetterInOneLesson();
    void keptNumbers_data();
    void keptNumbers();
};

void TestHebrewLessons::lessonsInTeachingOrder_data()
{
    // Each lesson by the Latin letters of its signs: the dots, the dashes, then by length.
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("latin");
    const char *const latin[] = {"EIS", "TMO", "HAU", "NDB", "KR", "WG", "LPJ", "ZQC"};
    for (int number = 1; number <= 8; ++number)
        QTest::addRow("%d", number) << number << QString::fromLatin1(latin[number - 1]);
}

void TestHebrewLessons::lessonsInTeachingOrder()
{
    QFETCH(int, number);
    QFETCH(QString, latin);
    const HebrewLesson &lesson = hebrewLessons[std::size_t(number - 1)];
    QCOMPARE(lesson.number, number);
    QString sameSigns;
    for (const QChar letter : QStringView(lesson.letters)) {
        // A letter of its own, never a final form, which is sent as its letter.
        QVERIFY(isHebrewLetter(letter));
        QCOMPARE(withoutFinalForm(letter), letter);
        sameSigns += latinOfSameSign(letter);
    }
    QCOMPARE(sameSigns, latin);

    // A run of the lesson sends all its letters and no other.
    RunHarness run;
    run.platform.Randomize(1234.5f);
    run.view.combo1 = QStringLiteral("1600"); // a unit of 1 ms
    run.view.text2 = QStringLiteral("0.2");
    HebrewLessonRun(run.sender, lesson).run();
    std::set<QChar> sent;
    for (const QChar c : run.view.text1Value.section(QStringLiteral("\r\n"), 0, 0)) {
        if (c != u' ')
            sent.insert(c);
    }
    const QString letters = QString::fromUtf16(lesson.letters);
    QCOMPARE(sent, std::set<QChar>(letters.begin(), letters.end()));
}

void TestHebrewLessons::everyHebrewLetterInOneLesson()
{
    QString taught;
    for (const HebrewLesson &lesson : hebrewLessons) {
        const qsizetype size = QStringView(lesson.letters).size();
        QVERIFY2(size == 2 || size == 3, qPrintable(QString::number(lesson.number)));
        taught += QStringView(lesson.letters);
    }
    std::ranges::sort(taught);
    QCOMPARE(taught, hebrewLetters().toString());
}

void TestHebrewLessons::keptNumbers_data()
{
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("hebrew"); // 0: none
    QTest::addColumn<QString>("name");
    QTest::newRow("Latin lesson 1") << 1 << 0 << QStringLiteral("Lesson 1 (EISH)");
    QTest::newRow("Latin lesson 12") << 12 << 0 << QStringLiteral("Lesson 12 (ZJC)");
    QTest::newRow("Hebrew lesson 1") << 101 << 1 << QStringLiteral("Hebrew lesson 1 (ויש)");
    QTest::newRow("Hebrew lesson 8") << 108 << 8 << QStringLiteral("Hebrew lesson 8 (זקס)");
    QTest::newRow("100") << 100 << 0 << QStringLiteral("Lesson 100 ()");
    QTest::newRow("109") << 109 << 0 << QStringLiteral("Lesson 109 ()");
}

void TestHebrewLessons::keptNumbers()
{
    QFETCH(int, kept);
    QFETCH(int, hebrew);
    QFETCH(QString, name);
    const std::optional<HebrewLesson> lesson = hebrewLessonKeptAs(kept);
    QCOMPARE(lesson ? lesson->number : 0, hebrew);
    if (lesson)
        QCOMPARE(keptLessonNumber(*lesson), kept);
    QCOMPARE(shownLessonNumber(kept), hebrew ? hebrew : kept);
    QCOMPARE(kindName(RunKind::Lesson, kept), name);
}

QTEST_GUILESS_MAIN(TestHebrewLessons)
#include "test_hebrewlessons.moc"
