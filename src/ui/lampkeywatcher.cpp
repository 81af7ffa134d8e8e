// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/lampkeywatcher.h"

#include "platform/platform.h"
#include "signal/lamp.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWidget>

#include <cmath>
#include <utility>

namespace blinket {

LampKeyWatcher::LampKeyWatcher(QWidget &window, QWidget &lampArea, Lamp &lamp, Platform &platform)
    : QObject(&window), m_window(window), m_lampArea(lampArea), m_lamp(lamp), m_platform(platform),
      m_key(Qt::Key_Space)
{}

void LampKeyWatcher::listen()
{
    m_stamped.clear();
    m_steady.clear();
    m_downAt.reset();
    m_finish = false;
    m_stampsKeepPace = true;
    m_last.reset();
    if (!m_listening)
        QCoreApplication::instance()->installEventFilter(this);
    m_listening = true;
}

void LampKeyWatcher::stopListening()
{
    if (!m_listening)
        return;
    m_listening = false;
    QCoreApplication::instance()->removeEventFilter(this);
    if (m_downAt) {
        m_downAt.reset();
        light(false);
    }
}

QString LampKeyWatcher::keyName() const
{
    switch (m_key) {
    case Qt::Key_Control:
        return tr("Ctrl");
    case Qt::Key_Shift:
        return tr("Shift");
    case Qt::Key_Alt:
        return tr("Alt");
    case Qt::Key_Meta:
        return tr("Meta");
    default:
        return QKeySequence(m_key).toString(QKeySequence::NativeText);
    }
}

std::vector<KeyStroke> LampKeyWatcher::strokes() const
{
    return m_stampsKeepPace ? m_stamped : m_steady;
}

double LampKeyWatcher::now() const
{
    const double steady = m_platform.steadySeconds();
    if (!m_stampsKeepPace || !m_last)
        return steady;
    return m_last->stamped + (steady - m_last->steady);
}

bool LampKeyWatcher::eventFilter(QObject *watched, QEvent *event)
{
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget || widget->window() != &m_window)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        const bool press = event->type() == QEvent::KeyPress;
        if (key.key() == m_key) {
            // A held key repeats; the lamp stays lit through the repeats.
            if (!key.isAutoRepeat() && !m_byMouse)
                press ? down(key) : up(key);
            return true;
        }
        if (m_takesEnter && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            m_finish = m_finish || press;
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        const QPoint at = m_window.mapFromGlobal(mouse.globalPosition().toPoint());
        if (mouse.button() != Qt::LeftButton || m_downAt || !m_lampArea.geometry().contains(at))
            return false;
        m_byMouse = true;
        down(mouse);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        if (mouse.button() != Qt::LeftButton || !m_byMouse)
            return false;
        up(mouse);
        m_byMouse = false;
        return true;
    }
    case QEvent::WindowDeactivate:
        // A release the window will never see: the learner turned to another window.
        if (watched == &m_window && m_downAt) {
            upAt({now(), m_platform.steadySeconds()});
            m_byMouse = false;
        }
        return false;
    default:
        return false;
    }
}

void LampKeyWatcher::down(const QInputEvent &event)
{
    if (m_downAt)
        return;
    light(true);
    m_downAt = momentOf(event);
}

void LampKeyWatcher::up(const QInputEvent &event)
{
    if (m_downAt)
        upAt(momentOf(event));
}

void LampKeyWatcher::upAt(Moment moment)
{
    light(false);
    const Moment down = *m_downAt;
    m_stamped.push_back({down.stamped, std::max(moment.stamped, down.stamped)});
    m_steady.push_back({down.steady, std::max(moment.steady, down.steady)});
    m_downAt.reset();
}

LampKeyWatcher::Moment LampKeyWatcher::momentOf(const QInputEvent &event)
{
    const double steady = m_platform.steadySeconds();
    const Moment moment{event.timestamp() == 0 ? steady : double(event.timestamp()) / 1000.0,
                        steady};
    // Handling may lag an event by a few milliseconds, never by a tenth of a second more
    // between two events than it did before.
    constexpr double pace = 0.1;
    if (m_last &&
        std::abs((moment.stamped - m_last->stamped) - (moment.steady - m_last->steady)) > pace)
        m_stampsKeepPace = false;
    m_last = moment;
    return moment;
}

void LampKeyWatcher::light(bool lit)
{
    m_lamp.setLit(lit);
    // Painted now, not at the next turn of the event loop: the lamp follows the hand.
    QWidget *area = m_lampArea.parentWidget();
    if (area)
        area->repaint(m_lampArea.geometry());
}

} // namespace blinket
