// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/options/keycatcher.h"

#include <QKeyEvent>

namespace blinket {

KeyCatcher::KeyCatcher(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent), m_caption(caption)
{
    connect(this, &QPushButton::clicked, this, [this] { setCatching(true); });
}

bool KeyCatcher::event(QEvent *event)
{
    if (!m_catching)
        return QPushButton::event(event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // A key that is the window's shortcut (an access key) is chosen here all the same.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto *press = static_cast<QKeyEvent *>(event);
        if (press->isAutoRepeat())
            return true;
        setCatching(false);
        if (press->key() != Qt::Key_Escape)
            emit caught(press->key());
        return true;
    }
    case QEvent::KeyRelease:
        // The release of the key that started catching, or of the key caught.
        return true;
    case QEvent::FocusOut:
        setCatching(false);
        break;
    default:
        break;
    }
    return QPushButton::event(event);
}

void KeyCatcher::setCatching(bool catching)
{
    m_catching = catching;
    setText(catching ? tr("Press a key…") : m_caption);
    // The key goes to the focus, wherever the click that started catching left it.
    if (catching)
        setFocus(Qt::OtherFocusReason);
}

} // namespace blinket
