// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/light/lightpainter.h"
#include "ui/light/lightpreview.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace blinket;

namespace {

const QColor lampColour(250, 230, 80);
const QColor windowColour(96, 96, 96);

// The lamp in a 40-pixel box in the middle of an 80-pixel picture, the sky spanning it all.
QImage picture(const LightConditions &light, double level)
{
    QImage image(80, 80, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    const QRectF all = image.rect();
    painter.fillRect(all, skyBrush(light.sky, windowColour, all));
    paintLampScene(painter, {QRectF(20, 20, 40, 40), lampColour, windowColour, all}, light, level);
    return image;
}

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// How many pixels differ from the sky under the same light with the lamp dark.
int litPixels(const QImage &lit, const QImage &dark)
{
    int pixels = 0;
    for (int y = 0; y < lit.height(); ++y) {
        for (int x = 0; x < lit.width(); ++x)
            pixels += distance(lit.pixel(x, y), dark.pixel(x, y)) > 6;
    }
    return pixels;
}

} // namespace

class TestLightPicture : public QObject
{
    Q_OBJECT
private slots:
    void distanceMakesAPointOfLight();
    void skyIsTheBackgroundAndHazeLowersTheContrast_data();
    void skyIsTheBackgroundAndHazeLowersTheContrast();
    void previewPlaysWhileShown();
};

void TestLightPicture::distanceMakesAPointOfLight()
{
    const LightConditions light{true, 0, 0, Sky::Own, 0, 0};
    const QImage lit = picture(light, 1.0);
    // A few pixels in the middle, a faint halo at most: not the 40-pixel disc's 1,200.
    const int point = litPixels(lit, picture(light, 0.0));
    QVERIFY2(point >= 9 && point <= 100, qPrintable(QString::number(point)));
    QCOMPARE(QColor(lit.pixel(40, 40)), lampColour);
    QVERIFY(litPixels(picture({}, 1.0), picture({}, 0.0)) > 1000);
}

void TestLightPicture::skyIsTheBackgroundAndHazeLowersTheContrast_data()
{
    QTest::addColumn<QString>("light");
    QTest::addColumn<QColor>("top");      // the sky at the picture's top left
    QTest::addColumn<QColor>("bottom");   // and at its bottom left
    QTest::addColumn<double>("contrast"); // of the lit centre with the dark, 1 without haze
    QTest::newRow("own") << QString() << windowColour << windowColour << 1.0;
    QTest::newRow("day") << QStringLiteral("sky=day") << QColor(124, 154, 190)
                         << QColor(124, 154, 190) << 1.0;
    QTest::newRow("dusk") << QStringLiteral("sky=dusk") << QColor(58, 46, 92)
                          << QColor(222, 134, 74) << 1.0;
    QTest::newRow("night") << QStringLiteral("sky=night") << QColor(9, 13, 28) << QColor(9, 13, 28)
                           << 1.0;
    QTest::newRow("haze 40") << QStringLiteral("haze=40") << windowColour << windowColour << 0.7;
    QTest::newRow("thickest haze, still seen")
        << QStringLiteral("haze=100") << windowColour << windowColour << 0.25;
}

void TestLightPicture::skyIsTheBackgroundAndHazeLowersTheContrast()
{
    QFETCH(QString, light);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    QFETCH(double, contrast);
    const LightConditions conditions = *lightFromText(light);
    const QImage dark = picture(conditions, 0.0);
    QCOMPARE_LE(distance(dark.pixel(0, 0), top.rgb()), 6);
    QCOMPARE_LE(distance(dark.pixel(0, 79), bottom.rgb()), 6);
    // Dark, the lamp's box is the sky and nothing else: as the row beside it.
    for (int y = 0; y < 80; ++y)
        QCOMPARE(dark.pixel(40, y), dark.pixel(5, y));
    // Lit, the lamp keeps its colour but for the haze; half open, half of that.
    const int full = distance(lampColour.rgb(), dark.pixel(40, 40));
    for (const double level : {1.0, 0.5}) {
        const int seen = distance(picture(conditions, level).pixel(40, 40), dark.pixel(40, 40));
        QCOMPARE_LE(std::abs(seen - level * contrast * full), 3.0);
    }
    if (contrast == 1.0)
        QCOMPARE(QColor(picture(conditions, 1.0).pixel(40, 40)), lampColour);
}

void TestLightPicture::previewPlaysWhileShown()
{
    LightPreview preview;
    preview.setColours(lampColour, windowColour);
    preview.resize(preview.sizeHint());
    const QPoint centre = preview.rect().center();
    const auto centreColour = [&] { return QColor(preview.grab().toImage().pixel(centre)); };
    QCOMPARE(centreColour(), windowColour);
    preview.show();
    QTRY_COMPARE(centreColour(), lampColour);
    QTRY_COMPARE(centreColour(), windowColour);
    preview.hide();
    QCOMPARE(centreColour(), windowColour);
}

QTEST_MAIN(TestLightPicture)
#include "test_lightpicture.moc"
