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

// The pixels that differ from the sky under the same light with the lamp dark.
QList<QPoint> litPixels(const QImage &lit, const QImage &dark)
{
    QList<QPoint> pixels;
    for (int y = 0; y < lit.height(); ++y) {
        for (int x = 0; x < lit.width(); ++x) {
            if (distance(lit.pixel(x, y), dark.pixel(x, y)) > 6)
                pixels << QPoint(x, y);
        }
    }
    return pixels;
}

} // namespace

class TestLightPicture : public QObject
{
    Q_OBJECT
private slots:
    void distanceMakesAPointOfLight();
    void hazeLowersTheContrast_data();
    void hazeLowersTheContrast();
    void skyIsTheBackgroundAndTheLampKeepsItsColour_data();
    void skyIsTheBackgroundAndTheLampKeepsItsColour();
    void previewPlaysWhileShown();
};

void TestLightPicture::distanceMakesAPointOfLight()
{
    LightConditions light;
    light.distance = true;
    const QList<QPoint> point = litPixels(picture(light, 1.0), picture(light, 0.0));
    // A few pixels, a faint halo at most: not the 40-pixel disc's 1,200.
    QVERIFY2(point.size() >= 4 && point.size() <= 64, qPrintable(QString::number(point.size())));
    QPointF middle;
    for (const QPoint &pixel : point)
        middle += QPointF(pixel) + QPointF(0.5, 0.5);
    middle /= double(point.size());
    QCOMPARE_LE(std::abs(middle.x() - 40.0), 0.5);
    QCOMPARE_LE(std::abs(middle.y() - 40.0), 0.5);
    QCOMPARE(QColor(picture(light, 1.0).pixel(40, 40)), lampColour);
    QVERIFY(litPixels(picture({}, 1.0), picture({}, 0.0)).size() > 1000);
}

void TestLightPicture::hazeLowersTheContrast_data()
{
    QTest::addColumn<int>("haze");
    QTest::addColumn<double>("contrast"); // of the lit centre with the dark, 1 without haze
    QTest::newRow("none") << 0 << 1.0;
    QTest::newRow("40") << 40 << 0.66;
    QTest::newRow("80") << 80 << 0.32;
    QTest::newRow("thickest, still seen") << 100 << 0.15;
}

void TestLightPicture::hazeLowersTheContrast()
{
    QFETCH(int, haze);
    QFETCH(double, contrast);
    LightConditions light;
    light.haze = haze;
    const int full = distance(lampColour.rgb(), windowColour.rgb());
    const int seen = distance(picture(light, 1.0).pixel(40, 40), windowColour.rgb());
    QCOMPARE_LE(std::abs(seen - contrast * full), 3.0);
    // Half open, half of that.
    const int half = distance(picture(light, 0.5).pixel(40, 40), windowColour.rgb());
    QCOMPARE_LE(std::abs(half - contrast * full / 2.0), 3.0);
}

void TestLightPicture::skyIsTheBackgroundAndTheLampKeepsItsColour_data()
{
    QTest::addColumn<int>("sky");
    QTest::addColumn<QColor>("top");    // the sky at the picture's top left
    QTest::addColumn<QColor>("bottom"); // and at its bottom left
    QTest::newRow("own") << int(Sky::Own) << windowColour << windowColour;
    QTest::newRow("day") << int(Sky::Day) << QColor(200, 213, 222) << QColor(200, 213, 222);
    QTest::newRow("dusk") << int(Sky::Dusk) << QColor(58, 46, 92) << QColor(222, 134, 74);
    QTest::newRow("night") << int(Sky::Night) << QColor(9, 13, 28) << QColor(9, 13, 28);
}

void TestLightPicture::skyIsTheBackgroundAndTheLampKeepsItsColour()
{
    QFETCH(int, sky);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    LightConditions light;
    light.sky = Sky(sky);
    const QImage dark = picture(light, 0.0);
    QCOMPARE_LE(distance(dark.pixel(0, 0), top.rgb()), 6);
    QCOMPARE_LE(distance(dark.pixel(0, 79), bottom.rgb()), 6);
    // Dark, the lamp's box is the sky and nothing else: as the row beside it.
    for (int y = 0; y < 80; ++y)
        QCOMPARE(dark.pixel(40, y), dark.pixel(5, y));
    QCOMPARE(QColor(picture(light, 1.0).pixel(40, 40)), lampColour);
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
