// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QWidget>

namespace blinket {

// Where the lamp is while it is dark: a faint dashed ring as wide as the smaller side of its
// box, under the lamp, so that a learner keying with the mouse finds it. Clicks go through it.
class LampOutline : public QWidget
{
    Q_OBJECT
public:
    explicit LampOutline(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace blinket
