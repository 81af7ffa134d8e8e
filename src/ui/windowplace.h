// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

namespace blinket {

// Where a practice window opens, and what it remembers. The first time, it opens beside or
// below the main window without covering it where the screen has room, clear of the other
// practice windows open then, and where there is none it covers neither the lamp, Stop nor
// the speed and minutes. Its frame, title bar included, lies on the screen's free area, the
// window shrunk to fit. Once the learner has moved or sized it, it keeps that place and size,
// also after a restart: they are kept in the options file under [windows] and the window's
// object name.
class WindowPlace : public QObject
{
    Q_OBJECT
public:
    // keepClear: the parts of the main window that must stay in sight (the lamp and Stop), in
    // the main window's own coordinates, asked afresh each time. usable: the least size a
    // learner can use the window at (its inside); it shrinks below that only where nothing
    // else is left.
    WindowPlace(QWidget &window, const QWidget &main, std::function<QList<QRect>()> keepClear,
                QSize usable = QSize());
    // Keeps a place still waiting to be written.
    ~WindowPlace() override;

    // Where the frame of a window of this size opens on a screen's free area showing the main
    // window (its frame) with the parts to keep clear and the other windows open (all in
    // screen coordinates): beside, below, to the left of or above the main window, else over
    // it to one side of each part that must stay in sight. Places clear of the other windows
    // come first, beside the main window before over it, a roomy one before a usable one, then
    // any the window fits at its least; then a usable place as little over the other windows
    // as can be; then the whole window, the most room. The size shrinks to the room there is.
    static QRect firstPlace(const QRect &screen, const QRect &main, const QList<QRect> &keepClear,
                            const QList<QRect> &others, QSize size, QSize roomy, QSize usable,
                            QSize least);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    // Once the window manager has framed it: its frame on the screen.
    void keepFrameOnScreen();
    void write();

    QWidget &m_window;
    const QWidget &m_main;
    std::function<QList<QRect>()> m_keepClear;
    QSize m_usable;
    bool m_placed = false;
    bool m_frameToCheck = false;
    // The place as the learner left it, written a moment after the last move.
    QByteArray m_geometry;
    QTimer m_writeTimer;
};

} // namespace blinket
