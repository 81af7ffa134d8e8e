// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/arrowkeysteps.h"

#include <QAbstractSlider>
#include <QKeyEvent>

namespace blinket {

ArrowKeySteps::ArrowKeySteps(QAbstractSlider *slider) : QObject(slider), m_slider(slider)
{
    slider->installEventFilter(this);
}

bool ArrowKeySteps::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_slider->orientation() != Qt::Horizontal)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return QObject::eventFilter(watched, event);
    bool towardsMaximum = false;
    if (key->key() == Qt::Key_Right)
        towardsMaximum = true;
    else if (key->key() != Qt::Key_Left)
        return QObject::eventFilter(watched, event);
    if (m_slider->isRightToLeft())
        towardsMaximum = !towardsMaximum;
    m_slider->triggerAction(towardsMaximum ? QAbstractSlider::SliderSingleStepAdd
                                           : QAbstractSlider::SliderSingleStepSub);
    return true;
}

} // namespace blinket
