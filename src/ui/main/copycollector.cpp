// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/copycollector.h"

#include "practice/practicesession.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace blinket {

CopyCollector::CopyCollector(QWidget &window, PracticeSession &session)
    : QObject(&window), m_window(window), m_session(session)
{}

void CopyCollector::start()
{
    if (!m_collecting)
        QCoreApplication::instance()->installEventFilter(this);
    m_collecting = true;
}

void CopyCollector::stop()
{
    if (m_collecting)
        QCoreApplication::instance()->removeEventFilter(this);
    m_collecting = false;
}

bool CopyCollector::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    // Keys go to the widget with the focus; only those inside the main window are the copy's.
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget || widget->window() != &m_window)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const bool backspace = key->key() == Qt::Key_Backspace;
    const QString text = key->text();
    // Tab, Return, Escape, arrows, function keys and the like keep their work.
    if (!backspace && (text.isEmpty() || !text.front().isPrint()))
        return false;
    // A key held down repeats; one press is one character.
    if (!key->isAutoRepeat()) {
        if (backspace)
            m_session.takeBack();
        else
            m_session.type(text);
    }
    return true;
}

} // namespace blinket
