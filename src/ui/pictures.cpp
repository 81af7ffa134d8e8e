// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/pictures.h"

#include <QEvent>
#include <QImageReader>
#include <QString>
#include <QWidget>

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
