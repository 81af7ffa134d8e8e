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
    std::vector<KeyStroke> strokes() const override { return m_strokes; }
    bool held() const override { return m_downAt.has_value(); }
    double now() const override;
    bool takeFinish() override { return std::exchange(m_finish, false); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void down(const QInputEvent &event);
    void up(const QInputEvent &event);
    double timeOf(const QInputEvent &event);
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
    std::optional<double> m_downAt;
    std::vector<KeyStroke> m_strokes;
    // The events' clock less the steady clock, at the last event: now() on the events' clock.
    double m_clockOffset = 0.0;
};

} // namespace blinket
