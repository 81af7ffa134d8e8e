// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/pictures.h"

#include <QEvent>
#include <QImage>
#include <QResource>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <cstring>

namespace blinket {

namespace {

// The pictures are kept as the pixels the screen shows, made from our PNGs when the program is
// built (see picturepixels.cpp): the width and the height, then the premultiplied rows.
QPixmap resourcePicture(const QString &name)
{
    const QResource resource(QStringLiteral(":/pictures/%1.pixels").arg(name));
    const QByteArray bytes = resource.uncompressedData();
    std::array<std::uint32_t, 2> size{};
    if (bytes.size() < qsizetype(sizeof size))
        return {};
    std::memcpy(size.data(), bytes.constData(), sizeof size);
    constexpr std::uint32_t largest = 4096;
    if (size[0] == 0 || size[1] == 0 || size[0] > largest || size[1] > largest ||
        bytes.size() != qsizetype(sizeof size) + qsizetype(size[0]) * size[1] * 4)
        return {};
    QImage image(static_cast<int>(size[0]), static_cast<int>(size[1]),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const qsizetype rowBytes = qsizetype(size[0]) * 4;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), bytes.constData() + sizeof size + y * rowBytes,
                    std::size_t(rowBytes));
    return QPixmap::fromImage(std::move(image));
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

namespace {

void addIconSizes(QIcon &icon, std::initializer_list<int> sizes)
{
    for (const int size : sizes)
        icon.addPixmap(resourcePicture(QStringLiteral("blinket-%1").arg(size)));
}

// Adds the large sizes to a window's icon once the window has been painted.
class LargeIconSizes : public QObject
{
public:
    explicit LargeIconSizes(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            // Queued, so that the paint reaches the screen first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QIcon icon = m_window->windowIcon();
                    addIconSizes(icon, {128, 256});
                    m_window->setWindowIcon(icon);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

void setProgramIcon(QWidget *window)
{
    // The large sizes are most of the icon's pixels, and no desktop shows them beside a window
    // that has just opened; they follow its first paint.
    QIcon icon;
    addIconSizes(icon, {16, 32, 48, 64});
    window->setWindowIcon(icon);
    new LargeIconSizes(window);
}

} // namespace blinket
