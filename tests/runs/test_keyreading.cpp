// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "keyedtimeline.h"
#include "runs/keyinggrade.h"
#include "runs/keyreading.h"

#include <QTest>

using namespace blinket;

Q_DECLARE_METATYPE(blinket::Hand)

namespace {

double dotAt(double wordsPerMinute)
{
    return 1.2 / wordsPerMinute;
}

} // namespace

class TestKeyReading : public QObject
{
    Q_OBJECT

private slots:
    void readsAHand_data();
    void readsAHand();
    void hebrewSignsReadInEitherAlphabet_data();
    void hebrewSignsReadInEitherAlphabet();
    void meritJudgesTheForm_data();
    void meritJudgesTheForm();
    void aLoneMarkTakesTheDotAssumed();
    void figuresOfACleanHand();
    void picturesFlagWhatIsWrongOrMisshapen();
};

void TestKeyReading::readsAHand_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("firstWpm");
    QTest::addColumn<double>("lastWpm");
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<QString>("read");

    const Hand exact;
    QTest::newRow("5 wpm") << "PARIS" << 5.0 << 5.0 << exact << "PARIS";
    QTest::newRow("12 wpm") << "PARIS" << 12.0 << 12.0 << exact << "PARIS";
    QTest::newRow("20 wpm") << "PARIS" << 20.0 << 20.0 << exact << "PARIS";
    QTest::newRow("two words") << "CQ DE K" << 12.0 << 12.0 << exact << "CQ DE K";
    QTest::newRow("dots alone") << "SHE IS" << 10.0 << 10.0 << exact << "SHE IS";
    QTest::newRow("dashes alone") << "OM" << 10.0 << 10.0 << exact << "OM";
    QTest::newRow("figures") << "73" << 15.0 << 15.0 << exact << "73";
    QTest::newRow("SOS as one sign") << "SOS" << 12.0 << 12.0 << Hand{3, 1, 1, 7, 0} << "SOS";
    QTest::newRow("slowing down") << "THE QUICK FOX" << 20.0 << 8.0 << exact << "THE QUICK FOX";
    QTest::newRow("speeding up") << "THE QUICK FOX" << 6.0 << 18.0 << exact << "THE QUICK FOX";
    QTest::newRow("long dashes") << "KING" << 10.0 << 10.0 << Hand{4.5, 1, 3, 7, 0} << "KING";
    QTest::newRow("short dashes, short letter gaps")
        << "PARIS" << 12.0 << 12.0 << Hand{1.6, 1, 1.5, 7, 0} << "PARIS";
    QTest::newRow("stretched letter gaps")
        << "PARIS" << 12.0 << 12.0 << Hand{3, 1, 5, 12, 0} << "PARIS";
    // A beginner who runs letters together sends another letter: A and N make P.
    QTest::newRow("letters run together") << "AN" << 12.0 << 12.0 << Hand{3, 1, 1, 7, 0} << "P";
    for (const quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        QTest::addRow("a fifth of spread, seed %u", seed)
            << "PARIS" << 12.0 << 12.0 << Hand{3, 1, 3, 7, 0.2} << "PARIS";
    }
}

void TestKeyReading::readsAHand()
{
    QFETCH(QString, text);
    QFETCH(double, firstWpm);
    QFETCH(double, lastWpm);
    QFETCH(Hand, hand);
    QFETCH(QString, read);
    const quint32 seed = quint32(qHash(QString::fromLatin1(QTest::currentDataTag())));
    const auto strokes = keyedStrokes(text, dotAt(firstWpm), hand, seed, dotAt(lastWpm));
    // Whatever dot is assumed: the keying tells its own.
    for (const double prior : {0.03, 0.1, 0.4})
        QCOMPARE(readKeying(strokes, prior).text, read);
}

void TestKeyReading::hebrewSignsReadInEitherAlphabet_data()
{
    QTest::addColumn<QString>("keyed");
    QTest::addColumn<bool>("hebrew");
    QTest::addColumn<QString>("read");
    // Final forms are keyed as their letters, and read so.
    QTest::newRow("Hebrew") << QStringLiteral("שלום עולם") << true << QStringLiteral("שלומ עולמ");
    QTest::newRow("the same signs in Latin")
        << QStringLiteral("שלום עולם") << false << QStringLiteral("SLEM JELM");
    QTest::newRow("figures either way") << QStringLiteral("73") << true << QStringLiteral("73");
}

void TestKeyReading::hebrewSignsReadInEitherAlphabet()
{
    QFETCH(QString, keyed);
    QFETCH(bool, hebrew);
    QFETCH(QString, read);
    QCOMPARE(readKeying(keyedStrokes(keyed, dotAt(12.0)), 0.1, hebrew).text, read);
}

void TestKeyReading::meritJudgesTheForm_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");

    QTest::newRow("exact") << Hand{} << 100 << 100;
    QTest::newRow("a tenth of spread") << Hand{3, 1, 3, 7, 0.1} << 91 << 100;
    QTest::newRow("a fifth of spread") << Hand{3, 1, 3, 7, 0.2} << 80 << 99;
    QTest::newRow("dashes of 2.5") << Hand{2.5, 1, 3, 7, 0} << 80 << 92;
    QTest::newRow("barely readable") << Hand{1.6, 1, 1.5, 7, 0} << 0 << 59;
    QTest::newRow("barely readable, spread") << Hand{1.6, 1, 1.5, 7, 0.15} << 0 << 59;
    QTest::newRow("letter gaps like inner ones") << Hand{3, 1, 1.2, 7, 0.1} << 0 << 79;
}

void TestKeyReading::meritJudgesTheForm()
{
    QFETCH(Hand, hand);
    QFETCH(int, least);
    QFETCH(int, most);
    for (const quint32 seed : {1u, 2u, 3u}) {
        const auto strokes = keyedStrokes(u"THE QUICK BROWN FOX", dotAt(12.0), hand, seed);
        const KeyingGrade grade =
            gradeKeying(QStringLiteral("THE QUICK BROWN FOX"), readKeying(strokes, 0.1));
        QVERIFY2(grade.figures.merit >= least && grade.figures.merit <= most,
                 qPrintable(QString::number(grade.figures.merit)));
    }
}

void TestKeyReading::aLoneMarkTakesTheDotAssumed()
{
    const std::vector<KeyStroke> mark{{1.0, 1.3}};
    QCOMPARE(readKeying(mark, 0.1).text, QStringLiteral("T"));
    QCOMPARE(readKeying(mark, 0.3).text, QStringLiteral("E"));
    QCOMPARE(readKeying({}, 0.1).text, QString());
}

void TestKeyReading::figuresOfACleanHand()
{
    // PARIS with the gap after it is 50 dots: at 12 words a minute, 5 s.
    const KeyingGrade grade = gradeKeying(QStringLiteral("PARIS PARIS"),
                                          readKeying(keyedStrokes(u"PARIS PARIS", 0.1), 0.05));
    const KeyingFigures &figures = grade.figures;
    QCOMPARE(grade.read, QStringLiteral("PARIS PARIS"));
    QVERIFY(qAbs(figures.wordsPerMinute - 12.0) < 0.01);
    QVERIFY(qAbs(figures.dashRatio - 3.0) < 1e-6);
    QVERIFY(qAbs(figures.elementGapRatio - 1.0) < 1e-6);
    QVERIFY(qAbs(figures.letterGapRatio - 3.0) < 1e-6);
    QVERIFY(qAbs(figures.wordGapRatio - 7.0) < 1e-6);
    QCOMPARE(figures.dotSpread, 0.0);
    QVERIFY(std::ranges::none_of(grade.bars, &KeyedBar::flagged));
    // The ideal picture keeps step with the keying.
    QVERIFY(qAbs(grade.bars.back().idealStart - grade.bars.back().start) < 1e-6);
}

void TestKeyReading::picturesFlagWhatIsWrongOrMisshapen()
{
    // E asked, I keyed: both dots are wrong. Then a dash held far too long in the T of "IT".
    std::vector<KeyStroke> strokes = keyedStrokes(u"IT", 0.1);
    strokes.back().up += 0.25;
    const KeyingGrade grade = gradeKeying(QStringLiteral("ET"), readKeying(strokes, 0.1));
    QCOMPARE(grade.read, QStringLiteral("IT"));
    QList<bool> flagged;
    for (const KeyedBar &bar : grade.bars)
        flagged << bar.flagged;
    // dot, gap, dot, letter gap, dash
    QCOMPARE(flagged, (QList<bool>{true, false, true, false, true}));
}

QTEST_GUILESS_MAIN(TestKeyReading)
#include "test_keyreading.moc"
