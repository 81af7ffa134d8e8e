#include "ui/pictures.h"

#include <QImageReader>
#include <QString>

namespace blinket {

namespace {

// All our pictures are PNGs. Left to guess, the reader first loads every image-format plugin
// to ask whether it reads PNG; told the format, it goes straight to Qt's own PNG reader.
QPixmap resourcePicture(const QString &name)
{
    QImageReader reader(QStringLiteral(":/pictures/%1.png").arg(name), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QPixmap hourglassPicture()
{
    return resourcePicture(QStringLiteral("hourglass"));
}

QPixmap lifeRingPicture()
{
    return resourcePicture(QStringLiteral("lifering"));
}

QPixmap beerMugPicture()
{
    return resourcePicture(QStringLiteral("beermug"));
}

QCursor pointingHandCursor()
{
    // The hot spot is the tip of the raised index finger.
    return QCursor(resourcePicture(QStringLiteral("pointinghand")), 13, 2);
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(resourcePicture(QStringLiteral("blinket-%1").arg(size)));
    return icon;
}

} // namespace blinket
