// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/windowplace.h"

#include "settings/optionsfile.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <tuple>

namespace blinket {

namespace {

constexpr int gap = 8;

QString keyOf(const QWidget &window)
{
    return QStringLiteral("windows/") + window.objectName();
}

// The frame round a window's inside, as far as it is known.
QMargins frameOf(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

bool frameKnown(const QWidget &window)
{
    return window.frameGeometry() != window.geometry();
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
                         std::function<QList<QRect>()> keepClear, QSize usable)
    : QObject(&window), m_window(window), m_main(main), m_keepClear(std::move(keepClear)),
      m_usable(usable)
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
                              const QList<QRect> &others, QSize size, QSize roomy, QSize usable,
                              QSize least)
{
    struct Candidate
    {
        QRect place;
        bool beside; // of the main window, covering none of it
    };
    QList<Candidate> candidates;
    // The window in a room, from the corner the room's place wants, and moved on past each
    // other window, along either axis.
    const auto placeIn = [&](const QRect &room, bool beside, auto corner) {
        if (room.isEmpty())
            return;
        QList<QRect> rooms{room};
        for (const QRect &other : others) {
            for (const QRect &beyond :
                 {QRect(QPoint(room.left(), other.bottom() + 1 + gap), room.bottomRight()),
                  QRect(QPoint(other.right() + 1 + gap, room.top()), room.bottomRight()),
                  QRect(room.topLeft(), QPoint(room.right(), other.top() - 1 - gap)),
                  QRect(room.topLeft(), QPoint(other.left() - 1 - gap, room.bottom()))})
                rooms << beyond.intersected(room);
        }
        for (const QRect &from : rooms) {
            if (from.isEmpty())
                continue;
            const QSize fits = size.boundedTo(from.size());
            candidates.push_back({keptOnScreen(QRect(corner(from, fits), fits), from), beside});
        }
    };

    // Beside, below, to the left of and above the main window, in that order.
    placeIn(QRect(QPoint(main.right() + 1 + gap, screen.top()), screen.bottomRight())
                .intersected(screen),
            true, [&main](const QRect &from, QSize) {
                return QPoint(from.left(), std::max(main.top(), from.top()));
            });
    placeIn(QRect(QPoint(screen.left(), main.bottom() + 1 + gap), screen.bottomRight())
                .intersected(screen),
            true, [&main](const QRect &from, QSize) {
                return QPoint(std::max(main.left(), from.left()), from.top());
            });
    placeIn(
        QRect(screen.topLeft(), QPoint(main.left() - 1 - gap, screen.bottom())).intersected(screen),
        true, [&main](const QRect &from, QSize fits) {
            return QPoint(from.right() + 1 - fits.width(), std::max(main.top(), from.top()));
        });
    placeIn(
        QRect(screen.topLeft(), QPoint(screen.right(), main.top() - 1 - gap)).intersected(screen),
        true, [&main](const QRect &from, QSize fits) {
            return QPoint(std::max(main.left(), from.left()), from.bottom() + 1 - fits.height());
        });
    // Over the main window, clear of each part of it that must stay in sight: from each corner
    // past those parts, the room up to the first of them met, cut short on either axis.
    QList<int> lefts{screen.left()};
    QList<int> tops{screen.top()};
    for (const QRect &kept : keepClear) {
        lefts << kept.right() + 1 + gap;
        tops << kept.bottom() + 1 + gap;
    }
    for (const int left : lefts) {
        for (const int top : tops) {
            QList<QRect> rooms{QRect(QPoint(left, top), screen.bottomRight()).intersected(screen)};
            for (const QRect &kept : keepClear) {
                QList<QRect> clear;
                for (const QRect &room : rooms) {
                    if (!room.intersects(kept.adjusted(-gap, -gap, gap, gap))) {
                        clear << room;
                        continue;
                    }
                    clear << QRect(room.topLeft(), QPoint(kept.left() - 1 - gap, room.bottom()))
                          << QRect(room.topLeft(), QPoint(room.right(), kept.top() - 1 - gap));
                }
                rooms = clear;
            }
            for (const QRect &room : rooms)
                placeIn(room.intersected(screen), false,
                        [](const QRect &from, QSize) { return from.topLeft(); });
        }
    }

    // Clear of the other windows first: beside the main window, roomy, then usable; over it,
    // roomy, then usable; then any clear place the window fits at all. Then a usable place as
    // little over the others as can be, beside the main window rather than over it; then the
    // whole window, then the most room.
    const auto key = [&](const Candidate &candidate) {
        const QRect &place = candidate.place;
        const bool clear = std::ranges::none_of(
            others, [&place](const QRect &other) { return place.intersects(other); });
        const auto holds = [&place](QSize least) {
            return place.width() >= least.width() && place.height() >= least.height();
        };
        const bool isRoomy = holds(roomy);
        const bool isUsable = holds(usable);
        qint64 covered = 0;
        for (const QRect &other : others) {
            const QRect both = place.intersected(other);
            covered += qint64(both.width()) * both.height();
        }
        return std::tuple(clear && isRoomy && candidate.beside,
                          clear && isUsable && candidate.beside, clear && isRoomy,
                          clear && isUsable, clear && holds(least), isUsable, -covered,
                          isUsable && candidate.beside, place.size() == size,
                          qint64(place.width()) * place.height());
    };
    // The first of equals.
    const auto best = std::ranges::max_element(
        candidates, [&key](const Candidate &a, const Candidate &b) { return key(a) < key(b); });
    return best == candidates.end()
               ? keptOnScreen(QRect(screen.topLeft(), size.boundedTo(screen.size())), screen)
               : best->place;
}

bool WindowPlace::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (!m_placed) {
            m_placed = true;
            place();
        }
        m_frameToCheck = true;
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_frameToCheck && frameKnown(m_window))
            keepFrameOnScreen();
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
    QList<QRect> others;
    for (const QWidget *other : m_main.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != &m_window && other->isWindow() && other->isVisible())
            // A window the window manager has not framed yet: its inside, with a frame as ours.
            others << (frameKnown(*other) ? other->frameGeometry()
                                          : other->geometry().marginsAdded(frameOf(m_main)));
    }
    // The frame the window manager puts round it: its own once known, else the main window's,
    // which the same window manager framed.
    const QMargins frame = frameKnown(m_window) ? frameOf(m_window) : frameOf(m_main);
    const QSize edges(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize smallest = m_window.minimumSizeHint().expandedTo(m_window.minimumSize()) + edges;
    // A window that scrolls can shrink far, but a learner wants much of its size, and can use
    // no less than its usable size.
    const QSize size = m_window.size() + edges;
    const QSize usable = (m_usable + edges).expandedTo(smallest).boundedTo(size);
    QRect place = firstPlace(screen, m_main.frameGeometry(), keepClear, others, size,
                             (size * 3 / 5).expandedTo(usable), usable, smallest);
    // Never smaller than the window can be: on the screen all the same.
    place = keptOnScreen(
        QRect(place.topLeft(), place.size().expandedTo(smallest.boundedTo(screen.size()))), screen);
    // The inside, so that the frame lands where it was meant to whether or not the window
    // manager has framed the window yet.
    m_window.setGeometry(place.marginsRemoved(frame));
}

void WindowPlace::keepFrameOnScreen()
{
    m_frameToCheck = false;
    const QRect screen = m_window.screen()->availableGeometry();
    const QRect frame = m_window.frameGeometry();
    const QRect kept =
        keptOnScreen(QRect(frame.topLeft(), frame.size().boundedTo(screen.size())), screen);
    if (kept != frame)
        m_window.setGeometry(kept.marginsRemoved(frameOf(m_window)));
}

void WindowPlace::write()
{
    m_writeTimer.stop();
    if (!m_geometry.isEmpty())
        optionsFile()->setValue(keyOf(m_window), m_geometry);
}

} // namespace blinket
