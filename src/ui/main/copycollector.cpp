// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/copycollector.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace blinket {

void CopyCollector::start()
{
    m_copy.clear();
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
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const bool backspace = key->key() == Qt::Key_Backspace;
    const QString text = key->text();
    // Tab, Return, Escape, arrows, function keys and the like keep their work.
    if (!backspace && (text.isEmpty() || !text.front().isPrint()))
        return false;
    // A key held down repeats; one press is one letter.
    if (!key->isAutoRepeat()) {
        if (backspace) {
            m_copy.chop(1);
        } else if (text.size() == 1) {
            const QChar c = text.front();
            if (c >= u'A' && c <= u'Z')
                m_copy += c;
            else if (c >= u'a' && c <= u'z')
                m_copy += QChar(c.unicode() - u'a' + u'A');
        }
    }
    return true;
}

} // namespace blinket
