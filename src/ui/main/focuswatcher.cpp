// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/focuswatcher.h"

#include <QFocusEvent>
#include <QWidget>

namespace blinket {

FocusWatcher::FocusWatcher(QWidget *widget) : QObject(widget)
{
    widget->installEventFilter(this);
}

bool FocusWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
        emit focusIn();
    return QObject::eventFilter(watched, event);
}

} // namespace blinket
