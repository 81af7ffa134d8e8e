// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QObject>

class QAbstractSlider;

namespace blinket {

// Makes the arrow keys on a horizontal scroll bar step the way they point: Right towards
// the maximum, Left towards the minimum (mirrored in a right-to-left window). Qt's scroll
// bars turn them the other way round.
class ArrowKeySteps : public QObject
{
    Q_OBJECT
public:
    // Watches slider and is owned by it.
    explicit ArrowKeySteps(QAbstractSlider *slider);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractSlider *m_slider;
};

} // namespace blinket
