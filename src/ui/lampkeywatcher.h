// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "runs/lampkey.h"

#include <QObject>
#include <QString>

#include <optional>

class QInputEvent;
class QWidget;

namespace blinket {

class Lamp;
class Platform;

// The lamp key in one window: while it listens, the key (Space unless set) or the left mouse
// button held on the lamp lights the lamp at once and letting go darkens it, as a shutter
// does; the key's repeats are swallowed and Enter asks to be graded. Times are the events'
// own where the window system gives them (the moment of the press, not of its handling).
class LampKeyWatcher : public QObject, public LampKey
{
    Q_OBJECT
public:
    // lampArea: the widget where the lamp shines; lamp: lit and darkened.
    LampKeyWatcher(QWidget &window, QWidget &lampArea, Lamp &lamp, Platform &platform);

    // A key as Qt names it in its enum.
    void setKey(int key) { m_key = key; }
    // The key's name on this desktop: "Space".
    QString keyName() const;
    // Whether Enter is the exercise's (keying) or passes on (a message drill takes it).
    void setTakesEnter(bool takes) { m_takesEnter = takes; }

    void listen() override;
    void stopListening() override;
    std::vector<KeyStroke> strokes() const override;
    bool held() const override { return m_downAt.has_value(); }
    double now() const override;
    bool takeFinish() override { return std::exchange(m_finish, false); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // An event's moment on both clocks: the window system's and the steady one.
    struct Moment
    {
        double stamped = 0.0;
        double steady = 0.0;
    };

    void down(const QInputEvent &event);
    void up(const QInputEvent &event);
    void upAt(Moment moment);
    Moment momentOf(const QInputEvent &event);
    void light(bool lit);

    QWidget &m_window;
    QWidget &m_lampArea;
    Lamp &m_lamp;
    Platform &m_platform;
    int m_key;
    bool m_takesEnter = true;
    bool m_listening = false;
    bool m_byMouse = false;
    bool m_finish = false;
    std::optional<Moment> m_downAt;
    // The strokes on each clock. The window system's times are exact, unless its clock does
    // not keep pace with the steady one (events made up by a program): then the steady one's.
    std::vector<KeyStroke> m_stamped;
    std::vector<KeyStroke> m_steady;
    bool m_stampsKeepPace = true;
    std::optional<Moment> m_last;
};

} // namespace blinket
