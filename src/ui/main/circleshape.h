// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "ui/main/twips.h"

#include <QWidget>

namespace blinket {

// A filled circle with no outline, as wide as the smaller side of its box and centred in it.
// The box is kept in twips as floats (half twips happen); the circle is painted antialiased
// at that exact place, so the widget covers the whole pixels around it.
class CircleShape : public QWidget
{
    Q_OBJECT
public:
    explicit CircleShape(QWidget *parent = nullptr);

    float Left() const { return m_box.left; }
    float Top() const { return m_box.top; }
    float Width() const { return m_box.width; }
    float Height() const { return m_box.height; }
    void setLeft(float value);
    void setTop(float value);
    void setWidth(float value);
    void setHeight(float value);
    void setBox(const TwipsRect &box);
    const TwipsRect &box() const { return m_box; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    TwipsRect m_box{0, 0, 0, 0};
};

} // namespace blinket
