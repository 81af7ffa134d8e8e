// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/windowplace.h"

#include "settings/optionsfile.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace blinket {

namespace {

constexpr int gap = 8;

QString keyOf(const QWidget &window)
{
    return QStringLiteral("windows/") + window.objectName();
}

// The window moved along one axis until it lies on the screen, where it fits.
QRect keptOnScreen(QRect place, const QRect &screen)
{
    if (place.width() <= screen.width())
        place.moveLeft(std::clamp(place.left(), screen.left(), screen.right() + 1 - place.width()));
    if (place.height() <= screen.height())
        place.moveTop(std::clamp(place.top(), screen.top(), screen.bottom() + 1 - place.height()));
    return place;
}

} // namespace

WindowPlace::WindowPlace(QWidget &window, const QWidget &main,
                         std::function<QList<QRect>()> keepClear)
    : QObject(&window), m_window(window), m_main(main), m_keepClear(std::move(keepClear))
{
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(500);
    connect(&m_writeTimer, &QTimer::timeout, this, &WindowPlace::write);
    window.installEventFilter(this);
}

WindowPlace::~WindowPlace()
{
    if (m_writeTimer.isActive())
        write();
}

QRect WindowPlace::firstPlace(const QRect &screen, const QRect &main, const QList<QRect> &keepClear,
                              QSize size, QSize smallest)
{
    // Beside, below, to the left of and above the main window, in that order: the room on
    // each side, and the window placed there.
    const QRect sides[] = {
        QRect(QPoint(main.right() + 1 + gap, screen.top()), screen.bottomRight()),
        QRect(QPoint(screen.left(), main.bottom() + 1 + gap), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(main.left() - 1 - gap, screen.bottom())),
        QRect(screen.topLeft(), QPoint(screen.right(), main.top() - 1 - gap))};
    QRect roomiest;
    for (int side = 0; side < 4; ++side) {
        const QRect room = sides[side].intersected(screen);
        if (room.isEmpty())
            continue;
        const QSize fits = size.boundedTo(room.size());
        const QPoint corners[] = {QPoint(main.right() + 1 + gap, main.top()),
                                  QPoint(main.left(), main.bottom() + 1 + gap),
                                  QPoint(main.left() - gap - fits.width(), main.top()),
                                  QPoint(main.left(), main.top() - gap - fits.height())};
        const QRect place = keptOnScreen(QRect(corners[side], fits), room);
        if (fits == size)
            return place;
        if (fits.width() >= smallest.width() && fits.height() >= smallest.height() &&
            qint64(fits.width()) * fits.height() > qint64(roomiest.width()) * roomiest.height())
            roomiest = place;
    }
    if (!roomiest.isEmpty())
        return roomiest;
    // No room: the largest part of the screen to one side of all that must stay in sight.
    int left = screen.right() + 1;
    int top = screen.bottom() + 1;
    int right = screen.left() - 1;
    int bottom = screen.top() - 1;
    for (const QRect &kept : keepClear) {
        left = std::min(left, kept.left());
        top = std::min(top, kept.top());
        right = std::max(right, kept.right());
        bottom = std::max(bottom, kept.bottom());
    }
    QRect best;
    for (const QRect &area : {QRect(QPoint(right + 1 + gap, screen.top()), screen.bottomRight()),
                              QRect(QPoint(screen.left(), bottom + 1 + gap), screen.bottomRight()),
                              QRect(screen.topLeft(), QPoint(left - 1 - gap, screen.bottom())),
                              QRect(screen.topLeft(), QPoint(screen.right(), top - 1 - gap))}) {
        const QRect room = area.intersected(screen);
        if (room.isEmpty())
            continue;
        const QRect place(room.topLeft(), size.boundedTo(room.size()));
        if (qint64(place.width()) * place.height() > qint64(best.width()) * best.height())
            best = place;
    }
    return best.isEmpty() ? keptOnScreen(QRect(screen.topLeft(), size), screen) : best;
}

bool WindowPlace::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (!m_placed) {
            m_placed = true;
            place();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_placed && m_window.isVisible()) {
            m_geometry = m_window.saveGeometry();
            m_writeTimer.start();
        }
        break;
    case QEvent::Hide:
        if (m_placed) {
            m_geometry = m_window.saveGeometry();
            write();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlace::place()
{
    const QByteArray kept = optionsFile()->value(keyOf(m_window)).toByteArray();
    if (!kept.isEmpty() && m_window.restoreGeometry(kept))
        return;
    const QRect screen = m_main.screen()->availableGeometry();
    QList<QRect> keepClear;
    for (const QRect &part : m_keepClear())
        keepClear << QRect(m_main.mapToGlobal(part.topLeft()), part.size());
    // The frame's edges and title bar come on top of the window's own size.
    const QSize frame = m_window.frameGeometry().size() - m_window.geometry().size();
    const QSize edges = frame.expandedTo(QSize(0, 0));
    const QRect place =
        firstPlace(screen, m_main.frameGeometry(), keepClear, m_window.size() + edges,
                   m_window.minimumSizeHint().expandedTo(m_window.minimumSize()) + edges);
    m_window.resize(place.size() - edges);
    m_window.move(place.topLeft());
}

void WindowPlace::write()
{
    m_writeTimer.stop();
    if (!m_geometry.isEmpty())
        optionsFile()->setValue(keyOf(m_window), m_geometry);
}

} // namespace blinket
