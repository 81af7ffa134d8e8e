// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/keying/keyingpicture.h"

#include <QImage>
#include <QTest>

using namespace blinket;

namespace {

// K keyed at a dot of 0.1 s with its second dash and the gap after it too long, then an E
// where the ideal keying has it 0.55 s sooner.
const std::vector<KeyedBar> keyedK{
    {ElementKind::Dash, 0.00, 0.30, 0.00, 0.30, false},
    {ElementKind::ElementGap, 0.30, 0.10, 0.30, 0.10, false},
    {ElementKind::Dot, 0.40, 0.10, 0.40, 0.10, false},
    {ElementKind::ElementGap, 0.50, 0.10, 0.50, 0.10, false},
    {ElementKind::Dash, 0.60, 0.55, 0.60, 0.30, true},
    {ElementKind::LetterGap, 1.15, 0.60, 0.90, 0.30, true},
    {ElementKind::Dot, 1.75, 0.10, 1.20, 0.10, false},
};

struct Painted
{
    explicit Painted(std::vector<KeyedBar> bars, const QPalette &colours = QPalette())
    {
        picture.setPalette(colours);
        picture.setBars(std::move(bars));
        picture.resize(picture.sizeHint());
        image = picture.grab().toImage();
    }
    QColor at(double x, double y) const { return image.pixelColor(int(x), int(y)); }

    KeyingPicture picture;
    QImage image;
};

enum class Seen { Keyed, Ideal, Warning, Empty };

} // namespace

class TestKeyingPicture : public QObject
{
    Q_OBJECT
private slots:
    void barsStandWhereTheyWereKeyed_data();
    void barsStandWhereTheyWereKeyed();
    void flaggedElementsShowWithoutColour();
    void aDotIsAFewPixelsWideAtLeast_data();
    void aDotIsAFewPixelsWideAtLeast();
};

void TestKeyingPicture::barsStandWhereTheyWereKeyed_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("idealLane");
    QTest::addColumn<Seen>("seen");
    QTest::newRow("a dash as keyed") << false << 0.15 << false << Seen::Keyed;
    QTest::newRow("the same dash in the ideal") << false << 0.15 << true << Seen::Ideal;
    QTest::newRow("a gap inside a letter as keyed") << false << 0.35 << false << Seen::Empty;
    QTest::newRow("a gap inside a letter in the ideal") << false << 0.35 << true << Seen::Empty;
    QTest::newRow("a flagged dash past its ideal end") << false << 1.05 << false << Seen::Warning;
    QTest::newRow("the ideal letter gap past it") << false << 1.05 << true << Seen::Empty;
    QTest::newRow("the last dot where it was keyed") << false << 1.8 << false << Seen::Keyed;
    QTest::newRow("no ideal dot under it") << false << 1.8 << true << Seen::Empty;
    QTest::newRow("the last dot at its ideal place") << false << 1.25 << true << Seen::Ideal;
    QTest::newRow("a dash as keyed, on a dark desktop") << true << 0.15 << false << Seen::Keyed;
}

void TestKeyingPicture::barsStandWhereTheyWereKeyed()
{
    QFETCH(bool, dark);
    QFETCH(double, seconds);
    QFETCH(bool, idealLane);
    QFETCH(Seen, seen);
    QPalette colours;
    if (dark) {
        colours.setColor(QPalette::Base, Qt::black);
        colours.setColor(QPalette::Text, Qt::white);
    }
    const Painted p(keyedK, colours);
    const QColor expected = seen == Seen::Keyed     ? colours.color(QPalette::Text)
                            : seen == Seen::Ideal   ? colours.color(QPalette::Highlight)
                            : seen == Seen::Warning ? KeyingPicture::warningColour(colours)
                                                    : colours.color(QPalette::Base);
    const QRectF lane = idealLane ? p.picture.idealLane() : p.picture.keyedLane();
    QCOMPARE(p.at(p.picture.xAt(seconds), lane.center().y()), expected);
}

void TestKeyingPicture::flaggedElementsShowWithoutColour()
{
    const Painted p(keyedK);
    const QColor warning = KeyingPicture::warningColour(p.picture.palette());
    for (const KeyedBar &bar : keyedK) {
        const QPointF marker = p.picture.flagMarker(bar).center();
        QCOMPARE(p.at(marker.x(), marker.y()) == warning, bar.flagged);
    }
    // The flagged letter gap hatched: lines of it, with the lane showing between them.
    int lines = 0;
    for (double x = p.picture.xAt(1.2); x < p.picture.xAt(1.7); ++x)
        lines += p.at(x, p.picture.keyedLane().center().y()) == warning;
    QVERIFY(lines >= 5 && lines <= 50);
}

void TestKeyingPicture::aDotIsAFewPixelsWideAtLeast_data()
{
    QTest::addColumn<double>("dot");
    QTest::addColumn<int>("pixels");
    QTest::newRow("12 words a minute") << 0.1 << 20;
    QTest::newRow("60 words a minute, widened") << 0.02 << 6;
}

void TestKeyingPicture::aDotIsAFewPixelsWideAtLeast()
{
    QFETCH(double, dot);
    QFETCH(int, pixels);
    const Painted p({{ElementKind::Dot, 0, dot, 0, dot, false},
                     {ElementKind::LetterGap, dot, 3 * dot, dot, 3 * dot, false}});
    int painted = 0;
    // From a little left of the first press: the lane's caption stands farther left.
    for (int x = int(p.picture.xAt(0)) - 3; x < int(p.picture.xAt(dot * 2)); ++x)
        painted +=
            p.at(x, p.picture.keyedLane().center().y()) == p.picture.palette().text().color();
    QCOMPARE(painted, pixels);
}

QTEST_MAIN(TestKeyingPicture)
#include "test_keyingpicture.moc"
